#include "HostPlatform.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <string>
#include <windows.h>
#else
#include "platform/posix/RegistryFiles.h"
#include "platform/posix/RegistryHives.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/inotify.h>
#endif

extern char** environ;
#endif

namespace host {

#ifdef _WIN32

bool StderrIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

void SetEnvironmentDefault(const char* name, const std::string& value)
{
    if (!std::getenv(name))
        _putenv((std::string(name) + "=" + value).c_str());
}

void SetEnvironment(const char* name, const std::string& value) { _putenv((std::string(name) + "=" + value).c_str()); }

void UsePrivateTemporaryFolder() {}

bool HasSystemRegistry() { return true; }

const char* TorqaServicesKey() { return nullptr; }

bool UseRegistryFiles(const std::vector<std::string>& files, std::string& error)
{
    if (files.empty())
        return true;
    error = "this system has a registry of its own: import " + files.front() +
            " with regedit (or reg import) instead of naming it";
    return false;
}

// The system's own registry is the desk; a copied disk's hives are not read here.
bool UseWindowsDisk(std::string&) { return true; }

bool ListFiles(const std::string& folder, std::vector<FileStamp>& files)
{
    WIN32_FIND_DATAA found;
    const std::string pattern = folder + (folder.empty() || folder.back() == '\\' || folder.back() == '/' ? "*" : "\\*");
    const HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        FileStamp stamp;
        stamp.name = found.cFileName;
        stamp.size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        stamp.modified = static_cast<std::int64_t>((static_cast<std::uint64_t>(found.ftLastWriteTime.dwHighDateTime) << 32) |
                                                   found.ftLastWriteTime.dwLowDateTime);
        files.push_back(std::move(stamp));
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return true;
}

bool StampFile(const std::string& path, FileStamp& stamp)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    stamp.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.modified = static_cast<std::int64_t>((static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                               data.ftLastWriteTime.dwLowDateTime);
    return true;
}

// Windows lists a folder with every file's size and time in one go: listing is cheap there.
FolderWatch::~FolderWatch() = default;
bool FolderWatch::Watch(const std::vector<std::string>&) { return false; }
bool FolderWatch::Take(std::vector<std::pair<std::size_t, std::string>>&) { return false; }

std::string ExecutablePath(const char* argv0)
{
    char path[MAX_PATH + 1] = "";
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string(argv0);
}

unsigned long ProcessNumber() { return ::GetCurrentProcessId(); }

void SleepMilliseconds(unsigned milliseconds) { ::Sleep(milliseconds); }

namespace {

// One argument as the C run-time's command-line parser reads it back.
std::string QuoteArgument(const std::string& argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos)
        return argument;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + '"';
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// This process's environment with the child's changes, as CreateProcessA takes it.
std::string EnvironmentBlock(const std::vector<std::pair<std::string, std::string>>& changes)
{
    std::string block;
    if (char* strings = ::GetEnvironmentStringsA()) {
        for (const char* entry = strings; *entry; entry += std::strlen(entry) + 1) {
            const std::string text = entry;
            const std::size_t equals = text.find('=', 1);
            const std::string name = text.substr(0, equals);
            bool changed = false;
            for (const auto& change : changes)
                changed = changed || SameName(change.first, name);
            if (!changed)
                block += text + '\0';
        }
        ::FreeEnvironmentStringsA(strings);
    }
    for (const auto& change : changes)
        if (!change.second.empty())
            block += change.first + "=" + change.second + '\0';
    return block + '\0';
}

HANDLE InheritableFile(const std::string& path, bool write)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return ::CreateFileA(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         &inherit, write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

bool StartChild(const std::string& program, const ChildSetup& setup, Child& child, std::string& error)
{
    std::string commandLine = QuoteArgument(program);
    for (const std::string& argument : setup.arguments)
        commandLine += " " + QuoteArgument(argument);
    std::string environment = EnvironmentBlock(setup.environment);
    STARTUPINFOA start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = InheritableFile("NUL", false);
    start.hStdOutput = InheritableFile(setup.output, true);
    start.hStdError = InheritableFile(setup.errors, true);
    PROCESS_INFORMATION process{};
    const bool started = start.hStdOutput != INVALID_HANDLE_VALUE && start.hStdError != INVALID_HANDLE_VALUE &&
                         ::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                          environment.data(), nullptr, &start, &process);
    const DWORD code = ::GetLastError();
    for (HANDLE handle : {start.hStdInput, start.hStdOutput, start.hStdError})
        if (handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle);
    if (!started) {
        error = "cannot start " + program + " (Windows error " + std::to_string(code) + ")";
        return false;
    }
    ::CloseHandle(process.hThread);
    child.handle = reinterpret_cast<std::intptr_t>(process.hProcess);
    return true;
}

bool ChildEnded(Child& child, int& status)
{
    const HANDLE process = reinterpret_cast<HANDLE>(child.handle);
    if (!process || ::WaitForSingleObject(process, 0) != WAIT_OBJECT_0)
        return false;
    DWORD code = 0;
    ::GetExitCodeProcess(process, &code);
    ::CloseHandle(process);
    child.handle = 0;
    status = static_cast<int>(code);
    return true;
}

void StopChild(Child& child)
{
    const HANDLE process = reinterpret_cast<HANDLE>(child.handle);
    if (!process)
        return;
    ::TerminateProcess(process, 1);
    ::WaitForSingleObject(process, INFINITE);
    ::CloseHandle(process);
    child.handle = 0;
}

#else

bool StderrIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

void SetEnvironmentDefault(const char* name, const std::string& value) { ::setenv(name, value.c_str(), 0); }

void SetEnvironment(const char* name, const std::string& value) { ::setenv(name, value.c_str(), 1); }

namespace {
std::string g_privateTemporary;
void RemovePrivateTemporary()
{
    std::error_code code;
    std::filesystem::remove_all(g_privateTemporary, code);
}
} // namespace

void UsePrivateTemporaryFolder()
{
    const char* named = std::getenv("TMPDIR");
    if ((named && *named) || !g_privateTemporary.empty())
        return;
    std::string pattern = "/tmp/qtcm-run-XXXXXX"; // made with mode 0700, the user's alone
    if (!::mkdtemp(pattern.data()))
        return; // the library's own per-user folder serves then
    g_privateTemporary = pattern;
    ::setenv("TMPDIR", pattern.c_str(), 1);
    std::atexit(&RemovePrivateTemporary);
}

bool HasSystemRegistry() { return false; }

const char* TorqaServicesKey() { return "HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!"; }

namespace {

// The library skips what it cannot read in a registry file; the host stops at it instead, naming
// the file and the line, since a desk with a wrong file would migrate into the wrong places.
bool CheckRegistryFile(const std::string& path, std::string& error)
{
    std::error_code code;
    if (std::filesystem::is_directory(path, code)) {
        error = path + ": a folder, not a registry export file";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": the registry file cannot be read: " + std::strerror(errno);
        return false;
    }
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    platform::RegistryProblem problem;
    platform::RegistryStore().Import(content, &problem);
    if (problem.line == 0)
        return true;
    error = path + ":" + std::to_string(problem.line) + ": " + problem.what;
    return false;
}

} // namespace

bool UseRegistryFiles(const std::vector<std::string>& files, std::string& error)
{
    std::string list;
    auto add = [&list](const std::string& file) {
        if (!list.empty())
            list += ':';
        list += file;
    };
    // Whole paths: each translation runs in its session's folder.
    std::error_code code;
    for (const std::string& file : files)
        add(file.empty() ? file : std::filesystem::absolute(file, code).string());
    if (const char* listed = std::getenv("QTCM_REGISTRY"); listed && *listed) {
        for (std::size_t start = 0; start <= std::strlen(listed);) {
            const std::string entry(listed + start, std::strcspn(listed + start, ":"));
            if (!entry.empty())
                add(std::filesystem::absolute(entry, code).string());
            start += entry.size() + 1;
        }
    }
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        const std::string file = list.substr(start, end - start);
        if (!file.empty() && !CheckRegistryFile(file, error))
            return false;
        start = end + 1;
    }
    ::setenv("QTCM_REGISTRY", list.c_str(), 1);
    return true;
}

bool UseWindowsDisk(std::string& error)
{
    std::string root, user;
    if (!platform::WindowsDiskFromEnvironment(root, user))
        return true;
    error = platform::CheckWindowsDisk(root, user);
    return error.empty();
}

bool ListFiles(const std::string& folder, std::vector<FileStamp>& files)
{
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return false;
    const int descriptor = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        if (entry->d_type == DT_DIR)
            continue;
        struct stat info {};
        if (::fstatat(descriptor, entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode))
            continue;
        FileStamp stamp;
        stamp.name = entry->d_name;
        stamp.size = static_cast<std::uint64_t>(info.st_size);
        stamp.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        files.push_back(std::move(stamp));
    }
    ::closedir(listing);
    return true;
}

