#include "Translation.h"

#include "Desk.h"
#include "HostPlatform.h"
#include "Progress.h"
#include "platform/FileSystem.h"
#include "platform/AsciiCase.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBuffer = 260; // the interface's buffer size

std::uintmax_t SizeOf(const std::string& path)
{
    std::error_code code;
    const std::uintmax_t size = fs::file_size(path, code);
    return code ? 0 : size;
}

// A run wrote its report section when the section's totals came after what was there before.
bool ReportSectionWritten(const std::string& report, std::uintmax_t before)
{
    std::ifstream in(report, std::ios::binary);
    if (!in.seekg(static_cast<std::streamoff>(before)))
        return false;
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("Number of unrecognized properties: ", 0) == 0)
            return true;
    return false;
}

// The library hands the session file's path back in a buffer of 260 bytes, so a longer path comes
// back cut short. The host knows the folder and the name the file is made from: the file is the
// one that was not there before and begins with what came back.
class OutputPathFinder {
public:
    OutputPathFinder(const std::string& folder, const std::string& source) : m_folder(folder)
    {
        if (!platform::EndsWithSeparator(m_folder))
            m_folder.push_back(platform::kPathSeparator);
        m_stem = platform::SplitPath(source).name;
        m_watch = m_folder.size() + m_stem.size() + 4 >= kBuffer - 1;
        if (m_watch)
            m_before = Candidates();
    }

    std::string Complete(const std::string& returned) const
    {
        if (!m_watch || returned.size() < kBuffer - 1)
            return returned;
        for (const std::string& path : Candidates())
            if (!m_before.count(path) && path.rfind(returned, 0) == 0)
                return path;
        return returned + "... (cut at " + std::to_string(kBuffer - 1) + " bytes)";
    }

private:
    std::set<std::string> Candidates() const
    {
        std::set<std::string> paths;
        std::error_code code;
        for (fs::directory_iterator it(m_folder, code), end; !code && it != end; it.increment(code)) {
            const std::string name = it->path().filename().string();
            if (name.rfind(m_stem, 0) == 0)
                paths.insert(m_folder + name);
        }
        return paths;
    }

    std::string m_folder, m_stem;
    bool m_watch = false;
    std::set<std::string> m_before;
};

// A session's relative macro paths ("..\Macros\Logon.qtm") lead from its own folder: each
// translation runs there, wherever qtcm was started, and the paths it is given are whole.
class WorkingFolderOf {
public:
    explicit WorkingFolderOf(const std::string& source)
    {
        std::error_code code;
        m_before = fs::current_path(code);
        if (!code)
            fs::current_path(fs::absolute(source, code).parent_path(), code);
        m_moved = !code;
    }
    ~WorkingFolderOf()
    {
        std::error_code code;
        if (m_moved)
            fs::current_path(m_before, code);
    }
    WorkingFolderOf(const WorkingFolderOf&) = delete;
    WorkingFolderOf& operator=(const WorkingFolderOf&) = delete;

private:
    fs::path m_before;
    bool m_moved = false;
};

std::string JoinPath(const std::string& folder, const std::string& name)
{
    return platform::EndsWithSeparator(folder) ? folder + name : folder + platform::kPathSeparator + name;
}

// The report lines the library tells during one translation, without their line ends.
void CollectLine(const char* group, const char* line, void* context)
{
    std::string text = line ? line : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    static_cast<std::vector<ReportLine>*>(context)->push_back({group ? group : "", text});
}

std::vector<ReportLine> g_lines;

} // namespace

bool PrepareOutputFile(const std::string& what, const std::string& path, bool create, std::string& error)
{
    std::error_code code;
    const fs::path folder = fs::path(path).parent_path();
    const fs::file_status status = fs::status(path, code);
    constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (fs::is_directory(status))
        error = what + " " + path + " is a folder";
    else if (fs::exists(status) && (status.permissions() & kWrite) == fs::perms::none)
        // Read-only for everyone: refused even where the user could write anyway (root), as
        // Windows refuses a file marked read-only.
        error = what + " " + path + " is read-only";
    else if (!folder.empty() && !fs::is_directory(folder, code))
        error = what + "'s folder " + folder.string() + " does not exist";
    else if (!create && !fs::exists(status) && platform::CanWrite(folder.empty() ? "." : folder.string()))
        return true;
    else if (std::ofstream(path, std::ios::app))
        return true;
    else
        error = what + " " + path + " cannot be written: " + std::strerror(errno);
    return false;
}

