#include "platform/emulated/IniFile.h"

#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/Notice.h"
#include "platform/emulated/IniDocument.h"

#include <unordered_map>

namespace platform {

namespace {

struct HeldFile {
    std::string path; // as first given
    IniDocument document;
    bool exists = false;   // on disk when it was first used
    bool readable = false; // and could be read
    int writable = -1;     // a write may go ahead (a readable file that may be written, or a new
                           // one in a folder that exists); -1 until a write asks
    bool edited = false;
    bool fresh = false;    // created empty in this batch: written in place, once, at its end
    std::string initial;   // and its first content
};

struct Keeper {
    int depth = 0;
    std::unordered_map<std::string, HeldFile> files; // by path, with '/' for either separator
    HeldFile* last = nullptr;                        // the file used last, asked for by the same path
};

Keeper& TheKeeper()
{
    static Keeper keeper;
    return keeper;
}

std::string KeyOfPath(std::string path)
{
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

HeldFile Load(const std::string& path)
{
    HeldFile held;
    held.path = path;
    std::string content;
    held.readable = ReadWholeFile(path, content);
    held.exists = held.readable || PathExists(path);
    if (held.readable)
        held.document.Parse(content);
    return held;
}

bool MayWrite(HeldFile& held)
{
    if (held.writable < 0) {
        bool may = false;
        if (held.readable) {
            may = CanWrite(held.path);
        } else if (!held.exists) {
            // A new file needs its folder (the current one when the path names none).
            const std::string folder = FolderOf(held.path);
            may = folder.empty() || PathExists(folder);
        }
        held.writable = may ? 1 : 0;
    }
    return held.writable > 0;
}

// The copy of a file that this batch keeps; outside a batch, scratch is loaded and used once.
HeldFile& Use(const std::string& path, HeldFile& scratch)
{
    Keeper& keeper = TheKeeper();
    if (keeper.depth == 0) {
        scratch = Load(path);
        return scratch;
    }
    if (keeper.last && keeper.last->path == path)
        return *keeper.last; // a converter writes key after key into one file
    const std::string key = KeyOfPath(path);
    auto found = keeper.files.find(key);
    if (found == keeper.files.end())
        found = keeper.files.emplace(key, Load(path)).first;
    keeper.last = &found->second;
    return found->second;
}

bool WriteWhole(const std::string& path, const std::string& content, FileError& error)
{
    File file;
    if (!file.Open(path, OpenMode::BinaryCreate, false, error))
        return false;
    try {
        file.WriteString(content);
        file.Close();
        return true;
    } catch (const FileException& failure) {
        error = failure.Error();
        return false;
    }
}

// A file made empty in this batch gets its bytes where it is, in one write. When that fails (a
// full disk), the file is left as the one write per key would have left it at the least: its first
// content; and when even that cannot be written, it is removed rather than left half-written.
bool FillNewFile(const HeldFile& held, const std::string& content, FileError& error)
{
    if (WriteWhole(held.path, content, error))
        return true;
    FileError ignored;
    if (!WriteWhole(held.path, held.initial, ignored))
        RemoveFile(held.path);
    return false;
}

bool Store(HeldFile& held, bool notify)
{
    held.edited = false;
    FileError error;
    const std::string content = held.document.Serialize();
    if (held.fresh ? FillNewFile(held, content, error) : ReplaceFileContent(held.path, content, error))
        return true;
    if (notify)
        ShowFileError(error);
    return false;
}

} // namespace

std::string IniReadValue(const std::string& section, const std::string& key, const std::string& defaultValue,
                         const std::string& path, std::size_t bufferSize)
{
    if (bufferSize == 0)
        return {};
    HeldFile scratch;
    const HeldFile& held = Use(path, scratch);
    std::string value;
    if (!held.readable || !held.document.Find(section, key, value)) {
        std::string result = defaultValue;
        while (!result.empty() && result.back() == ' ')
            result.pop_back(); // the Windows function strips the default's trailing blanks
        return result.substr(0, bufferSize - 1);
    }
    // The value is cut to the buffer after its opening quote is dropped; the closing quote goes
    // when the buffer could hold the rest of the value, whether or not the cut reached it.
    const bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
    const std::string rest = quoted ? value.substr(1) : value;
    std::string result = rest.substr(0, bufferSize - 1);
    if (quoted && bufferSize >= rest.size() && !result.empty())
        result.pop_back();
    return result;
}

bool IniWriteValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& path)
{
    HeldFile scratch;
    HeldFile& held = Use(path, scratch);
    // A missing file is created; one that exists but cannot be read, or is read-only, is left alone.
    if (!MayWrite(held))
        return false;
    held.document.Write(section, key, value, kLineEnd);
    held.edited = held.exists = held.readable = true; // a new file exists from its first key on
    if (TheKeeper().depth == 0)
        return Store(held, false);
    return true;
}

namespace {

// Writes the edited files and forgets them; the files begun in the batch stay unless it ends.
void WriteHeld(bool ending)
{
    Keeper& keeper = TheKeeper();
    std::unordered_map<std::string, HeldFile> files;
    files.swap(keeper.files); // forgotten even when a notice below throws
    keeper.last = nullptr;
    for (auto& entry : files) {
        if (entry.second.fresh && !ending)
            keeper.files.insert(std::move(entry));
        else if (entry.second.edited)
            Store(entry.second, true);
    }
}

} // namespace

void IniBeginBatch() { ++TheKeeper().depth; }

void IniEndBatch()
{
    Keeper& keeper = TheKeeper();
    if (keeper.depth > 0 && --keeper.depth == 0)
        WriteHeld(true);
}

void IniFlush() { WriteHeld(false); }

bool IniBeginNewFile(const std::string& path, const std::string& content)
{
    Keeper& keeper = TheKeeper();
    if (keeper.depth == 0)
        return false;
    HeldFile held;
    held.path = path;
    held.document.Parse(content);
    held.initial = content;
    held.exists = held.readable = held.edited = held.fresh = true;
    held.writable = 1;
    keeper.files[KeyOfPath(path)] = std::move(held);
    keeper.last = nullptr;
    return true;
}

} // namespace platform
