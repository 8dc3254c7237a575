// qtcm: drives the translator library exactly as the migration tool does, from a command line.
#include "Bench.h"
#include "Inspect.h"
#include "Library.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#define MakeFolder(path) _mkdir(path)
#else
#include <sys/stat.h>
#define MakeFolder(path) mkdir(path, 0777)
#endif

namespace {

constexpr std::size_t kBuffer = 260;

const char kUsage[] =
    "usage: qtcm [options] dirs\n"
    "       qtcm [options] check FILE...\n"
    "       qtcm [options] migrate [--report FILE] FILE...\n"
    "       qtcm inspect FILE\n"
    "\n"
    "  dirs      the four directories with their type names and filters\n"
    "  check     which files are QIM! session files\n"
    "  migrate   translate each file into a TORQA! session; the report is appended to FILE\n"
    "            (created when missing; default migration-report.txt)\n"
    "\n"
    "options:\n"
    "  --registry FILE      a registry export to read before those in QTCM_REGISTRY (repeatable;\n"
    "                       systems without a registry only)\n"
    "  --qim-sessions DIR   QIM! session directory (directory 0)\n"
    "  --sessions DIR       TORQA! session directory (directory 1)\n"
    "  --schemes DIR        TORQA! scheme directory (directory 2)\n"
    "  --macros DIR         TORQA! macro directory (directory 3)\n"
    "  --help               this text\n"
    "\n"
    "Without --registry and QTCM_REGISTRY, qtcm uses the bundled example installation and writes\n"
    "into " QTCM_DEMO_DIR ".\n";

struct Options {
    std::string command;
    std::vector<std::string> registries;
    std::string directories[4];
    std::string report;
    std::vector<std::string> files;
};

std::vector<std::string> g_notices;

void CollectNotice(const char* message, void*)
{
    g_notices.emplace_back(message);
    std::fprintf(stderr, "qtcm: %s\n", message);
}

bool ParseArguments(int argc, char** argv, Options& options, std::string& error)
{
    const char* dirOptions[4] = {"--qim-sessions", "--sessions", "--schemes", "--macros"};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            into = argv[++i];
            return true;
        };
        bool matched = false;
        for (int d = 0; d < 4; ++d) {
            if (arg == dirOptions[d]) {
                if (!value(options.directories[d]))
                    return false;
                matched = true;
            }
        }
        if (matched)
            continue;
        if (arg == "--help" || arg == "-h") {
            options.command = "help";
            return true;
        }
        if (arg == "--registry") {
            std::string file;
            if (!value(file))
                return false;
            options.registries.push_back(file);
        } else if (arg == "--report") {
            if (!value(options.report))
                return false;
        } else if (arg.rfind("--", 0) == 0) {
            error = "unknown option " + arg;
            return false;
        } else if (options.command.empty()) {
            options.command = arg;
        } else {
            options.files.push_back(arg);
        }
    }
    if (options.command.empty()) {
        error = "no command";
        return false;
    }
    return true;
}

[[maybe_unused]] std::string FolderOf(const std::string& path)
{
    const std::size_t sep = path.find_last_of("/\\");
    return sep == std::string::npos ? std::string(".") : path.substr(0, sep);
}

// Registry files go in front of QTCM_REGISTRY. With neither, the example installation answers:
// its registry file refers to QTCM_EXAMPLES (the examples folder), QTCM_DEMO (the output folder)
// and QTCM_MACRO_TRANSLATOR (the demo macro translator, built beside qtcm).
bool PrepareRegistry(const Options& options, const std::string& hostPath, bool& bundled)
{
    const char* listed = std::getenv("QTCM_REGISTRY");
    std::string list;
    for (const std::string& file : options.registries)
        list += (list.empty() ? "" : ":") + file;
#ifdef _WIN32
    (void)hostPath;
    bundled = false;
    if (!list.empty()) {
        std::fprintf(stderr, "qtcm: --registry is for systems without a registry; import the file with regedit\n");
        return false;
    }
    (void)listed;
    return true;
#else
    bundled = list.empty() && !(listed && *listed);
    if (bundled) {
        list = std::string(QTCM_EXAMPLES_DIR) + "/registry/example-desk.reg";
        setenv("QTCM_EXAMPLES", QTCM_EXAMPLES_DIR, 0);
        setenv("QTCM_DEMO", QTCM_DEMO_DIR, 0);
        setenv("QTCM_MACRO_TRANSLATOR", (FolderOf(hostPath) + "/" QTCM_MACRO_TRANSLATOR_NAME).c_str(), 0);
        const std::string demo = std::getenv("QTCM_DEMO");
        MakeFolder(demo.c_str());
        for (const char* sub : {"/Sessions", "/Schemes", "/Macros"})
            MakeFolder((demo + sub).c_str());
    } else if (listed && *listed) {
        list += (list.empty() ? "" : ":") + std::string(listed);
    }
    setenv("QTCM_REGISTRY", list.c_str(), 1);
    return true;
#endif
}

