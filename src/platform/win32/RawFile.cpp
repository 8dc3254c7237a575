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
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return FileError::Cause::AlreadyExists;
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
    case OpenMode::CreateNew: share = FILE_SHARE_WRITE; disposition = CREATE_NEW; break;
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

bool ReplaceFileContent(const std::string& path, const std::string& content, FileError& error)
{
    error = FileError{};
    error.path = path;
    error.operation = "write";
    auto fail = [&](DWORD code) {
        error.osCode = static_cast<int>(code);
        error.cause = CauseOf(code);
        return false;
    };
    // The new bytes go beside the old file and take its place once all are written; a read-only
    // file refuses the move, as it refuses a write.
    static unsigned serial = 0;
    std::string temporary;
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int attempt = 0; handle == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
        temporary = path + ".~qtcm" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++serial);
        handle = ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            return fail(::GetLastError());
    }
    if (handle == INVALID_HANDLE_VALUE)
        return fail(ERROR_FILE_EXISTS);
    DWORD code = ERROR_SUCCESS;
    {
        Win32File file(handle);
        if (!file.Write(content.data(), content.size()))
            code = static_cast<DWORD>(file.LastError());
    }
    if (code == ERROR_SUCCESS && !::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        code = ::GetLastError();
    if (code != ERROR_SUCCESS) {
        ::DeleteFileA(temporary.c_str());
        return fail(code);
    }
    return true;
}

} // namespace platform
