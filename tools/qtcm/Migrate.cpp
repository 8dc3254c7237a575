// qtcm migrate: every file named, and every QIM! session file in every folder named, translated
// through the library, with what became of each and a summary.
#include "Commands.h"

#include "Desk.h"
#include "HostPlatform.h"
#include "Progress.h"
#include "Sources.h"
#include "Summary.h"
#include "SummaryRecord.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBuffer = 260; // the interface's buffer size

struct Outcome {
    bool translated = false;
    std::string output;
    unsigned unconverted = 0, unrecognized = 0;
    std::string reason;                 // why it was not translated
    std::vector<std::string> notices;   // what the library showed meanwhile
};

struct Totals {
    std::size_t translated = 0, withWarnings = 0;
    unsigned unconverted = 0, unrecognized = 0;
};

// The library only appends to the report: it must exist and take more text.
bool PrepareReport(const std::string& report, std::string& error)
{
    std::error_code code;
    const fs::path folder = fs::path(report).parent_path();
    const fs::file_status status = fs::status(report, code);
    constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (fs::is_directory(status))
        error = "the report " + report + " is a folder";
    else if (fs::exists(status) && (status.permissions() & kWrite) == fs::perms::none)
        // Read-only for everyone: refused even where the user could write anyway (root), as
        // Windows refuses a file marked read-only.
        error = "the report " + report + " is read-only";
    else if (!folder.empty() && !fs::is_directory(folder, code))
        error = "the report's folder " + folder.string() + " does not exist";
    else if (std::ofstream(report, std::ios::app))
        return true;
    else
        error = "the report " + report + " cannot be written: " + std::strerror(errno);
    return false;
}

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

Outcome TranslateOne(const QtcmLibrary& library, const std::string& source, const std::string& report,
                     const std::string& sessionFolder)
{
    Outcome outcome;
    outcome.reason = UnreadableReason(source);
    if (!outcome.reason.empty())
        return outcome;
    const std::uintmax_t reportBefore = SizeOf(report);
    const OutputPathFinder finder(sessionFolder, source);
    char output[kBuffer] = "";
    std::error_code code;
    const std::string whole = fs::absolute(source, code).string();
    {
        const WorkingFolderOf folder(whole);
        library.doTranslate(whole.c_str(), report.c_str(), output, &outcome.unconverted, &outcome.unrecognized);
    }
    outcome.notices = TakeNotices();
    outcome.output = finder.Complete(output);
    outcome.translated = !outcome.output.empty() && fs::is_regular_file(outcome.output, code) &&
                         ReportSectionWritten(report, reportBefore);
    if (!outcome.translated) {
        outcome.reason = NotTranslatableReason(source);
        if (outcome.reason.empty() && outcome.notices.empty())
            outcome.reason = "the library gave no session file";
        // A run that stopped after creating the session file leaves it unfinished: say where.
        if (!outcome.output.empty() && fs::exists(outcome.output, code))
            outcome.reason += (outcome.reason.empty() ? "" : "; ") + ("stopped after creating " + outcome.output);
    }
    return outcome;
}

void PrintOutcome(const std::string& source, const Outcome& outcome, Totals& totals)
{
    std::printf("%s\n", source.c_str());
    if (outcome.translated) {
        ++totals.translated;
        totals.withWarnings += outcome.notices.empty() ? 0 : 1;
        totals.unconverted += outcome.unconverted;
        totals.unrecognized += outcome.unrecognized;
        std::printf("  -> %s\n     %u unconverted, %u unrecognized\n", outcome.output.c_str(), outcome.unconverted,
                    outcome.unrecognized);
    } else {
        std::printf("  -> not translated%s%s\n", outcome.reason.empty() ? "" : ": ", outcome.reason.c_str());
    }
    for (const std::string& notice : outcome.notices)
        std::printf("     %s%s\n", outcome.translated ? "warning: " : "", notice.c_str());
    std::fflush(stdout);
}

