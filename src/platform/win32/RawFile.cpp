#include "platform/Files.h"

#include <windows.h>

namespace platform {

namespace {

FileError::Cause CauseOf(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND: return FileError::Cause::NotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE: return FileError::Cause::BadPath;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return FileError::Cause::AccessDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return FileError::Cause::SharingViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return FileError::Cause::DiskFull;
    default: return FileError::Cause::Generic;
    }
}

class Win32File final : public RawFile {
public:
    explicit Win32File(HANDLE handle) : m_handle(handle) {}
    ~Win32File() override { ::CloseHandle(m_handle); }

    long long Read(void* buffer, std::size_t size) override
    {
        DWORD got = 0;
        if (!::ReadFile(m_handle, buffer, static_cast<DWORD>(size), &got, nullptr)) {
            m_error = static_cast<int>(::GetLastError());
            return -1;
        }
        return got;
    }

    bool Write(const void* data, std::size_t size) override
    {
        const char* p = static_cast<const char*>(data);
        while (size > 0) {
            DWORD put = 0;
            if (!::WriteFile(m_handle, p, static_cast<DWORD>(size), &put, nullptr) || put == 0) {
                m_error = static_cast<int>(::GetLastError());
                return false;
            }
            p += put;
            size -= put;
        }
        return true;
    }

    bool SeekToEnd() override
    {
        LARGE_INTEGER zero{};
        if (::SetFilePointerEx(m_handle, zero, nullptr, FILE_END))
            return true;
        m_error = static_cast<int>(::GetLastError());
        return false;
    }

    int LastError() const override { return m_error; }

private:
    HANDLE m_handle;
    int m_error = 0;
};

} // namespace

std::unique_ptr<RawFile> OpenRawFile(const std::string& path, OpenMode mode, FileError& error)
{
    DWORD access = GENERIC_WRITE, share = 0, disposition = CREATE_ALWAYS;
    switch (mode) {
    case OpenMode::ReadDenyWrite: access = GENERIC_READ; share = FILE_SHARE_READ; disposition = OPEN_EXISTING; break;
    case OpenMode::WriteExclusive: disposition = OPEN_EXISTING; break;
    case OpenMode::CreateDenyRead: share = FILE_SHARE_WRITE; break;
    case OpenMode::BinaryCreate: break;
    }
    const HANDLE handle =
        ::CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        error.osCode = static_cast<int>(code);
        error.cause = CauseOf(code);
        return nullptr;
    }
    return std::make_unique<Win32File>(handle);
}

} // namespace platform
