#include "platform/FileSystem.h"

#include "platform/AsciiCase.h"

#include <io.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>

namespace platform {

const char kPathSeparator = '\\';
const char kLineEnd[] = "\r\n";

bool PathExists(const std::string& path) { return ::_access(path.c_str(), 0) == 0; }
bool CanRead(const std::string& path) { return ::_access(path.c_str(), 4) == 0; }
bool CanWrite(const std::string& path) { return ::_access(path.c_str(), 2) == 0; }
bool RemoveFile(const std::string& path) { return ::DeleteFileA(path.c_str()) != 0; }

std::string WorkingFolder()
{
    char buffer[MAX_PATH + 1] = "";
    const DWORD length = ::GetCurrentDirectoryA(sizeof buffer, buffer);
    if (length == 0 || length >= sizeof buffer)
        return {};
    std::string folder(buffer, length);
    if (folder.back() != '\\' && folder.back() != '/')
        folder.push_back('\\');
    return folder;
}

std::string LocalName(const std::string& path) { return path; }

std::string TempFolder()
{
    char buffer[MAX_PATH + 1] = "";
    const DWORD length = ::GetTempPathA(sizeof buffer, buffer);
    std::string folder = (length > 0 && length < sizeof buffer) ? std::string(buffer, length) : std::string(".\\");
    if (folder.back() != '\\' && folder.back() != '/')
        folder.push_back('\\');
    return folder;
}

ListedNames::ListedNames(const std::string& folder, const std::string& prefix, const std::string& suffix)
{
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/')
        pattern.push_back('\\');
    WIN32_FIND_DATAA found{};
    const HANDLE search = ::FindFirstFileA((pattern + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        m_listed = ::GetLastError() == ERROR_FILE_NOT_FOUND; // an empty folder
        return;
    }
    const std::string low = FoldCase(prefix), high = FoldCase(suffix);
    do {
        const std::string name = FileNameKey(found.cFileName);
        if (name.size() >= low.size() + high.size() && name.compare(0, low.size(), low) == 0 &&
            name.compare(name.size() - high.size(), high.size(), high) == 0)
            m_names.insert(name);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    m_listed = true;
}

bool ListedNames::Contains(const std::string& name) const { return m_names.count(FileNameKey(name)) > 0; }
void NoteNameTaken(const std::string&, const std::string&) {}

// The file system answers every search afresh: Windows keeps no listings here.
bool RecallNameSearch(const std::string&, const std::string&, NameSearchMark&) { return false; }
void RememberNameSearch(const std::string&, const std::string&, const NameSearchMark&) {}

std::string FileNameKey(const std::string& name) { return FoldCase(name); }

FolderLock::FolderLock(const std::string& folder)
{
    char full[2 * MAX_PATH] = "";
    const DWORD length = ::GetFullPathNameA(folder.empty() ? "." : folder.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full)
        return;
    std::string key(full, length);
    for (char& c : key)
        if (c == '/')
            c = '\\';
    while (key.size() > 3 && key.back() == '\\')
        key.pop_back();
    // A mutex name holds no backslash: the folder's path, in any case, is hashed into it.
    const std::uint64_t hash = FoldedHash(key, FoldAscii);
    char name[64];
    std::snprintf(name, sizeof name, "Local\\qtcm-folder-%016llx", static_cast<unsigned long long>(hash));
    const HANDLE mutex = ::CreateMutexA(nullptr, FALSE, name);
    if (!mutex)
        return;
    const DWORD waited = ::WaitForSingleObject(mutex, INFINITE);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED)
        m_handle = reinterpret_cast<std::intptr_t>(mutex);
    else
        ::CloseHandle(mutex);
}

FolderLock::~FolderLock()
{
    if (m_handle == -1)
        return;
    const HANDLE mutex = reinterpret_cast<HANDLE>(m_handle);
    ::ReleaseMutex(mutex);
    ::CloseHandle(mutex);
}

// The file system itself finds names ignoring case.
FolderListings::FolderListings() = default;
FolderListings::~FolderListings() = default;
void ForgetFolders(const std::string&) {}

} // namespace platform
