#pragma once
// Questions about paths: access tests, the temporary folder, deletion, splitting a path.
#include <string>

namespace platform {

extern const char kPathSeparator; // '\\' on Windows, '/' elsewhere
extern const char kLineEnd[];      // the end of a line written in text mode: "\r\n" on Windows, "\n" elsewhere

bool PathExists(const std::string& path);
bool CanRead(const std::string& path);
bool CanWrite(const std::string& path);
bool RemoveFile(const std::string& path);
// The temporary folder with its trailing separator.
std::string TempFolder();

// A path split into drive ("C:"), directory (with its trailing separator), name and extension (with
// its dot). Both '\\' and '/' separate, on every platform, so Windows paths split the same anywhere.
struct PathParts {
    std::string drive, directory, name, extension;
};
PathParts SplitPath(const std::string& path);
bool EndsWithSeparator(const std::string& path);

} // namespace platform
