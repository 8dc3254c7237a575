#pragma once
// Text is 8-bit in the Windows-1252 code page throughout; these turn Unicode text met in files
// (registry exports, resources) into that form. A character the code page lacks becomes '?'.
#include <string>

namespace platform {

char AnsiFromCodePoint(unsigned codePoint);
std::string AnsiFromUtf16Le(const std::string& bytes); // stops at nothing: every unit converts
std::string AnsiFromUtf8(const std::string& text);

} // namespace platform
