// migrate -j: the sources shared out among worker processes, their results joined in the order of
// the files, as one run of one process would have printed and reported them.
#include "Workers.h"

#include "Commands.h"
#include "Progress.h"
#include "RunOutput.h"
#include "WorkerAssignment.h"
#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/AsciiCase.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr unsigned kPollMilliseconds = 20;
const char* const kDirectoryOptions[4] = {"--qim-sessions", "--sessions", "--schemes", "--macros"};

std::string ReadFile(const std::string& path)
{
    std::string content;
    platform::ReadWholeFile(path, content); // a file that cannot be read names nothing
    return content;
}

// The session files already in the session folder, by name without .TDP, in lower case.
std::set<std::string> ExistingSessions(const std::string& folder)
{
    std::set<std::string> names;
    std::vector<host::FileStamp> files;
    host::ListFiles(folder, files);
    for (const host::FileStamp& file : files)
        if (file.name.size() > 4 && EqualsNoCase(file.name.substr(file.name.size() - 4), ".tdp"))
            names.insert(FoldCase(file.name.substr(0, file.name.size() - 4)));
    return names;
}

} // namespace

std::string MakeScratchFolder(std::string& error)
{
    const fs::path base = platform::TempFolder();
    std::error_code code;
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        const fs::path folder =
            base / ("qtcm-run-" + std::to_string(host::ProcessNumber()) + "-" + std::to_string(attempt));
        if (fs::create_directory(folder, code))
            return folder.string();
        if (code)
            break;
    }
    error = "cannot make a scratch folder in the temporary folder " + base.string() +
            (code ? ": " + code.message() : std::string());
    return {};
}

void RemoveFolder(const std::string& folder)
{
    std::error_code code;
    if (!folder.empty())
        fs::remove_all(folder, code);
}

std::vector<std::pair<std::string, std::string>> TemporaryFolderVariables(const std::string& folder)
{
#ifdef _WIN32
    return {{"TEMP", folder}, {"TMP", folder}};
#else
    return {{"TMPDIR", folder}};
#endif
}

std::vector<std::string> DirectoryArguments(const Options& options)
{
    std::vector<std::string> arguments;
    for (unsigned index = 0; index < 4; ++index)
        if (!options.directories[index].empty()) {
            arguments.push_back(kDirectoryOptions[index]);
            arguments.push_back(options.directories[index]);
        }
    return arguments;
}

bool AppendText(const std::string& text, const std::string& to)
{
    if (text.empty())
        return true;
    std::ofstream out(to, std::ios::binary | std::ios::app);
    return static_cast<bool>(out.write(text.data(), static_cast<std::streamsize>(text.size())));
}

bool WorkerProcess::Start(const std::string& program, const std::vector<std::string>& arguments,
                          std::vector<std::pair<std::string, std::string>> environment, const WorkerJob& job,
                          const std::string& folder, const std::string& report, std::string& error)
{
    std::error_code code;
    const fs::path root = folder;
    fs::create_directories(root / "tmp", code);
    m_folder = folder;
    m_results = (root / "results.txt").string();
    m_report = report.empty() ? (root / "report.txt").string() : report;
    const std::string jobFile = (root / "job.txt").string();
    std::ofstream(jobFile, std::ios::binary) << EncodeJob(job);
    std::ofstream(m_results, std::ios::binary).flush();
    if (report.empty())
        std::ofstream(m_report, std::ios::binary).flush();
    if (code) {
        error = "cannot make the worker's folder " + folder + ": " + code.message();
        return false;
    }
    for (const auto& variable : TemporaryFolderVariables((root / "tmp").string()))
        environment.push_back(variable);
    host::ChildSetup setup;
    setup.arguments = arguments;
    for (const std::string& argument : {std::string(kWorkerCommand), jobFile, m_results, m_report})
        setup.arguments.push_back(argument);
    setup.environment = std::move(environment);
    setup.output = (root / "stdout.txt").string();
    setup.errors = (root / "stderr.txt").string();
    m_running = host::StartChild(program, setup, m_child, error);
    m_status = m_running ? 0 : 2;
    return m_running;
}

void WorkerProcess::Poll()
{
    std::ifstream in(m_results, std::ios::binary);
    if (!in.seekg(static_cast<std::streamoff>(m_read)))
        return;
    std::ostringstream added;
    added << in.rdbuf();
    const std::string bytes = added.str();
    m_read += bytes.size();
    m_reader.Feed(bytes);
}

