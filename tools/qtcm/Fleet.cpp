#include "Fleet.h"

#include "Csv.h"
#include "HostPlatform.h"
#include "Progress.h"
#include "RunOutput.h"
#include "SummaryFiles.h"
#include "Translation.h"
#include "Workers.h"
#include "platform/AsciiCase.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr unsigned kPollMilliseconds = 20;
const char* const kColumns[] = {"name",  "registry", "windows_root", "user",   "qim_sessions",
                                "sessions", "schemes", "macros",       "output", "sources"};
const char* const kDirectoryOptions[4] = {"--qim-sessions", "--sessions", "--schemes", "--macros"};
const char* const kOutputFolders[4] = {"", "Sessions", "Schemes", "Macros"};

std::vector<std::string> SplitList(const std::string& text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        const std::string item = TrimBlanks(text.substr(start, end - start));
        if (!item.empty())
            items.push_back(item);
        start = end + 1;
    }
    return items;
}

// A path in the list leads from the list's own folder, wherever qtcm is started.
std::string Whole(const fs::path& base, const std::string& path)
{
    if (path.empty())
        return path;
    const fs::path given = path;
    return (given.is_absolute() ? given : base / given).lexically_normal().string();
}

bool FileNameSafe(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:*?\"<>|") == std::string::npos;
}

struct DeskRun {
    DeskRow row;
    std::string report;
    WorkerProcess worker;
    bool started = false, finished = false, headed = false;
    std::string problem; // why it could not be started
    std::vector<WorkerResult> results;
    std::size_t printed = 0;
    std::size_t count = 0;
};

// The desk's own folders and report, and its worker started on them.
bool StartDesk(DeskRun& desk, const Options& options, const std::string& program, const std::string& folder,
               const fs::path& listFolder)
{
    DeskRow& row = desk.row;
    std::vector<std::string> arguments;
    for (const std::string& file : row.registries)
        arguments.insert(arguments.end(), {"--registry", file});
    if (!row.windowsRoot.empty())
        arguments.insert(arguments.end(), {"--windows-root", row.windowsRoot});
    if (!row.user.empty())
        arguments.insert(arguments.end(), {"--user", row.user});
    for (unsigned index = 0; index < 4; ++index) {
        std::string directory = row.directories[index];
        if (directory.empty() && index > 0 && !row.output.empty()) {
            directory = (fs::path(row.output) / kOutputFolders[index]).string();
            std::error_code code;
            fs::create_directories(directory, code);
            if (code) {
                desk.problem = "cannot make " + directory + ": " + code.message();
                return false;
            }
        }
        if (!directory.empty())
            arguments.insert(arguments.end(), {kDirectoryOptions[index], directory});
    }
    desk.report = row.output.empty() ? (listFolder / ("migration-report-" + row.name + ".txt")).string()
                                     : (fs::path(row.output) / "migration-report.txt").string();
    WorkerJob job;
    job.desk = true;
    job.skipExisting = options.skipExisting;
    job.operands = row.sources;
    // Each desk is described by its row alone: nothing of this process's desk reaches it.
    const std::vector<std::pair<std::string, std::string>> environment = {
        {"QTCM_REGISTRY", ""}, {"QTCM_WINDOWS_ROOT", ""}, {"QTCM_WINDOWS_USER", ""}};
    return desk.worker.Start(program, arguments, environment, job, folder, desk.report, desk.problem);
}

void PrintDeskHead(DeskRun& desk)
{
    if (desk.headed)
        return;
    desk.headed = true;
    std::printf("== desk %s ==\n", desk.row.name.c_str());
}

