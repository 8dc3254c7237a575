#pragma once
// Our own keeper of INI files with the rules of the Windows profile functions: sections and keys
// match ignoring case and the first of equal ones counts; a replaced value stays on its line; a new
// key goes after the last key of its section and a new section at the end of the file; every other
// byte stays as it was; a line we add ends as the file's first line ends (a new file's lines end
// the platform's way). Reading trims the blanks around a value, drops one pair of enclosing quotes
// and cuts the value to the buffer. The posix profile backend is this; on Windows it is compared
// with the real functions.
#include <cstddef>
#include <string>

namespace platform {

std::string IniReadValue(const std::string& section, const std::string& key, const std::string& defaultValue,
                         const std::string& path, std::size_t bufferSize);
bool IniWriteValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& path);

} // namespace platform