bool WorkerProcess::Ended()
{
    if (m_running && host::ChildEnded(m_child, m_status))
        m_running = false;
    Poll(); // after it ended, what it wrote last
    return !m_running;
}

void WorkerProcess::Stop()
{
    if (m_running)
        host::StopChild(m_child);
    m_running = false;
}

std::vector<std::string> WorkerProcess::Errors() const
{
    std::vector<std::string> lines;
    std::istringstream in(ReadFile((fs::path(m_folder) / "stderr.txt").string()));
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

void RunWorkers(const WorkerRun& setup, const SourceList& list, RunRecord& run)
{
    const std::vector<Source>& sources = list.sources;
    const std::size_t base = run.sources.size();
    std::vector<std::size_t> taken;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < sources.size(); ++i)
        if (sources[i].Taken()) {
            taken.push_back(i);
            names.push_back(platform::SplitPath(sources[i].path).name);
        }
    const auto assignment =
        AssignWorkers(names, ExistingSessions(platform::LocalName(setup.folders.sessions)), setup.options.jobs);

    std::string error;
    const std::string scratch = MakeScratchFolder(error);
    std::vector<WorkerProcess> workers(assignment.size());
    std::vector<int> workerOf(sources.size(), -1);
    std::vector<std::string> startErrors(workers.size());
    const std::string program = host::ExecutablePath(setup.hostPath);
    for (std::size_t w = 0; w < workers.size(); ++w) {
        WorkerJob job;
        job.skipExisting = setup.options.skipExisting;
        for (const std::size_t position : assignment[w]) {
            job.sources.emplace_back(taken[position], sources[taken[position]]);
            workerOf[taken[position]] = static_cast<int>(w);
        }
        if (scratch.empty() ||
            !workers[w].Start(program, DirectoryArguments(setup.options), {}, job,
                              (fs::path(scratch) / ("worker" + std::to_string(w + 1))).string(), "", error))
            startErrors[w] = error;
    }

    std::vector<std::optional<WorkerResult>> results(sources.size());
    std::vector<bool> finished(workers.size(), false);
    Progress progress(taken.size(), host::StderrIsTerminal());
    std::size_t next = 0, done = 0;
    std::string current;
    for (;;) {
        bool all = true;
        for (std::size_t w = 0; w < workers.size(); ++w) {
            finished[w] = workers[w].Ended();
            all = all && finished[w];
            for (WorkerResult result; workers[w].Reader().Next(result);) {
                if (result.index >= sources.size())
                    continue;
                ++done;
                current = result.record.source;
                results[result.index] = std::move(result);
            }
        }
        // Each source in the order of the files, as soon as those before it are done.
        for (; next < sources.size(); ++next) {
            const Source& source = sources[next];
            const int w = workerOf[next];
            SourceRecord record;
            record.source = source.path;
            if (!source.Taken()) {
                record.state = SourceRecord::State::LeftOut;
                record.reason = source.refusal;
            } else if (results[next]) {
                AppendText(results[next]->section, setup.report);
                record = std::move(results[next]->record);
            } else if (w >= 0 && finished[w]) {
                const std::vector<std::string> said = workers[w].Errors();
                record.reason = !startErrors[w].empty() ? startErrors[w]
                                : "its worker process ended before translating it (exit status " +
                                      std::to_string(workers[w].Status()) + ")" +
                                      (said.empty() ? std::string() : ": " + said.front());
            } else {
                break;
            }
            progress.Clear();
            PrintRecord(record);
            run.sources.push_back(std::move(record));
        }
        if (all && next == sources.size())
            break;
        progress.Show(done, current);
        host::SleepMilliseconds(kPollMilliseconds);
    }
    progress.Clear();

    // Files that came up in the listings of two workers at once go to one of them.
    std::vector<SourceRecord> translated;
    std::vector<unsigned> workerOfRecord;
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < sources.size(); ++i)
        if (workerOf[i] >= 0) {
            translated.push_back(std::move(run.sources[base + i]));
            workerOfRecord.push_back(static_cast<unsigned>(workerOf[i]));
            at.push_back(base + i);
        }
    SettleClaims(translated, workerOfRecord, &ReadFile);
    for (std::size_t i = 0; i < at.size(); ++i)
        run.sources[at[i]] = std::move(translated[i]);
    RemoveFolder(scratch);
}
