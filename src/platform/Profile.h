#pragma once
// INI files read and written key by key, with the rules of the Windows profile functions.
#include <cstddef>
#include <string>

namespace platform {

// The value of key in section, or defaultValue when there is none; at most bufferSize - 1 bytes.
std::string ReadProfileValue(const std::string& section, const std::string& key,
                             const std::string& defaultValue, const std::string& path,
                             std::size_t bufferSize = 260);
// Creates the file, the section or the key as needed; false when the file cannot be written.
bool WriteProfileValue(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path);

} // namespace platform