// What the desk said on stderr goes under it; a desk that did not run says why.
void PrintDeskEnd(DeskRun& desk, DeskRecord& record)
{
    PrintDeskHead(desk);
    record.name = desk.row.name;
    record.report = desk.report;
    record.ran = desk.problem.empty() && desk.worker.Status() == 0;
    record.messages = desk.worker.Errors();
    if (!desk.problem.empty())
        record.messages.insert(record.messages.begin(), desk.problem);
    for (const std::string& message : record.messages)
        std::printf("  %s\n", message.c_str());
    if (record.ran)
        std::printf("desk %s: done; report %s\n\n", desk.row.name.c_str(), desk.report.c_str());
    else
        std::printf("desk %s: not migrated (exit status %d)\n\n", desk.row.name.c_str(),
                    desk.problem.empty() ? desk.worker.Status() : 2);
    std::fflush(stdout);
}

} // namespace

bool ReadDesks(const std::string& file, std::vector<DeskRow>& desks, std::string& error)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) {
        error = file + ": the list of desks cannot be read";
        return false;
    }
    std::vector<CsvRecord> records;
    if (!ParseCsv(text.str(), records, error)) {
        error = file + ": " + error;
        return false;
    }
    if (records.size() < 2) {
        error = file + ": no desks: the list needs a header row and a row per desk";
        return false;
    }
    std::map<std::string, std::size_t> column;
    for (std::size_t i = 0; i < records[0].fields.size(); ++i) {
        const std::string name = FoldCase(TrimBlanks(records[0].fields[i]));
        if (std::find(std::begin(kColumns), std::end(kColumns), name) == std::end(kColumns)) {
            error = file + ": line 1: unknown column \"" + name +
                    "\" (the columns: name, registry, windows_root, user, qim_sessions, sessions, schemes, macros, "
                    "output, sources)";
            return false;
        }
        if (!column.emplace(name, i).second) {
            error = file + ": line 1: the column " + name + " is there twice";
            return false;
        }
    }
    if (!column.count("name")) {
        error = file + ": line 1: no column \"name\"";
        return false;
    }
    const fs::path base = fs::absolute(file).parent_path();
    std::set<std::string> names;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        const std::string where = file + ": line " + std::to_string(record.line) + ": ";
        if (record.fields.size() > records[0].fields.size()) {
            error = where + "more fields than the header has columns";
            return false;
        }
        auto field = [&](const char* name) {
            const auto found = column.find(name);
            return found == column.end() || found->second >= record.fields.size()
                       ? std::string()
                       : TrimBlanks(record.fields[found->second]);
        };
        DeskRow row;
        row.line = record.line;
        row.name = field("name");
        if (!FileNameSafe(row.name)) {
            error = where + (row.name.empty() ? std::string("a desk needs a name")
                                              : "the desk name \"" + row.name +
                                                    "\" cannot name a file (no / \\ : * ? \" < > |)");
            return false;
        }
        if (!names.insert(FoldCase(row.name)).second) {
            error = where + "a second desk named " + row.name;
            return false;
        }
        for (const std::string& registry : SplitList(field("registry")))
            row.registries.push_back(Whole(base, registry));
        row.windowsRoot = Whole(base, field("windows_root"));
        row.user = field("user");
        const char* const directories[4] = {"qim_sessions", "sessions", "schemes", "macros"};
        for (unsigned index = 0; index < 4; ++index)
            row.directories[index] = Whole(base, field(directories[index]));
        row.output = Whole(base, field("output"));
        for (const std::string& source : SplitList(field("sources")))
            row.sources.push_back(Whole(base, source));
        desks.push_back(std::move(row));
    }
    return true;
}

