#include "platform/FileSystem.h"

namespace platform {

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }
} // namespace

bool EndsWithSeparator(const std::string& path) { return !path.empty() && IsSeparator(path.back()); }

PathParts SplitPath(const std::string& path)
{
    PathParts parts;
    std::string rest = path;
    if (rest.size() >= 2 && rest[1] == ':') {
        parts.drive = rest.substr(0, 2);
        rest.erase(0, 2);
    }
    const std::size_t lastSep = rest.find_last_of("\\/");
    std::string file = rest;
    if (lastSep != std::string::npos) {
        parts.directory = rest.substr(0, lastSep + 1);
        file = rest.substr(lastSep + 1);
    }
    const std::size_t dot = file.find_last_of('.');
    if (dot != std::string::npos) {
        parts.name = file.substr(0, dot);
        parts.extension = file.substr(dot);
    } else {
        parts.name = file;
    }
    return parts;
}

} // namespace platform
