#include "platform/Files.h"

#include "platform/posix/NativePath.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

FileError::Cause CauseOfErrno(int code)
{
    switch (code) {
    case ENOENT: return FileError::Cause::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return FileError::Cause::AccessDenied;
    case ENOTDIR:
    case ENAMETOOLONG: return FileError::Cause::BadPath;
    case ENOSPC:
    case EDQUOT: return FileError::Cause::DiskFull;
    case EEXIST: return FileError::Cause::AlreadyExists;
    case EBUSY:
    case ETXTBSY: return FileError::Cause::SharingViolation;
    default: return FileError::Cause::Generic;
    }
}

namespace {

class PosixFile final : public RawFile {
public:
    explicit PosixFile(int fd) : m_fd(fd) {}
    ~PosixFile() override { ::close(m_fd); }

    long long Read(void* buffer, std::size_t size) override
    {
        for (;;) {
            const ssize_t got = ::read(m_fd, buffer, size);
            if (got >= 0)
                return got;
            if (errno != EINTR) {
                m_error = errno;
                return -1;
            }
        }
    }

    bool Write(const void* data, std::size_t size) override
    {
        const char* p = static_cast<const char*>(data);
        while (size > 0) {
            const ssize_t put = ::write(m_fd, p, size);
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                m_error = errno;
                return false;
            }
            p += put;
            size -= static_cast<std::size_t>(put);
        }
        return true;
    }

    bool SeekToEnd() override
    {
        if (::lseek(m_fd, 0, SEEK_END) >= 0)
            return true;
        m_error = errno;
        return false;
    }

    int LastError() const override { return m_error; }

private:
    int m_fd;
    int m_error = 0;
};

} // namespace

// Posix has no share modes; the modes differ only in how the file is opened and created.
std::unique_ptr<RawFile> OpenRawFile(const std::string& path, OpenMode mode, FileError& error)
{
    int flags = O_CLOEXEC;
    switch (mode) {
    case OpenMode::ReadDenyWrite: flags |= O_RDONLY; break;
    case OpenMode::WriteExclusive: flags |= O_WRONLY; break;
    case OpenMode::CreateDenyRead:
    case OpenMode::BinaryCreate: flags |= O_WRONLY | O_CREAT | O_TRUNC; break;
    case OpenMode::CreateNew: flags |= O_WRONLY | O_CREAT | O_EXCL; break;
    }
    const std::string native = NativePath(path);
    if (native.empty()) {
        error.cause = FileError::Cause::BadPath;
        return nullptr;
    }
    int fd = -1;
    do {
        fd = ::open(native.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        error.osCode = errno;
        error.cause = CauseOfErrno(errno);
        return nullptr;
    }
    if (flags & O_CREAT)
        NoteEntryAdded(native);
    return std::make_unique<PosixFile>(fd);
}

} // namespace platform
