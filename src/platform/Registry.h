#pragma once
// Values read from the registry, and environment-variable expansion as registry paths use it.
#include <cstddef>
#include <string>

namespace platform {

enum class RegistryHive { LocalMachine, CurrentUser, Users };

// Reads one value of a key ("" names the key's default value). Answers false when the key or the
// value is missing or when the data with its terminating zero would not fit in bufferSize bytes.
bool ReadRegistryValue(RegistryHive hive, const std::string& key, const std::string& valueName,
                       std::size_t bufferSize, std::string& out);

// Replaces every %NAME% of a defined variable by its value (others stay as written). Answers false
// when the result with its terminating zero would not fit in bufferSize bytes.
bool ExpandEnvironment(const std::string& text, std::size_t bufferSize, std::string& out);

// A value read as text and expanded; false when missing, too long for bufferSize, or empty.
bool ReadExpandedValue(RegistryHive hive, const std::string& key, const std::string& valueName,
                       std::size_t bufferSize, std::string& out);

} // namespace platform
