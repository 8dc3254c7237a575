#pragma once
// qtcm inspect FILE.TDP: a TORQA! session file, an INI file, shown section by section.
#include <string>

// Each section with its values, the names in a column; false with a message for bytes that are not
// text (a zero byte) or hold no section.
bool DumpSessionFile(const std::string& bytes, std::string& text, std::string& error);
