#include "platform/FileSystem.h"

#include <io.h>
#include <windows.h>

namespace platform {

const char kPathSeparator = '\\';
const char kLineEnd[] = "\r\n";

bool PathExists(const std::string& path) { return ::_access(path.c_str(), 0) == 0; }
bool CanRead(const std::string& path) { return ::_access(path.c_str(), 4) == 0; }
bool CanWrite(const std::string& path) { return ::_access(path.c_str(), 2) == 0; }
bool RemoveFile(const std::string& path) { return ::DeleteFileA(path.c_str()) != 0; }

std::string TempFolder()
{
    char buffer[MAX_PATH + 1] = "";
    const DWORD length = ::GetTempPathA(sizeof buffer, buffer);
    std::string folder = (length > 0 && length < sizeof buffer) ? std::string(buffer, length) : std::string(".\\");
    if (folder.back() != '\\' && folder.back() != '/')
        folder.push_back('\\');
    return folder;
}

} // namespace platform
