#pragma once
// Questions about paths: access tests, the temporary folder, deletion, splitting a path.
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

// The names in a folder that start with prefix and end with suffix, each as FileNameKey gives it
// (names compare as the file system compares them: ignoring case on Windows). False when the
// folder cannot be listed.
bool FolderNames(const std::string& folder, const std::string& prefix, const std::string& suffix,
                 std::unordered_set<std::string>& names);
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
// Another library has written files: every kept listing is checked again before its next use,
// but for the folder of written, the one file it was asked to write, which is noted as it is.
void ForgetFolders(const std::string& written = std::string());

} // namespace platform