// The run record's entry for one source: what its translation came to (a source left out has only
// its reason), the report lines the library told meanwhile and the files it created.
void RecordOutcome(RunRecord& run, const std::string& source, const Outcome& outcome, const OutputFolders& folders,
                   SourceRecord::State otherwise = SourceRecord::State::NotTranslated)
{
    SourceRecord& record = run.sources.emplace_back();
    record.source = source;
    record.state = outcome.translated ? SourceRecord::State::Translated : otherwise;
    record.reason = outcome.reason;
    record.sessionFile = outcome.output;
    record.unconverted = outcome.unconverted;
    record.unrecognized = outcome.unrecognized;
    record.notices = outcome.notices;
    record.lines = TakeReportLines();
    record.created = CreatedFiles(outcome.output, folders);
}

// Every TORQA! directory must be known before anything is written; the QIM! one only serves the
// sessions' relative macro paths, so its absence is a warning.
bool CheckDirectories(const QtcmLibrary& library, const Options& options, std::string& sessionFolder)
{
    bool ready = true;
    if (const std::string why = MissingInstallation(); !why.empty()) {
        std::fprintf(stderr, "qtcm: %s\n", why.c_str());
        ready = false;
    }
    for (unsigned index = 0; index < 4; ++index) {
        if (Directory(library, options, index).empty()) {
            std::fprintf(stderr, "qtcm: %s%s\n", index == 0 ? "warning: " : "", MissingDirectory(index).c_str());
            ready = ready && index == 0;
        }
    }
    sessionFolder = Directory(library, options, 1);
    return ready;
}

} // namespace

int MigrateCommand(const Options& options, const char* hostPath)
{
    QtcmLibrary library;
    if (const int status = OpenDesk(options, hostPath, library))
        return status;
    std::string sessionFolder, error;
    if (!CheckDirectories(library, options, sessionFolder))
        return 2;
    std::error_code code;
    const std::string report = fs::absolute(options.report.empty() ? DefaultReport(options) : options.report, code).string();
    if (!PrepareReport(report, error) || !SummaryFilesWritable(options, error)) {
        std::fprintf(stderr, "qtcm: %s\n", error.c_str());
        return 2;
    }

    const SourceList sources = CollectSources(options.files, [&](const std::string& path) {
        const bool session = library.isValidFile(path.c_str());
        TakeNotices();
        return session;
    });
    for (const std::string& warning : sources.warnings)
        std::fprintf(stderr, "qtcm: warning: %s\n", warning.c_str());
    const std::size_t count = static_cast<std::size_t>(
        std::count_if(sources.sources.begin(), sources.sources.end(), [](const Source& s) { return s.Taken(); }));

    RunRecord run = StartRunRecord("migrate", options, report);
    const OutputFolders folders{Directory(library, options, 2), Directory(library, options, 3)};
    HearReportLines(library);
    const auto start = std::chrono::steady_clock::now();
    Totals totals;
    std::size_t leftOut = 0;
    {
        Progress progress(count, host::StderrIsTerminal());
        std::size_t done = 0;
        for (const Source& source : sources.sources) {
            if (!source.Taken()) {
                // Found in a folder and refused as check refuses it: said, never passed over in silence.
                ++leftOut;
                std::printf("%s\n  -> left out: %s\n", source.path.c_str(), source.refusal.c_str());
                Outcome refused;
                refused.reason = source.refusal;
                RecordOutcome(run, source.path, refused, folders, SourceRecord::State::LeftOut);
                continue;
            }
            progress.Show(done++, source.path);
            Outcome outcome = TranslateOne(library, source.path, report, sessionFolder);
            if (outcome.translated && !source.refusal.empty())
                outcome.notices.insert(outcome.notices.begin(),
                                       "qtcm check refuses this file (" + source.refusal +
                                           "); it was translated all the same, as the library checks only its "
                                           "first bytes");
            progress.Clear();
            PrintOutcome(source.path, outcome, totals);
            RecordOutcome(run, source.path, outcome, folders);
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.ended = LocalTimeIso8601();
    PrintSummary(run, stdout);
    if (count > 0)
        std::printf("Time: %s (%.1f files/s)\n", Progress::Duration(seconds).c_str(),
                    static_cast<double>(count) / (seconds > 0 ? seconds : 1e-9));
    std::printf("Report: %s\n", report.c_str());
    const bool summarized = WriteRequestedSummaries(run, options);
    return count > 0 && totals.translated == count && leftOut == 0 && summarized ? 0 : 1;
}