int MigrateFleet(const Options& options, const char* hostPath)
{
    const bool deskOptions = !options.registries.empty() || !options.windowsRoot.empty() || !options.user.empty() ||
                             options.exampleDesk || !options.report.empty() || !options.files.empty() ||
                             std::any_of(std::begin(options.directories), std::end(options.directories),
                                         [](const std::string& d) { return !d.empty(); });
    if (deskOptions) {
        std::fprintf(stderr, "qtcm: with --desks each row names its desk's registry, folders and sources, and each "
                             "desk has its own report: give no --registry, --windows-root, --user, --example-desk, "
                             "directory options, --report or files beside it\n");
        return 2;
    }
    std::vector<DeskRow> rows;
    std::string error;
    if (!ReadDesks(options.desks, rows, error) || !SummaryFilesWritable(options, error) ||
        (!options.map.empty() && !PrepareOutputFile("the map", options.map, false, error))) {
        std::fprintf(stderr, "qtcm: %s\n", error.c_str());
        return 2;
    }
    const std::string scratch = MakeScratchFolder(error);
    if (scratch.empty()) {
        std::fprintf(stderr, "qtcm: %s\n", error.c_str());
        return 2;
    }
    RunRecord run = StartRun("migrate", options);
    run.desk = "the desks of " + options.desks;
    const fs::path listFolder = fs::path(options.desks).parent_path();
    const std::string program = host::ExecutablePath(hostPath);
    const std::size_t jobs = options.jobs ? options.jobs : 1;
    std::vector<DeskRun> desks(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        desks[i].row = rows[i];

    const auto start = std::chrono::steady_clock::now();
    Progress progress(0, host::StderrIsTerminal());
    std::size_t head = 0, nextToStart = 0, running = 0;
    while (head < desks.size()) {
        for (; running < jobs && nextToStart < desks.size(); ++nextToStart) {
            DeskRun& desk = desks[nextToStart];
            const std::string folder = (fs::path(scratch) / ("desk" + std::to_string(nextToStart + 1))).string();
            desk.started = true;
            if (StartDesk(desk, options, program, folder, listFolder))
                ++running;
            else
                desk.finished = true;
        }
        std::size_t total = 0, done = 0;
        std::string current;
        for (DeskRun& desk : desks) {
            if (desk.started && !desk.finished && desk.worker.Ended()) {
                desk.finished = true;
                --running;
            }
            for (WorkerResult result; desk.worker.Reader().Next(result);) {
                result.record.desk = desk.row.name;
                current = desk.row.name + ": " + result.record.source;
                desk.results.push_back(std::move(result));
            }
            desk.count = desk.worker.Reader().HasCount() ? desk.worker.Reader().Count() : desk.count;
            total += desk.count;
            for (const WorkerResult& result : desk.results)
                done += result.record.state == SourceRecord::State::LeftOut ? 0 : 1;
        }
        // The desks in the order of the list, each as far as it has come.
        while (head < desks.size() && desks[head].started) {
            DeskRun& desk = desks[head];
            progress.Clear();
            PrintDeskHead(desk);
            for (; desk.printed < desk.results.size(); ++desk.printed) {
                PrintRecord(desk.results[desk.printed].record);
                run.sources.push_back(desk.results[desk.printed].record);
            }
            if (!desk.finished)
                break;
            PrintDeskEnd(desk, run.desks.emplace_back());
            ++head;
        }
        progress.SetTotal(total);
        progress.Show(done, current);
        if (head < desks.size())
            host::SleepMilliseconds(kPollMilliseconds);
    }
    progress.Clear();
    run.ended = LocalTimeNow();
    const std::size_t ran = static_cast<std::size_t>(
        std::count_if(run.desks.begin(), run.desks.end(), [](const DeskRecord& desk) { return desk.ran; }));
    PrintTotals(run, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), false);
    std::printf("Desks: %zu of %zu migrated", ran, run.desks.size());
    if (ran < run.desks.size()) {
        std::printf("; not migrated:");
        for (const DeskRecord& desk : run.desks)
            if (!desk.ran)
                std::printf(" %s", desk.name.c_str());
    }
    std::printf("\n");
    if (!options.map.empty() && !WriteMap(options.map, run, error))
        std::fprintf(stderr, "qtcm: %s\n", error.c_str());
    const bool summaries = EndOfRun(run, options);
    RemoveFolder(scratch);
    return summaries && ran == run.desks.size() && RunStatus(run) == 0 ? 0 : 1;
}
