#pragma once
// The few things the host does differently on Windows and elsewhere, in one place.
#include <cstdint>
#include <string>
#include <vector>

namespace host {

// True when stderr is a terminal (the progress bar is drawn only there).
bool StderrIsTerminal();

// Sets an environment variable unless it is set already (even to nothing).
void SetEnvironmentDefault(const char* name, const std::string& value);

// Sets an environment variable, replacing its value.
void SetEnvironment(const char* name, const std::string& value);

// Gives this run of qtcm a temporary folder of its own where the user named none: the macro
// translator's report has a fixed name there, and two runs at once must not write into each other's
// reports. Removed when qtcm ends. (Windows gives the process the user's TMP, as it gives the
// migration tool: nothing changes there.)
void UsePrivateTemporaryFolder();

// True when the machine has a registry to read without any file: Windows' own.
bool HasSystemRegistry();

// The registry key under which the TORQA! services answer (the README's table), for messages;
// nullptr where the TORQA! services library answers itself.
const char* TorqaServicesKey();

// Makes the registry export files (in order of precedence) the registry the library reads, in
// front of those QTCM_REGISTRY lists. False with a message (file and line) when one of them cannot
// be read or is not a registry export, or when this system reads its own registry instead.
bool UseRegistryFiles(const std::vector<std::string>& files, std::string& error);

// Checks the hives of the copied Windows system drive that QTCM_WINDOWS_ROOT and QTCM_WINDOWS_USER
// name, as the library will read them. False with "file: what is wrong" when one cannot serve.
bool UseWindowsDisk(std::string& error);

// A file as a folder listing gives it: enough to tell whether it changed.
struct FileStamp {
    std::string name;
    std::uint64_t size = 0;
    std::int64_t modified = 0; // in the platform's finest unit
};
// The regular files directly in folder; false when the folder cannot be listed.
bool ListFiles(const std::string& folder, std::vector<FileStamp>& files);

// One file's stamp; false when it is not a regular file (or not there).
bool StampFile(const std::string& path, FileStamp& stamp);

// Tells, as it happens, which names in some folders were written to, so that a folder need not be
// listed whole to find what changed in it. Where the system cannot tell (only Linux can), Watch
// answers false and the caller lists the folders instead.
class FolderWatch {
public:
    FolderWatch() = default;
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    bool Watch(const std::vector<std::string>& folders);
    // The names written (by the folder's position in the list) since the last call; false when the
    // system dropped some, and the folders must be listed again.
    bool Take(std::vector<std::pair<std::size_t, std::string>>& written);

private:
    int m_handle = -1;
    std::vector<std::pair<int, std::size_t>> m_folders; // watch, position
};

// The program file of this process, for starting it again as a worker; argv0 when it cannot be told.
std::string ExecutablePath(const char* argv0);

// A number that tells this process from the others running now.
unsigned long ProcessNumber();

void SleepMilliseconds(unsigned milliseconds);

// A program started with its own standard output and error going to files.
struct Child {
    std::intptr_t handle = 0; // the process id on posix, the process handle on Windows
};

struct ChildSetup {
    std::vector<std::string> arguments; // after the program's own name
    // Variables set (or, with an empty value, removed) in the child's environment; the rest is this
    // process's environment.
    std::vector<std::pair<std::string, std::string>> environment;
    std::string output, errors; // files for its stdout and stderr; its stdin is empty
};

// Starts program; false with a message when it cannot be started.
bool StartChild(const std::string& program, const ChildSetup& setup, Child& child, std::string& error);
// True when the child has ended, with its exit status (128 + signal when a signal ended it);
// never waits.
bool ChildEnded(Child& child, int& status);
// Ends a child that is still running, and waits for it.
void StopChild(Child& child);

} // namespace host
