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

bool EndsWithSeparator(const std::string& path) { return !path.empty() && IsPathSeparator(path.back()); }

bool IsRelativePath(const std::string& path)
{
    const bool drive = path.size() >= 2 && path[1] == ':';
    return !drive && (path.empty() || !IsPathSeparator(path[0]));
}

} // namespace platform
