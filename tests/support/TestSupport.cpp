#include "support/TestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace testing_support {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = fs::temp_directory_path() / ("qtcm-test-" + std::to_string(random()));
        std::error_code error;
        if (fs::create_directory(candidate, error)) {
            m_path = candidate.string();
            return;
        }
    }
    std::abort();
}

TempDir::~TempDir()
{
    std::error_code error;
    fs::remove_all(m_path, error);
}

std::string TempDir::operator/(const std::string& name) const { return (fs::path(m_path) / name).string(); }

void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string WithLineEnds(const std::string& text, const std::string& lineEnd)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += lineEnd;
        else
            out.push_back(c);
    }
    return out;
}

std::string NativeText(const std::string& text)
{
#ifdef _WIN32
    return WithLineEnds(text, "\r\n");
#else
    return text;
#endif
}

bool FileExists(const std::string& path) { return fs::exists(path); }

void MakeDir(const std::string& path) { fs::create_directories(path); }

std::string ExecutableDir()
{
#ifdef _WIN32
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path().string();
#else
    return fs::read_symlink("/proc/self/exe").parent_path().string();
#endif
}

void CollectNotice(const char* message, void* notices)
{
    static_cast<std::vector<std::string>*>(notices)->push_back(message);
}

namespace {
void SetVariable(const std::string& name, const char* value)
{
#ifdef _WIN32
    _putenv_s(name.c_str(), value ? value : "");
#else
    if (value)
        setenv(name.c_str(), value, 1);
    else
        unsetenv(name.c_str());
#endif
}
} // namespace

ScopedEnv::ScopedEnv(const std::string& name, const std::string& value) : m_name(name)
{
    const char* old = std::getenv(name.c_str());
    m_had = old != nullptr;
    if (old)
        m_old = old;
    SetVariable(name, value.c_str());
}

ScopedEnv::~ScopedEnv() { SetVariable(m_name, m_had ? m_old.c_str() : nullptr); }

} // namespace testing_support