bool StampFile(const std::string& path, FileStamp& stamp)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    stamp.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return true;
}

#ifdef __linux__

FolderWatch::~FolderWatch()
{
    if (m_handle >= 0)
        ::close(m_handle);
}

bool FolderWatch::Watch(const std::vector<std::string>& folders)
{
    m_handle = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_handle < 0)
        return false;
    constexpr std::uint32_t kWritten = IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO | IN_ATTRIB;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const int watch = ::inotify_add_watch(m_handle, folders[i].c_str(), kWritten | IN_ONLYDIR);
        if (watch < 0) {
            ::close(m_handle);
            m_handle = -1;
            return false;
        }
        m_folders.emplace_back(watch, i);
    }
    return true;
}

bool FolderWatch::Take(std::vector<std::pair<std::size_t, std::string>>& written)
{
    if (m_handle < 0)
        return false;
    bool complete = true;
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t length = ::read(m_handle, buffer, sizeof buffer);
        if (length <= 0)
            break; // nothing more now (EAGAIN)
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW)
                complete = false;
            if (event->len == 0 || (event->mask & IN_ISDIR))
                continue;
            for (const auto& [watch, position] : m_folders)
                if (watch == event->wd)
                    written.emplace_back(position, std::string(event->name));
        }
    }
    return complete;
}

