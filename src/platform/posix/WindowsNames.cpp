// File names as a Windows file system has them, on a posix one. A desk copied from a Windows disk
// names its files in any case ("LOGON.QTM" on the disk, "Logon.qtm" in the session), with
// backslashes and drive letters; Windows finds them all, and so must we:
//  - '\' and '/' both separate;
//  - a drive letter maps to a folder: QTCM_DRIVES ("C:=/mnt/c;D:=/srv/d") and QTCM_WINDOWS_ROOT (a
//    copied system drive, C: unless QTCM_DRIVES names C);
//  - a path component missing under its exact name is the folder's entry that equals it ignoring
//    case (ASCII and Windows-1252 letters; a name stored in UTF-8, as a Windows disk mounted on
//    posix shows its names, also compares in its Windows-1252 form).
// When two entries differ only in case and neither is the exact name, the first in byte order wins
// ("LOGON.QTM" before "Logon.qtm"): the choice does not depend on the order the folder lists them.
#include "platform/FileSystem.h"

#include "platform/posix/FolderListing.h"
#include "platform/posix/NativePath.h"

#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <map>
#include <sys/stat.h>
#include <unordered_map>

namespace platform {

namespace {

using Listing = FolderListing;

bool ReadFolder(const std::string& folder, Listing& listing)
{
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return false;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            listing.Add(name);
    }
    ::closedir(dir);
    return true;
}

// What the process has listed, folder by folder. A listing is used again while the folder's
// change times are those it was read at; during one exported call a folder is checked at most once.
// What the library adds itself goes into the listing, and its new times with it. A name another
// program adds in another case within the same clock tick as one of ours can be missed until the
// folder changes again: the same race as between any look-up and the create that follows it (the
// exact name is always asked of the file system itself, and creates are exclusive).
struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{}, changed{};
    bool operator==(const Stamp& other) const
    {
        return device == other.device && inode == other.inode && modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec && changed.tv_sec == other.changed.tv_sec &&
               changed.tv_nsec == other.changed.tv_nsec;
    }
};

