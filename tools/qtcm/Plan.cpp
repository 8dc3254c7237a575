// qtcm plan: what migrate would create, and where, and what it would not carry over. The sources are
// walked as migrate walks them and translated into a scratch copy of the target folders (what is
// there already is copied, so the free names come out as migrate would give them), with a scratch
// report and a temporary folder of their own: nothing on the desk changes.
#include "Commands.h"

#include "Desk.h"
#include "DeskChecks.h"
#include "HostPlatform.h"
#include "Progress.h"
#include "RunOutput.h"
#include "SummaryFiles.h"
#include "Translation.h"
#include "Workers.h"
#include "platform/FileSystem.h"
#include "platform/AsciiCase.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// What a created file is, by its extension.
const char* KindOf(const std::string& path)
{
    const std::string extension = FoldCase(platform::SplitPath(path).extension);
    const struct {
        const char* extension;
        const char* kind;
    } kinds[] = {{".tdp", "session file"}, {".tkm", "key map"},       {".tqp", "QuickPad"},
                 {".ttb", "toolbar"},      {".cmu", "menu document"}, {".tbm", "macro"}};
    for (const auto& row : kinds)
        if (extension == row.extension)
            return row.kind;
    return "file";
}

// The scratch folders stand in for the real ones; what is said of them is said of the real ones.
class ScratchTargets {
public:
    // Makes a scratch twin of each distinct real folder, holding copies of its files.
    bool Make(const std::string& scratch, const TargetFolders& real, std::string& error)
    {
        for (const std::string& folder : real.Distinct()) {
            const std::string twin = (fs::path(scratch) / ("target" + std::to_string(m_pairs.size() + 1))).string();
            std::error_code code;
            fs::create_directory(twin, code);
            const std::string local = platform::LocalName(folder);
            for (fs::directory_iterator it(local, code), end; !code && it != end; it.increment(code)) {
                std::error_code copyCode;
                if (it->is_regular_file(copyCode))
                    fs::copy_file(it->path(), fs::path(twin) / it->path().filename(), copyCode);
                if (copyCode) {
                    code = copyCode;
                    break;
                }
            }
            if (code) {
                error = "cannot copy " + local + " into the scratch folder " + twin + ": " + code.message();
                return false;
            }
            m_pairs.emplace_back(local, twin);
        }
        auto twin = [&](const std::string& folder) {
            for (const auto& [local, scratchTwin] : m_pairs)
                if (local == platform::LocalName(folder))
                    return scratchTwin;
            return std::string();
        };
        m_scratch = {twin(real.sessions), twin(real.schemes), twin(real.macros)};
        return true;
    }

    const TargetFolders& Folders() const { return m_scratch; }

    std::string Real(const std::string& text) const
    {
        std::string result = text;
        for (const auto& [local, twin] : m_pairs)
            for (std::size_t at; (at = result.find(twin)) != std::string::npos;)
                result.replace(at, twin.size(), local);
        return result;
    }

    void ToReal(SourceRecord& record) const
    {
        record.sessionFile = Real(record.sessionFile);
        record.reason = Real(record.reason);
        for (std::string& file : record.created)
            file = Real(file);
        for (std::string& notice : record.notices)
            notice = Real(notice);
        for (ReportLine& line : record.lines)
            line.text = Real(line.text);
    }

private:
    std::vector<std::pair<std::string, std::string>> m_pairs; // real folder, its scratch twin
    TargetFolders m_scratch;
};

void PrintPlan(const SourceRecord& record)
{
    if (record.state != SourceRecord::State::Translated) {
        PrintRecord(record);
        return;
    }
    std::printf("%s\n", record.source.c_str());
    for (const std::string& file : record.created) {
        std::error_code code;
        std::printf("  %-14s %s (%s)\n", fs::exists(file, code) ? "would replace" : "would create", file.c_str(),
                    KindOf(file));
    }
    if (!record.lines.empty())
        std::printf("  not carried over: %u unconverted, %u unrecognized properties\n", record.unconverted,
                    record.unrecognized);
    for (const ReportLine& line : record.lines) {
        std::string text = line.text;
        std::replace(text.begin(), text.end(), '\t', ' ');
        std::printf("     %s: %s\n", line.group.c_str(), text.c_str());
    }
    for (const std::string& notice : record.notices)
        std::printf("     warning: %s\n", notice.c_str());
    std::fflush(stdout);
}

} // namespace

int PlanCommand(const Options& options, const char* hostPath)
{
    QtcmLibrary library;
    if (const int status = OpenDesk(options, hostPath, library))
        return status;
    if (!DeskReady(library, options))
        return 2;
    std::string error;
    if (!SummaryFilesWritable(options, error)) {
        std::fprintf(stderr, "qtcm: %s\n", error.c_str());
        return 2;
    }
    const std::string scratch = MakeScratchFolder(error);
    ScratchTargets targets;
    const TargetFolders real{Directory(library, options, 1), Directory(library, options, 2),
                             Directory(library, options, 3)};
    if (scratch.empty() || !targets.Make(scratch, real, error)) {
        std::fprintf(stderr, "qtcm: %s\n", error.c_str());
        RemoveFolder(scratch);
        return 2;
    }
    // The macro translator's report, under its fixed name, goes to a temporary folder of the plan's.
    const std::string temporary = (fs::path(scratch) / "tmp").string();
    std::error_code code;
    fs::create_directory(temporary, code);
    for (const auto& [name, value] : TemporaryFolderVariables(temporary))
        host::SetEnvironment(name.c_str(), value);
    library.setDirPath(1, targets.Folders().sessions.c_str());
    library.setDirPath(2, targets.Folders().schemes.c_str());
    library.setDirPath(3, targets.Folders().macros.c_str());
    const std::string report = (fs::path(scratch) / "report.txt").string();
    std::ofstream(report, std::ios::binary).flush();

    const SourceList list = CollectSessions(library, options.files);
    RunRecord run = StartRun("plan", options);
    run.desk = DeskDescription(options);
    const auto start = std::chrono::steady_clock::now();
    {
        SourceTranslator translator(library, report, targets.Folders(), options.skipExisting);
        TranslateAll(translator, list, run, &PrintPlan, [&](SourceRecord& record) { targets.ToReal(record); });
    }
    run.ended = LocalTimeNow();
    PrintTotals(run, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), false);
    std::printf("Nothing was written: this was a plan.\n");
    const bool summaries = EndOfRun(run, options);
    RemoveFolder(scratch);
    return summaries ? RunStatus(run) : 1;
}