std::string SessionName(const std::string& source) { return platform::SplitPath(source).name + ".TDP"; }

void FolderSnapshot::Take(const std::vector<std::string>& folders)
{
    m_folders.clear();
    for (const std::string& folder : folders) {
        std::vector<host::FileStamp> files;
        host::ListFiles(folder, files);
        auto& listing = m_folders.emplace_back(folder, std::map<std::string, Stamp>()).second;
        for (host::FileStamp& file : files)
            listing.emplace(std::move(file.name), Stamp{file.size, file.modified});
    }
}

std::vector<std::string> FolderSnapshot::ChangedSince(const FolderSnapshot& before) const
{
    std::vector<std::string> changed;
    for (const auto& [folder, files] : m_folders) {
        const std::map<std::string, Stamp>* earlier = nullptr;
        for (const auto& [otherFolder, otherFiles] : before.m_folders)
            if (otherFolder == folder)
                earlier = &otherFiles;
        for (const auto& [name, stamp] : files) {
            const auto was = earlier ? earlier->find(name) : files.end();
            if (!earlier || was == earlier->end() || was->second.size != stamp.size ||
                was->second.modified != stamp.modified)
                changed.push_back(JoinPath(folder, name));
        }
    }
    return changed;
}

std::string FolderSnapshot::Find(const std::string& folder, const std::string& name) const
{
    for (const auto& [listed, files] : m_folders)
        if (listed == folder)
            for (const auto& entry : files)
                if (EqualsNoCase(entry.first, name))
                    return entry.first;
    return {};
}

bool FolderSnapshot::Refresh(std::size_t position, const std::string& name, std::string& path)
{
    if (position >= m_folders.size())
        return false;
    auto& [folder, files] = m_folders[position];
    path = JoinPath(folder, name);
    host::FileStamp stamp;
    if (!host::StampFile(path, stamp)) {
        files.erase(name);
        return false;
    }
    const auto [entry, added] = files.emplace(name, Stamp{stamp.size, stamp.modified});
    if (added)
        return true;
    const bool changed = entry->second.size != stamp.size || entry->second.modified != stamp.modified;
    entry->second = Stamp{stamp.size, stamp.modified};
    return changed;
}

std::vector<std::string> TargetFolders::Distinct() const
{
    std::vector<std::string> folders;
    for (const std::string& folder : {sessions, schemes, macros})
        if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    return folders;
}

SourceTranslator::SourceTranslator(const QtcmLibrary& library, std::string report, TargetFolders folders,
                                   bool skipExisting)
    : m_library(library), m_report(std::move(report)), m_folders(std::move(folders)), m_skipExisting(skipExisting)
{
    for (std::string* folder : {&m_folders.sessions, &m_folders.schemes, &m_folders.macros})
        if (!folder->empty())
            *folder = platform::LocalName(*folder);
    m_watched = m_folders.Distinct();
    m_library.setReportLineHandler(&CollectLine, &g_lines);
}