#else

FolderWatch::~FolderWatch() = default;
bool FolderWatch::Watch(const std::vector<std::string>&) { return false; }
bool FolderWatch::Take(std::vector<std::pair<std::size_t, std::string>>&) { return false; }

#endif

std::string ExecutablePath(const char* argv0)
{
    std::error_code code;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", code);
    if (!code && !self.empty())
        return self.string();
    return std::filesystem::absolute(argv0, code).string();
}

unsigned long ProcessNumber() { return static_cast<unsigned long>(::getpid()); }

void SleepMilliseconds(unsigned milliseconds)
{
    timespec pause{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    while (::nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
}

bool StartChild(const std::string& program, const ChildSetup& setup, Child& child, std::string& error)
{
    std::vector<std::string> variables;
    for (char** entry = environ; entry && *entry; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        if (std::none_of(setup.environment.begin(), setup.environment.end(),
                         [&](const auto& change) { return change.first == name; }))
            variables.push_back(text);
    }
    for (const auto& change : setup.environment)
        if (!change.second.empty())
            variables.push_back(change.first + "=" + change.second);
    std::vector<char*> environment, arguments;
    for (std::string& variable : variables)
        environment.push_back(variable.data());
    environment.push_back(nullptr);
    std::string name = program;
    std::vector<std::string> words = setup.arguments;
    arguments.push_back(name.data());
    for (std::string& word : words)
        arguments.push_back(word.data());
    arguments.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, setup.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, setup.errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int failed = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, arguments.data(), environment.data());
    ::posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        error = "cannot start " + program + ": " + std::strerror(failed);
        return false;
    }
    child.handle = pid;
    return true;
}

bool ChildEnded(Child& child, int& status)
{
    if (child.handle <= 0)
        return false;
    int raw = 0;
    const pid_t pid = static_cast<pid_t>(child.handle);
    const pid_t ended = ::waitpid(pid, &raw, WNOHANG);
    if (ended == 0 || (ended < 0 && errno == EINTR))
        return false;
    child.handle = 0;
    status = ended < 0 ? 127 : WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + (WIFSIGNALED(raw) ? WTERMSIG(raw) : 0);
    return true;
}

void StopChild(Child& child)
{
    if (child.handle <= 0)
        return;
    const pid_t pid = static_cast<pid_t>(child.handle);
    ::kill(pid, SIGTERM);
    int raw = 0;
    while (::waitpid(pid, &raw, 0) < 0 && errno == EINTR) {
    }
    child.handle = 0;
}

#endif

} // namespace host