bool StampOf(const std::string& folder, Stamp& stamp)
{
    struct stat info {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    stamp = Stamp{info.st_dev, info.st_ino, info.st_mtim, info.st_ctim};
    return true;
}

struct Kept {
    Stamp stamp;
    Listing listing;
    unsigned long call = 0; // the call that last checked the stamp
    std::chrono::steady_clock::time_point read; // when the folder was last read
    // Where free-name searches stopped, by the name each started from: valid while the folder
    // loses no entry. The library's own removals drop the listing; a listing read again keeps the
    // marks only when no name has gone (every name a search found taken is in it: NoteNameTaken).
    // While the listing is kept unread (below), the marks are as true as it is: a name another
    // program removed within that second may be passed over, a gap in the numbering and never an
    // overwrite, as the listing's own answers past the first questions of a search.
    std::unordered_map<std::string, NameSearchMark> searches;
};

// During an exported call, a folder that another process keeps changing (a second worker writing
// into the same target folders) is read again at most this often; meanwhile its kept listing, with
// what this process adds itself, answers. A name another program adds in another case is seen
// within this time (names are always asked for exactly first, and creates are exclusive). Outside
// a call a changed folder is always read again.
constexpr std::chrono::milliseconds kRereadAfter{1000};

struct FolderCache {
    int depth = 0;
    unsigned long call = 1; // the exported call under way; 0 is never one
    std::map<std::string, Kept> folders; // by folder, as the walk names it ("" for ".")
};

constexpr std::size_t kKeptFolders = 256; // past this many, the kept listings start afresh

FolderCache& Cache()
{
    static FolderCache cache;
    return cache;
}

// The folder's listing when this call has checked it already; nullptr otherwise.
const Listing* CheckedListing(const std::string& folder)
{
    const FolderCache& cache = Cache();
    if (cache.depth == 0)
        return nullptr;
    const auto known = cache.folders.find(folder);
    return known != cache.folders.end() && known->second.call == cache.call ? &known->second.listing : nullptr;
}

const Listing* ListFolder(const std::string& folder)
{
    FolderCache& cache = Cache();
    const auto known = cache.folders.find(folder);
    if (known != cache.folders.end() && cache.depth > 0 && known->second.call == cache.call)
        return &known->second.listing;
    Stamp stamp;
    if (!StampOf(folder, stamp)) {
        if (known != cache.folders.end())
            cache.folders.erase(known);
        return nullptr;
    }
    const auto now = std::chrono::steady_clock::now();
    const bool fresh = cache.depth > 0 && now - (known == cache.folders.end() ? now : known->second.read) < kRereadAfter;
    if (known != cache.folders.end() && (known->second.stamp == stamp || fresh)) {
        known->second.stamp = stamp;
        known->second.call = cache.depth > 0 ? cache.call : 0;
        return &known->second.listing;
    }
    Listing listing;
    if (!ReadFolder(folder, listing))
        return nullptr;
    // Where the searches stopped stays true while the folder has lost none of its names: another
    // worker writing into the same folder only adds to it.
    std::unordered_map<std::string, NameSearchMark> searches;
    if (known != cache.folders.end() &&
        known->second.listing.KeysIn(listing))
        searches = std::move(known->second.searches);
    if (cache.folders.size() >= kKeptFolders)
        cache.folders.clear();
    Kept& kept = cache.folders[folder];
    kept = Kept{stamp, std::move(listing), cache.depth > 0 ? cache.call : 0, now, std::move(searches)};
    return &kept.listing;
}

// The folder and name of a native path, as the walk names the folder.
void SplitNative(const std::string& native, std::string& folder, std::string& name)
{
    const std::size_t slash = native.rfind('/');
    folder = slash == std::string::npos ? std::string() : native.substr(0, slash == 0 ? 1 : slash);
    name = slash == std::string::npos ? native : native.substr(slash + 1);
}

struct DriveMap {
    std::string drives, root; // the variables as last read
    std::string folders[26];
};

// The folder a drive letter stands for ("" when none is mapped).
const std::string& DriveFolder(char letter)
{
    static DriveMap map;
    const char* drives = std::getenv("QTCM_DRIVES");
    const char* root = std::getenv("QTCM_WINDOWS_ROOT");
    const std::string drivesNow = drives ? drives : "", rootNow = root ? root : "";
    if (drivesNow != map.drives || rootNow != map.root) {
        map = DriveMap{drivesNow, rootNow, {}};
        map.folders['C' - 'A'] = rootNow;
        for (std::size_t at = 0; at < drivesNow.size();) {
            std::size_t end = drivesNow.find(';', at);
            if (end == std::string::npos)
                end = drivesNow.size();
            const std::string entry = drivesNow.substr(at, end - at);
            const unsigned char letter0 = entry.empty() ? 0 : UpperByte(static_cast<unsigned char>(entry[0]));
            if (entry.size() > 3 && letter0 >= 'A' && letter0 <= 'Z' && entry.compare(1, 2, ":=") == 0)
                map.folders[letter0 - 'A'] = entry.substr(3);
            at = end + 1;
        }
        for (std::string& folder : map.folders)
            while (folder.size() > 1 && folder.back() == '/')
                folder.pop_back();
    }
    static const std::string none;
    const unsigned char upper = UpperByte(static_cast<unsigned char>(letter));
    return upper >= 'A' && upper <= 'Z' ? map.folders[upper - 'A'] : none;
}

// Slashes for backslashes, and a mapped drive letter for its folder ("C:x" is x at the drive's root).
std::string Slashed(const std::string& path)
{
    std::string native = path;
    for (char& c : native)
        if (c == '\\')
            c = '/';
    if (native.size() >= 2 && native[1] == ':') {
        const std::string& folder = DriveFolder(native[0]);
        if (!folder.empty()) {
            std::string rest = native.substr(2);
            if (rest.empty() || rest[0] != '/')
                rest.insert(rest.begin(), '/');
            native = (folder == "/" ? std::string() : folder) + rest;
        }
    }
    return native;
}

bool Exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}


// The path with each component that is missing under its exact name replaced by its folder's
// entry that equals it ignoring case; from the first component found neither way on, the rest is
// kept as written. The folder is asked first, so a new file in a known folder costs one question.
std::string Resolve(const std::string& native)
{
    std::string folder, name;
    SplitNative(native, folder, name);
    // A folder already checked in this call answers from its listing: a name it holds exactly, or
    // not at all, is the path as written. Only a name it holds in another case is asked for
    // exactly, since the exact one may be there too (two entries differing only in case).
    if (const Listing* checked = CheckedListing(folder); checked && !name.empty() && name != "." && name != "..") {
        const std::string_view entry = checked->Find(name);
        if (entry.empty() || entry == name || Exists(native))
            return native;
        return (folder.empty() ? std::string() : folder == "/" ? folder : folder + "/") + std::string(entry);
    }
    if (Exists(native))
        return native;
    if (name.empty() || folder == native)
        return native;
    if (name == "." || name == "..") {
        // A step that needs no look-up of its own: the folder it steps from is resolved.
        if (folder.empty() || folder == "/")
            return native;
        return Resolve(folder) + "/" + name;
    }
    const Listing* listing = ListFolder(folder);
    if (!listing) {
        // The folder itself is missing under its exact name.
        const std::string resolved = folder.empty() || folder == "/" ? folder : Resolve(folder);
        if (resolved == folder)
            return native;
        folder = resolved;
        const std::string exact = (folder == "/" ? folder : folder + "/") + name;
        if (Exists(exact) || !(listing = ListFolder(folder)))
            return exact;
    }
    const std::string_view found = listing->Find(name);
    const std::string entry = found.empty() ? name : std::string(found);
    return folder.empty() ? entry : (folder == "/" ? folder : folder + "/") + entry;
}

} // namespace