SourceRecord SourceTranslator::Translate(const Source& source)
{
    SourceRecord record;
    record.source = source.path;
    m_sectionBegin = m_sectionEnd = SizeOf(m_report);
    if (!source.Taken()) {
        record.state = SourceRecord::State::LeftOut;
        record.reason = source.refusal;
        return record;
    }
    std::vector<std::pair<std::size_t, std::string>> written;
    if (!m_listed) {
        // Watched from before the first listing on, so that nothing written after it is missed.
        m_watching = m_watch.Watch(m_watched);
        m_last.Take(m_watched);
        m_listed = true;
    } else if (m_watching) {
        // What others wrote since (another worker) is no part of this source's files.
        std::string path;
        if (!m_watch.Take(written))
            m_last.Take(m_watched);
        for (const auto& [position, name] : written)
            m_last.Refresh(position, name, path);
    }
    // Otherwise nothing else writes there between two translations of this process (another
    // worker's files that come up are sorted out by the process that joins the results), and the
    // listing after one translation is the listing before the next.
    if (m_skipExisting) {
        const std::string taken = m_last.Find(m_folders.sessions, SessionName(source.path));
        if (!taken.empty()) {
            record.state = SourceRecord::State::Skipped;
            record.reason = "its session file " + taken + " is already in " + m_folders.sessions;
            return record;
        }
    }
    record.reason = UnreadableReason(source.path);
    if (!record.reason.empty())
        return record;

    const OutputPathFinder finder(m_folders.sessions, source.path);
    char output[kBuffer] = "";
    std::error_code code;
    const std::string whole = fs::absolute(source.path, code).string();
    g_lines.clear();
    {
        const WorkingFolderOf folder(whole);
        m_library.doTranslate(whole.c_str(), m_report.c_str(), output, &record.unconverted, &record.unrecognized);
    }
    record.notices = TakeNotices();
    record.lines.swap(g_lines);
    m_sectionEnd = SizeOf(m_report);
    record.sessionFile = finder.Complete(output);
    // As this system names the file (a copied disk's C:\... is a folder here).
    if (!record.sessionFile.empty() && record.sessionFile.find("... (cut at") == std::string::npos)
        record.sessionFile = platform::LocalName(record.sessionFile);

    written.clear();
    if (m_watching && m_watch.Take(written)) {
        // Only the names written are looked at again, in the order a listing gives them.
        std::sort(written.begin(), written.end());
        written.erase(std::unique(written.begin(), written.end()), written.end());
        for (const auto& [position, name] : written)
            if (std::string path; m_last.Refresh(position, name, path) && path != m_report)
                record.created.push_back(std::move(path));
    } else {
        FolderSnapshot after;
        after.Take(m_watched);
        for (std::string& path : after.ChangedSince(m_last))
            if (path != m_report)
                record.created.push_back(std::move(path));
        m_last = std::move(after);
    }
    // The session file first, then the others as the folders list them.
    const auto session = std::find(record.created.begin(), record.created.end(), record.sessionFile);
    if (session != record.created.end())
        std::rotate(record.created.begin(), session, session + 1);

    const bool translated = !record.sessionFile.empty() && fs::is_regular_file(record.sessionFile, code) &&
                            ReportSectionWritten(m_report, m_sectionBegin);
    if (translated) {
        record.state = SourceRecord::State::Translated;
        if (!source.refusal.empty())
            record.notices.insert(record.notices.begin(),
                                  "qtcm check refuses this file (" + source.refusal +
                                      "); it was translated all the same, as the library checks only its first bytes");
        return record;
    }
    record.reason = NotTranslatableReason(source.path);
    if (record.reason.empty() && record.notices.empty())
        record.reason = "the library gave no session file";
    // A run that stopped after creating the session file leaves it unfinished: say where.
    if (!record.sessionFile.empty() && fs::exists(record.sessionFile, code))
        record.reason += (record.reason.empty() ? "" : "; ") + ("stopped after creating " + record.sessionFile);
    return record;
}

SourceList CollectSessions(const QtcmLibrary& library, const std::vector<std::string>& operands)
{
    const SourceList list = CollectSources(operands, [&](const std::string& path) {
        const bool session = library.isValidFile(path.c_str());
        TakeNotices();
        return session;
    });
    for (const std::string& warning : list.warnings)
        std::fprintf(stderr, "qtcm: warning: %s\n", warning.c_str());
    return list;
}

std::size_t TakenCount(const SourceList& list)
{
    return static_cast<std::size_t>(
        std::count_if(list.sources.begin(), list.sources.end(), [](const Source& s) { return s.Taken(); }));
}

void TranslateAll(SourceTranslator& translator, const SourceList& list, RunRecord& run,
                  void (*show)(const SourceRecord&), const std::function<void(SourceRecord&)>& adjust)
{
    Progress progress(TakenCount(list), host::StderrIsTerminal());
    std::size_t done = 0;
    for (const Source& source : list.sources) {
        if (source.Taken())
            progress.Show(done++, source.path);
        SourceRecord record = translator.Translate(source);
        if (adjust)
            adjust(record);
        progress.Clear();
        show(record);
        run.sources.push_back(std::move(record));
    }
}