int ShowDirectories(const QtcmLibrary& library)
{
    for (unsigned index = 0; index < 4; ++index) {
        char typeName[kBuffer] = "", directory[kBuffer] = "", filter[kBuffer] = "";
        library.directories(index, typeName, directory, filter);
        std::printf("%u  %-22s %-26s %s\n", index, typeName, filter, *directory ? directory : "(not found)");
    }
    return 0;
}

int CheckFiles(const QtcmLibrary& library, const Options& options)
{
    int recognized = 0;
    for (const std::string& file : options.files) {
        const bool yes = library.isValidFile(file.c_str());
        recognized += yes ? 1 : 0;
        std::printf("%s: %s\n", file.c_str(), yes ? "QIM! session file" : "not a QIM! session file");
    }
    return recognized == static_cast<int>(options.files.size()) ? 0 : 1;
}

int Migrate(const QtcmLibrary& library, const Options& options, const std::string& reportPath)
{
    { // the library only appends: the report must exist
        std::ofstream create(reportPath, std::ios::app);
        if (!create) {
            std::fprintf(stderr, "qtcm: cannot create the report %s\n", reportPath.c_str());
            return 2;
        }
    }
    const std::size_t count = options.files.size();
    unsigned totalUnconverted = 0, totalUnrecognized = 0;
    std::size_t translated = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& source = options.files[i];
        if (count > 10)
            std::fprintf(stderr, "[%zu/%zu] %s\n", i + 1, count, source.c_str());
        char output[kBuffer] = "";
        unsigned unconverted = 0, unrecognized = 0;
        g_notices.clear();
        library.doTranslate(source.c_str(), reportPath.c_str(), output, &unconverted, &unrecognized);
        const bool ok = *output && g_notices.empty();
        if (ok) {
            ++translated;
            totalUnconverted += unconverted;
            totalUnrecognized += unrecognized;
            std::printf("%s\n  -> %s\n     %u unconverted, %u unrecognized\n", source.c_str(), output, unconverted,
                        unrecognized);
        } else {
            std::printf("%s\n  -> not translated\n", source.c_str());
        }
    }
    std::printf("\n%zu of %zu files translated; %u unconverted and %u unrecognized properties in all.\n"
                "Report: %s\n",
                translated, count, totalUnconverted, totalUnrecognized, reportPath.c_str());
    return translated == count ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "bench") == 0)
        return RunBench(argc, argv);
    Options options;
    std::string error;
    if (!ParseArguments(argc, argv, options, error)) {
        std::fprintf(stderr, "qtcm: %s\n\n%s", error.c_str(), kUsage);
        return 2;
    }
    if (options.command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.command == "inspect") {
        if (options.files.size() != 1) {
            std::fprintf(stderr, "qtcm: inspect takes one file\n");
            return 2;
        }
        return InspectFile(options.files[0]);
    }
    if (options.command != "dirs" && options.command != "check" && options.command != "migrate") {
        std::fprintf(stderr, "qtcm: unknown command %s\n\n%s", options.command.c_str(), kUsage);
        return 2;
    }
    if (options.command != "dirs" && options.files.empty()) {
        std::fprintf(stderr, "qtcm: %s needs at least one file\n", options.command.c_str());
        return 2;
    }
    bool bundled = false;
    if (!PrepareRegistry(options, argv[0], bundled))
        return 2;

    QtcmLibrary library;
    if (!library.Load(argv[0], error)) {
        std::fprintf(stderr, "qtcm: %s\n", error.c_str());
        return 2;
    }
    library.setNoticeHandler(&CollectNotice, nullptr);
    library.initialize();
    for (unsigned index = 0; index < 4; ++index)
        if (!options.directories[index].empty())
            library.setDirPath(index, options.directories[index].c_str());

    if (options.command == "dirs")
        return ShowDirectories(library);
    if (options.command == "check")
        return CheckFiles(library, options);
    std::string report = options.report;
    if (report.empty())
        report = bundled ? std::string(std::getenv("QTCM_DEMO")) + "/migration-report.txt" : "migration-report.txt";
    return Migrate(library, options, report);
}
