#include "platform/FileSystem.h"

#include "platform/posix/NativePath.h"

#include <cerrno>
#include <fcntl.h>
#include <cstdlib>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

const char kPathSeparator = '/';
const char kLineEnd[] = "\n";

std::string WorkingFolder()
{
    char buffer[4096];
    if (!::getcwd(buffer, sizeof buffer))
        return {};
    std::string folder = buffer;
    if (folder.back() != '/')
        folder.push_back('/');
    return folder;
}

std::string LocalName(const std::string& path) { return NativePath(path); }

bool PathExists(const std::string& path) { return ::access(NativePath(path).c_str(), F_OK) == 0; }
bool CanRead(const std::string& path) { return ::access(NativePath(path).c_str(), R_OK) == 0; }
bool CanWrite(const std::string& path) { return ::access(NativePath(path).c_str(), W_OK) == 0; }
bool RemoveFile(const std::string& path)
{
    const std::string native = NativePath(path);
    if (::unlink(native.c_str()) != 0)
        return false;
    NoteEntryRemoved(native);
    return true;
}

namespace {

// A folder that only this user can enter: a real folder (not a link), owned by the user, with no
// rights for anybody else.
bool IsPrivateFolder(const std::string& folder)
{
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        return false;
    return (info.st_mode & 077) == 0 || ::chmod(folder.c_str(), 0700) == 0;
}

// The user's own folder under /tmp, made on first use. When the name is taken by somebody else (or
// by something that is no private folder), this process makes a fresh folder of its own instead.
std::string PrivateTempFolder()
{
    static std::string fallback;
    if (!fallback.empty())
        return fallback;
    const std::string folder = "/tmp/qtcm-" + std::to_string(::geteuid());
    if (::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) {
        if (IsPrivateFolder(folder))
            return folder + "/";
    }
    std::string pattern = folder + "-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return {};
    fallback = pattern + "/";
    return fallback;
}

} // namespace

// $TMPDIR when it is set, as every posix program does; else a folder of the user's own, as Windows
// gives every user a temporary folder: the fixed names the system puts there (the macro translator's
// report) must never meet another user's files in the shared /tmp. Empty when none can be made.
std::string TempFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    if (!tmp || !*tmp)
        return PrivateTempFolder();
    std::string folder = tmp;
    if (folder.back() != '/')
        folder.push_back('/');
    return folder;
}

FolderLock::FolderLock(const std::string& folder)
{
    m_handle = ::open(NativePath(folder.empty() ? std::string(".") : folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_handle < 0)
        return;
    while (::flock(m_handle, LOCK_EX) != 0 && errno == EINTR) {
    }
}

FolderLock::~FolderLock()
{
    if (m_handle >= 0)
        ::close(m_handle); // closing lets the lock go
}

} // namespace platform
