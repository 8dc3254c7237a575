#include "platform/Files.h"

#include "platform/posix/NativePath.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// A link is replaced where it points, so the link itself survives the rename.
std::string FinalTarget(const std::string& native)
{
    struct stat info {};
    if (::lstat(native.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return native;
    char* resolved = ::realpath(native.c_str(), nullptr);
    if (!resolved)
        return native;
    std::string target = resolved;
    std::free(resolved);
    return target;
}

bool WriteAll(int fd, const std::string& content)
{
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t put = ::write(fd, p, left);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += put;
        left -= static_cast<std::size_t>(put);
    }
    return true;
}

bool Fail(FileError& error, const char* operation, int code)
{
    error.operation = operation;
    error.osCode = code;
    error.cause = CauseOfErrno(code);
    return false;
}

} // namespace

// The new content goes to a hidden file beside the old one (the same folder, so the same file
// system), created exclusively with the old file's permissions, and is renamed over the old file
// only once every byte is written: a full disk or any other failure leaves the old file whole.
// There is no fsync, which costs milliseconds a file: the rename makes the change atomic for every
// reader, and ext4, the usual file system here, writes a replaced file's data before the rename.
bool ReplaceFileContent(const std::string& path, const std::string& content, FileError& error)
{
    error = FileError{};
    error.path = path;
    const std::string native = NativePath(path);
    if (native.empty() || native.back() == '/') {
        error.operation = "write";
        error.cause = FileError::Cause::BadPath;
        return false;
    }
    const std::string target = FinalTarget(native);
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);

    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode))
        return Fail(error, "write", EISDIR);

    static unsigned serial = 0;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = folder + "." + name + ".qtcm" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST && errno != EINTR)
            return Fail(error, "write", errno);
    }
    if (fd < 0)
        return Fail(error, "write", EEXIST);
    if (existed) {
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)::fchown(fd, old.st_uid, old.st_gid); // kept where the user may keep them
        (void)::fchmod(fd, old.st_mode & 07777);
    }
    const bool written = WriteAll(fd, content);
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        const int code = written ? errno : writeError;
        ::unlink(temporary.c_str());
        return Fail(error, "write", code);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return Fail(error, "write", code);
    }
    NoteEntryAdded(target); // the folder changed: a new name, or at least new times
    return true;
}

} // namespace platform
