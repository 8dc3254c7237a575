// qtcm bench: translates batches built from the example sessions through the loaded library, as
// the migration tool does, on a desk of its own made in a folder on disk, and reports sessions per
// second, time per session, peak memory and the ratio to copying the same bytes. Meant for a
// Release build; the machine's other work shows in the times, so run it more than once.
#include "Bench.h"

#include "Library.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kBuffer = 260;
constexpr const char* kSamples[] = {"Demo", "LabGraphics", "Payroll"};
constexpr const char kBenchUsage[] =
    "usage: qtcm bench [--sessions N] [--dir DIR] [--only batch|same|statements] [--keep]\n"
    "  translates N example sessions (default 1000), up to 1,000 sessions of one name\n"
    "  and single files of 100, 1,000 and 10,000 statements on a desk made in DIR\n"
    "  (default: this folder); --keep leaves the desk there\n";
constexpr const char* kMacroComponent = "{6D0C2A57-91B4-4E8F-B3A2-5C7E19F04D68}";

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteAll(const fs::path& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

// Copies a file through a buffer, as a program that reads and writes it would; answers its size.
std::size_t CopyFile(const fs::path& from, const fs::path& to)
{
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    char buffer[1 << 16];
    std::size_t total = 0;
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        out.write(buffer, in.gcount());
        total += static_cast<std::size_t>(in.gcount());
    }
    return total;
}

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Peak resident memory of the process so far, in MB (0 where the platform does not say).
double PeakMegabytes()
{
#ifndef _WIN32
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
#else
    return 0;
#endif
}

std::string Posix(const fs::path& path) { return path.generic_string(); }

// A registry export naming the bench's desk: the example TORQA! installation (read only), the
// bench's own output folders, and the demo macro translator beside qtcm.
std::string DeskRegistry(const fs::path& desk, const fs::path& install, const fs::path& macroTranslator)
{
    auto value = [](const std::string& name, const std::string& text) {
        std::string escaped;
        for (char c : text)
            escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
        return "\"" + name + "\"=\"" + escaped + "\"\n";
    };
    const std::string out = Posix(desk / "out");
    std::string reg = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!]\n" +
                      value("InstallPath", Posix(install) + "/") + value("Language", "ENU") +
                      "\n[HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!\\Directories]\n" +
                      value("TDP", out + "/Sessions") + value("TBM", out + "/Macros");
    for (const char* tag : {"TKM", "TTB", "TQP", "TDC"})
        reg += value(tag, out + "/Schemes");
    reg += "\n[HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!\\Components]\n" +
           value(kMacroComponent, Posix(macroTranslator)) +
           "\n[HKEY_LOCAL_MACHINE\\Software\\Classes\\.qtc]\n@=\"QIMVT.Session.5.10\"\n" +
           "\n[HKEY_LOCAL_MACHINE\\Software\\Classes\\QIM!.Session]\n@=\"QIM! Session\"\n" +
           "\n[HKEY_LOCAL_MACHINE\\Software\\Classes\\TORQA!.Session.1]\n@=\"TORQA! Session\"\n" +
           "\n[HKEY_LOCAL_MACHINE\\Software\\Classes\\TORQA!BasicMacro]\n@=\"TORQA! Basic Macro\"\n" +
           "\n[HKEY_CURRENT_USER\\Software\\Korvanesta\\QIM!\\5.10\\QIMVT]\n" +
           value("Directory", Posix(desk / "qim" / "Sessions")) + value("MacroPath", Posix(desk / "qim" / "Macros"));
    return reg;
}

// The statements of a session file after its two header lines; a line that starts with a blank
// continues the statement before it.
std::vector<std::string> Statements(const std::string& session)
{
    std::vector<std::string> statements;
    std::istringstream in(session);
    std::string line;
    for (int n = 0; std::getline(in, line); ++n) {
        if (n < 2)
            continue;
        if (!line.empty() && (line[0] == ' ' || line[0] == '\t') && !statements.empty())
            statements.back() += "\n" + line;
        else if (!line.empty())
            statements.push_back(line);
    }
    return statements;
}

struct Result {
    std::string name;
    std::size_t sessions = 0;
    std::size_t bytes = 0;
    double seconds = 0;
    double copySeconds = 0;
    double peakMegabytes = 0; // at the end of the translations, before the copies
    std::size_t failed = 0;
};