std::string NativePath(const std::string& path)
{
    std::string native = Slashed(path);
    // A folder named with its separator at the end is resolved as the folder itself.
    std::size_t end = native.size();
    while (end > 1 && native[end - 1] == '/')
        --end;
    const std::string trailing = native.substr(end);
    native.resize(end);
    if (native.empty())
        return trailing;
    return Resolve(native) + trailing;
}

void NoteEntryAdded(const std::string& native)
{
    FolderCache& cache = Cache();
    std::string folder, name;
    SplitNative(native, folder, name);
    const auto known = cache.folders.find(folder);
    if (known == cache.folders.end() || name.empty())
        return;
    Stamp stamp;
    if (!StampOf(folder, stamp)) {
        cache.folders.erase(known);
        return;
    }
    known->second.listing.Add(name);
    known->second.stamp = stamp;
}

void NoteEntryRemoved(const std::string& native)
{
    FolderCache& cache = Cache();
    std::string folder, name;
    SplitNative(native, folder, name);
    // Another entry of the same key may remain: the folder is listed again when asked.
    cache.folders.erase(folder);
}

FolderListings::FolderListings() { ++Cache().depth; }

FolderListings::~FolderListings()
{
    FolderCache& cache = Cache();
    if (--cache.depth == 0)
        ++cache.call;
}

unsigned long CurrentCall()
{
    const FolderCache& cache = Cache();
    return cache.depth > 0 ? cache.call : 0;
}

// Every kept listing is checked against its folder's times again before its next use; the folder
// of the file the other library wrote is brought up to date at once, so that a batch of macros
// written into one folder does not list it again for every macro.
void ForgetFolders(const std::string& written)
{
    for (auto& entry : Cache().folders)
        entry.second.call = 0;
    if (written.empty())
        return;
    const std::string native = NativePath(written);
    if (Exists(native))
        NoteEntryAdded(native);
}

namespace {

// The folder as the kept listings name it: native, without a trailing separator, "" for ".".
std::string ListingFolder(const std::string& folder)
{
    std::string native = NativePath(folder.empty() ? std::string(".") : folder);
    while (native.size() > 1 && native.back() == '/')
        native.pop_back();
    return native == "." ? std::string() : native;
}

// The folder's kept listing, checked as every use checks it; nullptr when it cannot be listed.
Kept* KeptFolder(const std::string& folder)
{
    if (!ListFolder(folder))
        return nullptr;
    const auto known = Cache().folders.find(folder);
    return known == Cache().folders.end() ? nullptr : &known->second;
}

} // namespace

// The kept listing answers; it is found again for every name, since looking up a name may list
// other folders and the kept listings may start afresh meanwhile. Within a call that costs no
// question to the file system.
ListedNames::ListedNames(const std::string& folder, const std::string&, const std::string&)
    : m_folder(ListingFolder(folder)), m_listed(ListFolder(m_folder) != nullptr)
{
}

bool ListedNames::Contains(const std::string& name) const
{
    const Listing* listing = ListFolder(m_folder);
    return listing && listing->Contains(name);
}

// Added to the kept listing as it is: the folder's times stay those it was read at, so that what
// else changed in it is still looked for.
void NoteNameTaken(const std::string& folder, const std::string& name)
{
    if (Kept* kept = KeptFolder(ListingFolder(folder)))
        kept->listing.Add(name);
}

bool RecallNameSearch(const std::string& folder, const std::string& first, NameSearchMark& mark)
{
    const Kept* kept = KeptFolder(ListingFolder(folder));
    if (!kept)
        return false;
    const auto found = kept->searches.find(first);
    if (found == kept->searches.end())
        return false;
    mark = found->second;
    return true;
}

void RememberNameSearch(const std::string& folder, const std::string& first, const NameSearchMark& mark)
{
    if (Kept* kept = KeptFolder(ListingFolder(folder)))
        kept->searches[first] = mark;
}

std::string FileNameKey(const std::string& name) { return NameKeyOf(name); }

} // namespace platform
