#include "HostPlatform.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <io.h>
#include <string>
#else
#include "platform/posix/RegistryFiles.h"
#include "platform/posix/RegistryHives.h"

#include <cerrno>
#include <cstring>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
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

#else

bool StderrIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

void SetEnvironmentDefault(const char* name, const std::string& value) { ::setenv(name, value.c_str(), 0); }

void SetEnvironment(const char* name, const std::string& value) { ::setenv(name, value.c_str(), 1); }

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

#endif

} // namespace host
