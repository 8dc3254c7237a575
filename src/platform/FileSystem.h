#pragma once
// Questions about paths: access tests, the temporary folder, deletion, splitting a path.
#include <cstdint>
#include <string>
#include <unordered_set>

namespace platform {

extern const char kPathSeparator; // '\\' on Windows, '/' elsewhere
extern const char kLineEnd[];      // the end of a line written in text mode: "\r\n" on Windows, "\n" elsewhere

bool PathExists(const std::string& path);
bool CanRead(const std::string& path);
bool CanWrite(const std::string& path);
bool RemoveFile(const std::string& path);
// The temporary folder with its trailing separator.
std::string TempFolder();

// Both '\\' and '/' separate, on every platform, so Windows paths read the same anywhere.
bool IsPathSeparator(char c);
// The folder part of a path: the drive and everything up to its last separator, which it keeps
// ("" when the path names no folder).
std::string FolderOf(const std::string& path);
// A path split into drive ("C:"), folder (with its trailing separator), name and extension (with
// its dot). The one path splitter of the system: every other split goes through it.
struct PathParts {
    std::string drive, directory, name, extension;
};
PathParts SplitPath(const std::string& path);
// The file name without folder and extension, cut to the 255 characters a run-time's path splitter
// gives; the name the files beside a session take from it.
std::string FileStem(const std::string& path);

// The names of one folder, listed when it is made, compared as the file system compares names
// (ignoring case on Windows). Where the platform keeps listings of its own (posix), that listing
// answers, else the folder's names that start with prefix and end with suffix are read once.
class ListedNames {
public:
    ListedNames(const std::string& folder, const std::string& prefix, const std::string& suffix);
    bool Listed() const { return m_listed; } // false when the folder cannot be listed
    bool Contains(const std::string& name) const;

private:
    std::string m_folder;
    std::unordered_set<std::string> m_names; // by FileNameKey, where the platform keeps no listing
    bool m_listed = false;
};

// Where a search for a free name stopped in a folder: the name it answered, with its counter's
// carry, and how many names it had tried. Kept with the folder's listing where the platform keeps
// one (posix): while the folder has lost no entry, the names a search passed over are still
// taken, and the next search from the same first name may go on from where it stopped.
struct NameSearchMark {
    std::string name;
    bool carry = false;
    unsigned attempts = 0;
};
// A name the file system has just shown to be in folder (another process may have written it
// since the folder was listed): where the platform keeps a listing, it holds the name from now on,
// so that the name is not asked for again, and a later removal of it drops the marks of the
// searches that passed over it.
void NoteNameTaken(const std::string& folder, const std::string& name);
bool RecallNameSearch(const std::string& folder, const std::string& first, NameSearchMark& mark);
void RememberNameSearch(const std::string& folder, const std::string& first, const NameSearchMark& mark);
std::string FileNameKey(const std::string& name);
bool EndsWithSeparator(const std::string& path);
// A path that the working folder completes: no drive, and no separator in front.
bool IsRelativePath(const std::string& path);
// The working folder, with its trailing separator ("" when it cannot be told).
std::string WorkingFolder();
// The file the platform opens for path, as the user finds it on this system (posix: with
// slashes, its drive mapped and its names in the case they have on the disk).
std::string LocalName(const std::string& path);

// One exported call's listings. Where the file system is not Windows', a name missing under its
// exact spelling is looked for ignoring case in its folder's listing. Listings are kept, with what
// the library itself adds or removes, while the folder's change times stay; while a
// FolderListings lives (an exported call), each folder is checked at most once. On Windows the
// file system does this itself, and these do nothing.
class FolderListings {
public:
    FolderListings();
    ~FolderListings();
    FolderListings(const FolderListings&) = delete;
    FolderListings& operator=(const FolderListings&) = delete;
};
// Holds other processes of this machine off a folder while a free name is chosen in it and its
// file written: the macro translator writes the file it is handed without asking, so two worker
// processes writing macros into one folder must not choose the same name. posix: an advisory lock
// on the folder (or, where the folder takes none, on a file named after it in /tmp); Windows: a
// mutex named after the folder's full path. A folder that is not there is not locked.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    std::intptr_t m_handle = -1; // the locked descriptor (posix) or the owned mutex (Windows)
};

// Another library has written files: every kept listing is checked again before its next use,
// but for the folder of written, the one file it was asked to write, which is noted as it is.
void ForgetFolders(const std::string& written = std::string());

} // namespace platform
