#pragma once
// One source translated through the library, the same way for migrate, plan and the worker
// processes: in its own folder as the working folder, with the notices and report lines the library
// tells meanwhile, and every file it created or changed in the target folders.
#include "HostPlatform.h"
#include "Library.h"
#include "RunRecord.h"
#include "Sources.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The library only appends to the report: it must exist and take more text. Also used for any file
// qtcm writes for the user (the map of created files): create makes it when missing.
bool PrepareOutputFile(const std::string& what, const std::string& path, bool create, std::string& error);

// The name a source's session file starts from: the source's name with ".TDP".
std::string SessionName(const std::string& source);

// What folders hold at one moment: each regular file's size and time of change.
class FolderSnapshot {
public:
    void Take(const std::vector<std::string>& folders);
    // The files new here or changed since before, as whole paths, folder by folder and by name.
    std::vector<std::string> ChangedSince(const FolderSnapshot& before) const;
    // The name of the file in folder that equals name ignoring case; "" when there is none.
    std::string Find(const std::string& folder, const std::string& name) const;
    // Looks at one file of the folder at position again; true when it is new or changed, and then
    // its whole path in path. A file that is gone is forgotten.
    bool Refresh(std::size_t position, const std::string& name, std::string& path);

private:
    struct Stamp {
        std::uint64_t size = 0;
        std::int64_t modified = 0;
    };
    std::vector<std::pair<std::string, std::map<std::string, Stamp>>> m_folders;
};

// The folders the library writes into: the session folder first, then the others (each once).
struct TargetFolders {
    std::string sessions, schemes, macros;
    std::vector<std::string> Distinct() const;
};

class SourceTranslator {
public:
    // report: the file the library appends to. skipExisting: a source whose session file name is
    // already taken in the session folder is skipped instead of translated under a free name.
    SourceTranslator(const QtcmLibrary& library, std::string report, TargetFolders folders, bool skipExisting);

    // A source that is not taken is recorded as left out with its refusal.
    SourceRecord Translate(const Source& source);

    // Where the last translation's section of the report starts and ends, in bytes.
    std::uintmax_t SectionBegin() const { return m_sectionBegin; }
    std::uintmax_t SectionEnd() const { return m_sectionEnd; }

private:
    const QtcmLibrary& m_library;
    std::string m_report;
    TargetFolders m_folders;
    std::vector<std::string> m_watched;
    bool m_skipExisting;
    FolderSnapshot m_last; // what the folders held after the last translation
    bool m_listed = false;
    host::FolderWatch m_watch; // which names were written, where the system tells
    bool m_watching = false;
    std::uintmax_t m_sectionBegin = 0, m_sectionEnd = 0;
};

// The sources the operands name, each judged by the library as check judges it; what the folder
// walk has to say printed as warnings.
SourceList CollectSessions(const QtcmLibrary& library, const std::vector<std::string>& operands);
// How many of them are to be translated.
std::size_t TakenCount(const SourceList& list);
// Every source translated in this process, in order, with a progress bar; each record is shown
// (after adjust, when given) and kept in run.
void TranslateAll(SourceTranslator& translator, const SourceList& list, RunRecord& run,
                  void (*show)(const SourceRecord&), const std::function<void(SourceRecord&)>& adjust = {});