class Bench {
public:
    Bench(const QtcmLibrary& library, fs::path desk) : m_library(library), m_desk(std::move(desk)) {}

    // Translates each source once, then copies the same files, sources and outputs (the session
    // files, their satellites, the macros and the report), as the floor of the same work on this
    // disk, and times both.
    Result Run(const std::string& name, const std::vector<std::string>& sources)
    {
        Result result;
        result.name = name;
        result.sessions = sources.size();
        const std::string report = Posix(m_desk / "report.txt");
        WriteAll(report, "");
        const Clock::time_point start = Clock::now();
        for (const std::string& source : sources) {
            char output[kBuffer] = "";
            unsigned unconverted = 0, unrecognized = 0;
            m_library.doTranslate(source.c_str(), report.c_str(), output, &unconverted, &unrecognized);
            if (!*output)
                ++result.failed;
        }
        result.seconds = Seconds(start);
        result.peakMegabytes = PeakMegabytes();

        const fs::path copies = m_desk / "copies";
        fs::create_directories(copies);
        const Clock::time_point copyStart = Clock::now();
        std::size_t serial = 0;
        auto copy = [&](const fs::path& file) {
            result.bytes += CopyFile(file, copies / (std::to_string(++serial) + file.extension().string()));
        };
        for (const std::string& source : sources)
            copy(source);
        std::error_code code;
        for (fs::recursive_directory_iterator it(m_desk / "out", code), end; !code && it != end; it.increment(code))
            if (it->is_regular_file())
                copy(it->path());
        copy(report);
        result.copySeconds = Seconds(copyStart);
        fs::remove_all(copies);
        fs::remove(report);
        return result;
    }

    // Removes what the translations wrote, so every scenario starts on an empty desk.
    void ClearOutput()
    {
        for (const char* sub : {"Sessions", "Schemes", "Macros"}) {
            fs::remove_all(m_desk / "out" / sub);
            fs::create_directories(m_desk / "out" / sub);
        }
    }

private:
    const QtcmLibrary& m_library;
    fs::path m_desk;
};

void Print(const Result& r)
{
    const double perSession = r.sessions ? r.seconds / static_cast<double>(r.sessions) : 0;
    std::printf("%-34s %7zu %10.0f %10.3f %9.2f %8.1f %6.1f%s\n", r.name.c_str(), r.sessions,
                r.seconds > 0 ? static_cast<double>(r.sessions) / r.seconds : 0, perSession * 1000.0, r.seconds,
                r.copySeconds > 0 ? r.seconds / r.copySeconds : 0, r.peakMegabytes,
                r.failed ? (" (" + std::to_string(r.failed) + " failed)").c_str() : "");
}

} // namespace

int RunBench(int argc, char** argv)
{
    std::size_t count = 1000;
    fs::path where = fs::current_path();
    bool keep = false;
    std::string only; // one scenario: batch, same or statements
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sessions" && i + 1 < argc)
            count = static_cast<std::size_t>(std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "--dir" && i + 1 < argc)
            where = fs::absolute(argv[++i]);
        else if (arg == "--keep")
            keep = true;
        else if (arg == "--only" && i + 1 < argc)
            only = argv[++i];
        else {
            const bool help = arg == "--help" || arg == "-h";
            std::fputs(kBenchUsage, help ? stdout : stderr);
            return help ? 0 : 2;
        }
    }
    const fs::path examples = QTCM_EXAMPLES_DIR;
    const fs::path host = fs::absolute(argv[0]).parent_path();
#ifdef _WIN32
    const fs::path desk = fs::absolute(where) / ("qtcm-bench-" + std::to_string(std::rand()));
#else
    const fs::path desk = fs::absolute(where) / ("qtcm-bench-" + std::to_string(::getpid()));
