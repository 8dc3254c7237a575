#pragma once
// Text is 8-bit in the Windows-1252 code page throughout; these turn Unicode text met in files
// (registry exports, resources) into that form, and that form into UTF-8 for what the host writes
// for other programs (JSON, HTML). A character the code page lacks becomes '?'.
#include <string>

namespace platform {

char AnsiFromCodePoint(unsigned codePoint);
std::string AnsiFromUtf16Le(const std::string& bytes); // stops at nothing: every unit converts
std::string AnsiFromUtf8(const std::string& text);
// The code point of a byte of the code page; the five bytes it leaves undefined map to themselves.
unsigned CodePointFromAnsi(unsigned char byte);
std::string Utf8FromCodePoint(unsigned codePoint);
std::string Utf8FromAnsi(const std::string& text);

} // namespace platform
