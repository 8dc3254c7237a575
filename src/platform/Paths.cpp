#include "platform/FileSystem.h"

namespace platform {

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

std::string FolderOf(const std::string& path)
{
    std::size_t end = path.size();
    while (end > 0 && !IsPathSeparator(path[end - 1]))
        --end;
    if (end == 0 && path.size() >= 2 && path[1] == ':')
        end = 2; // "C:name" is name in the current folder of drive C:
    return path.substr(0, end);
}

PathParts SplitPath(const std::string& path)
{
    PathParts parts;
    std::string rest = path;
    if (rest.size() >= 2 && rest[1] == ':') {
        parts.drive = rest.substr(0, 2);
        rest.erase(0, 2);
    }
    std::string file = rest;
    const std::size_t lastSeparator = rest.find_last_of("\\/");
    if (lastSeparator != std::string::npos) {
        parts.directory = rest.substr(0, lastSeparator + 1);
        file = rest.substr(lastSeparator + 1);
    }
    const std::size_t dot = file.find_last_of('.');
    parts.name = file.substr(0, dot);
    if (dot != std::string::npos)
        parts.extension = file.substr(dot);
    return parts;
}

std::string FileStem(const std::string& path)
{
    constexpr std::size_t kComponentLimit = 255;
    return SplitPath(path).name.substr(0, kComponentLimit);
}

bool EndsWithSeparator(const std::string& path) { return !path.empty() && IsPathSeparator(path.back()); }

bool IsRelativePath(const std::string& path)
{
    const bool drive = path.size() >= 2 && path[1] == ':';
    return !drive && (path.empty() || !IsPathSeparator(path[0]));
}

} // namespace platform