#endif
    std::error_code error;
    for (const char* sub : {"qim/Sessions", "qim/Macros", "out/Sessions", "out/Schemes", "out/Macros"})
        fs::create_directories(desk / sub, error);
    if (error) {
        std::fprintf(stderr, "qtcm bench: cannot make the desk %s: %s\n", desk.string().c_str(), error.message().c_str());
        return 2;
    }
    fs::copy(examples / "qim" / "Macros", desk / "qim" / "Macros",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
    WriteAll(desk / "desk.reg", DeskRegistry(desk, examples / "torqa", host / QTCM_MACRO_TRANSLATOR_NAME));
    // As a desk prepared beforehand: the library reads a registry file again while it is brand new.
    fs::last_write_time(desk / "desk.reg", fs::last_write_time(desk / "desk.reg") - std::chrono::hours(1), error);
#ifndef _WIN32
    setenv("QTCM_REGISTRY", Posix(desk / "desk.reg").c_str(), 1);
    // The macro translator's report goes to the temporary folder: on the desk's disk, as every
    // other file of the run, so that a bench in RAM does not wait for the system disk.
    fs::create_directories(desk / "tmp", error);
    setenv("TMPDIR", Posix(desk / "tmp").c_str(), 1);
#endif

    QtcmLibrary library;
    std::string message;
    if (!library.Load(argv[0], message)) {
        std::fprintf(stderr, "qtcm bench: %s\n", message.c_str());
        return 2;
    }
    library.setNoticeHandler([](const char*, void*) {}, nullptr);
    library.initialize();

    std::vector<std::string> samples, statements;
    for (const char* name : kSamples) {
        samples.push_back(ReadAll(examples / "qim" / "Sessions" / (std::string(name) + ".qtc")));
        for (const std::string& statement : Statements(samples.back()))
            if (statement.find("Macro") == std::string::npos) // statements that run no macro translation
                statements.push_back(statement);
    }
    const std::string header = samples[0].substr(0, samples[0].find('\n', samples[0].find('\n') + 1) + 1);

    // Sessions name their startup macro relative to their own folder ("..\Macros\Logon.qtm"), as
    // the migration tool's working folder has them.
    fs::current_path(desk / "qim" / "Sessions", error);
    Bench bench(library, desk);
    std::printf("desk: %s\n\n%-34s %7s %10s %10s %9s %8s %6s\n", desk.string().c_str(), "", "sessions", "sessions/s",
                "ms/session", "seconds", "x copy", "MB");

    // Distinct names, as a real desk has; the sessions that start a macro share Logon.qtm.
    const fs::path qim = desk / "qim" / "Sessions";
    auto wanted = [&](const char* scenario) { return only.empty() || only == scenario; };
    std::vector<std::string> batch; // paths as text: a path object costs ten times the memory
    for (std::size_t i = 0; wanted("batch") && i < count; ++i) {
        std::string name = std::to_string(100000 + i);
        name.insert(0, 1, 'S');
        const fs::path file = qim / (name + kSamples[i % 3] + ".qtc");
        WriteAll(file, samples[i % 3]);
        batch.push_back(Posix(file));
    }
    if (wanted("batch"))
        Print(bench.Run("example sessions", batch));
    bench.ClearOutput();

    // One name for all: every run probes the names the earlier ones took (Same, Same1, Same2...).
    const std::size_t same = wanted("same") ? std::min<std::size_t>(count, 1000) : 0;
    std::vector<std::string> sameName;
    for (std::size_t i = 0; i < same; ++i) {
        const fs::path folder = desk / "qim" / ("same" + std::to_string(i));
        fs::create_directories(folder);
        WriteAll(folder / "Same.qtc", samples[1]);
        sameName.push_back(Posix(folder / "Same.qtc"));
    }
    if (wanted("same"))
        Print(bench.Run("sessions of one name", sameName));
    bench.ClearOutput();

    for (const std::size_t n : {std::size_t(100), std::size_t(1000), std::size_t(10000)}) {
        if (!wanted("statements"))
            break;
        std::string text = header;
        for (std::size_t i = 0; i < n; ++i)
            text += statements[i % statements.size()] + "\n";
        const fs::path file = qim / ("Long" + std::to_string(n) + "x.qtc");
        WriteAll(file, text);
        Print(bench.Run("one file of " + std::to_string(n) + " statements", {Posix(file)}));
        bench.ClearOutput();
    }
    std::printf("\nx copy: the time against copying the same files, sources and outputs, on the same disk;\n"
                "MB: the process's peak memory when the translations of the row ended (its copies come after)\n");
    fs::current_path(where, error);
    if (!keep)
        fs::remove_all(desk, error);
    return 0;
}
