#pragma once
// Worker processes: qtcm started again with the hidden worker command, each with a scratch folder
// of its own (its temporary folder, where the macro translator keeps its report under a fixed name;
// its job, results and report files; its output). migrate -j and migrate --desks run them.
#include "HostPlatform.h"
#include "Options.h"
#include "RunRecord.h"
#include "Sources.h"
#include "Translation.h"
#include "WorkerProtocol.h"

#include <string>
#include <vector>

// A new folder for this run under the temporary folder; "" with error set when none can be made.
std::string MakeScratchFolder(std::string& error);
void RemoveFolder(const std::string& folder);

// The environment variables that name the temporary folder, set to folder.
std::vector<std::pair<std::string, std::string>> TemporaryFolderVariables(const std::string& folder);

// The directory options of a command line (--sessions DIR and the like), to hand on to a worker.
std::vector<std::string> DirectoryArguments(const Options& options);

class WorkerProcess {
public:
    // Starts the worker in folder (made here) on job; its report goes to report, or to a file of
    // its own when report is empty. arguments come in front of the worker command.
    bool Start(const std::string& program, const std::vector<std::string>& arguments,
               std::vector<std::pair<std::string, std::string>> environment, const WorkerJob& job,
               const std::string& folder, const std::string& report, std::string& error);
    // Reads what the worker wrote since the last call; the results then come from Reader().
    void Poll();
    // True once the worker has ended and everything it wrote has been read.
    bool Ended();
    int Status() const { return m_status; }
    void Stop();
    ResultReader& Reader() { return m_reader; }
    // What the worker said on stderr, line by line.
    std::vector<std::string> Errors() const;

private:
    host::Child m_child;
    std::string m_folder, m_results, m_report;
    std::uintmax_t m_read = 0;
    ResultReader m_reader;
    bool m_running = false;
    int m_status = 0;
};

struct WorkerRun {
    const char* hostPath;
    const Options& options;
    std::string report; // the run's report, where the workers' sections are appended in order
    TargetFolders folders;
};

// Translates the sources with options.jobs workers and fills run.sources in the order of the files,
// printing each as soon as those before it are done.
void RunWorkers(const WorkerRun& setup, const SourceList& list, RunRecord& run);

// Appends text to the end of the file to.
bool AppendText(const std::string& text, const std::string& to);
