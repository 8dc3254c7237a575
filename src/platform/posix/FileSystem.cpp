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

namespace {

bool LockWhole(int descriptor)
{
    while (::flock(descriptor, LOCK_EX) != 0)
        if (errno != EINTR)
            return false;
    return true;
}

} // namespace

FolderLock::FolderLock(const std::string& folder)
{
    const int directory =
        ::open(NativePath(folder.empty() ? std::string(".") : folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0)
        return; // no folder takes no file either
    if (LockWhole(directory)) {
        m_handle = directory;
        return;
    }
    // A folder that takes no lock of its own (a network file system wants a file open for writing)
    // is locked through a file named after its identity, which every process of this machine finds.
    struct stat info {};
    const bool known = ::fstat(directory, &info) == 0;
    ::close(directory);
    if (!known)
        return;
    const std::string path =
        "/tmp/qtcm-lock-" + std::to_string(info.st_dev) + "-" + std::to_string(info.st_ino);
    const int file = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (file >= 0 && LockWhole(file))
        m_handle = file;
    else if (file >= 0)
        ::close(file);
}

FolderLock::~FolderLock()
{
    if (m_handle >= 0)
        ::close(static_cast<int>(m_handle)); // closing lets the lock go
}

} // namespace platform
