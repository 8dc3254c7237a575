#pragma once
// What many tests need: a temporary folder of their own, files written into it, a registry made
// of export files, and the notices the library showed.
#include <string>
#include <vector>

namespace testing_support {

#ifdef _WIN32
constexpr char kSep = '\\';
#else
constexpr char kSep = '/';
#endif
// Text with every line feed written as lineEnd.
std::string WithLineEnds(const std::string& text, const std::string& lineEnd);
// Text as the library writes it in text mode: line feeds become the platform's line end.
std::string NativeText(const std::string& text);

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return m_path; }
    // path inside the folder, with the platform's separator
    std::string operator/(const std::string& name) const;

private:
    std::string m_path;
};

void WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
void MakeDir(const std::string& path);
// The folder of the running test program, where the libraries it tests are built.
std::string ExecutableDir();

// A notice handler that keeps each message in the std::vector<std::string> it is given.
void CollectNotice(const char* message, void* notices);

// Sets an environment variable for the test's life (restores the old value).
class ScopedEnv {
public:
    ScopedEnv(const std::string& name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::string m_old;
    bool m_had;
};

} // namespace testing_support
