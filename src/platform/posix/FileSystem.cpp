#include "platform/FileSystem.h"

#include "platform/posix/NativePath.h"

#include <cstdlib>
#include <unistd.h>

namespace platform {

const char kPathSeparator = '/';

std::string NativePath(const std::string& path)
{
    std::string native = path;
    for (char& c : native)
        if (c == '\\')
            c = '/';
    return native;
}

bool PathExists(const std::string& path) { return ::access(NativePath(path).c_str(), F_OK) == 0; }
bool CanRead(const std::string& path) { return ::access(NativePath(path).c_str(), R_OK) == 0; }
bool CanWrite(const std::string& path) { return ::access(NativePath(path).c_str(), W_OK) == 0; }
bool RemoveFile(const std::string& path) { return ::unlink(NativePath(path).c_str()) == 0; }

std::string TempFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string folder = (tmp && *tmp) ? tmp : "/tmp/";
    if (folder.back() != '/')
        folder.push_back('/');
    return folder;
}

} // namespace platform
