#pragma once
// Questions about paths: access tests, the temporary folder, deletion, splitting a path.
#include <string>

namespace platform {

extern const char kPathSeparator; // '\\' on Windows, '/' elsewhere

bool PathExists(const std::string& path);
bool CanRead(const std::string& path);
bool CanWrite(const std::string& path);
bool RemoveFile(const std::string& path);
// The temporary folder with its trailing separator.
std::string TempFolder();

// Both '\\' and '/' separate, on every platform, so Windows paths read the same anywhere.
bool IsPathSeparator(char c);
bool EndsWithSeparator(const std::string& path);

} // namespace platform
