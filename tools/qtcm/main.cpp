// qtcm: drives the translator library exactly as the migration tool does, from a command line.
#include "Bench.h"
#include "Commands.h"
#include "Desk.h"
#include "DeskChecks.h"
#include "FileReaders.h"
#include "Menus.h"
#include "Options.h"
#include "Preview.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int InspectCommand(const Options& options, const char*)
{
    if (options.files.size() != 1) {
        std::fprintf(stderr, "qtcm: inspect takes one file\n");
        return 2;
    }
    return InspectFile(options.files[0]);
}

// The menu is read from the desk's TORQA! installation, as a migration reads it.
int MenusCommand(const Options& options, const char* hostPath)
{
    QtcmLibrary library;
    if (const int status = OpenDesk(options, hostPath, library))
        return status;
    return ShowMenus();
}

int PreviewCommand(const Options& options, const char*)
{
    std::vector<std::string> arguments = options.files;
    if (!options.output.empty()) {
        arguments.push_back("-o");
        arguments.push_back(options.output);
    }
    return PreviewFile(arguments);
}

struct Command {
    const char* name;
    CommandFunction run;
    const char* operands; // what it needs at least one of ("file or folder"); nullptr: nothing
    unsigned accepts;     // the OptionUse bits of the options it has a use for
};

// One row per command.
const Command kCommands[] = {
    {"dirs", &DirsCommand, nullptr, 0},
    {"doctor", &DoctorCommand, nullptr, 0},
    {"check", &CheckCommand, "file or folder", 0},
    {"plan", &PlanCommand, "file or folder", kUsesSkipExisting | kUsesSummaries},
    {"migrate", &MigrateCommand, "file or folder",
     kUsesReport | kUsesMap | kUsesDesks | kUsesSkipExisting | kUsesJobs | kUsesSummaries},
    {"inspect", &InspectCommand, nullptr, 0},
    {"menus", &MenusCommand, nullptr, 0},
    {"preview", &PreviewCommand, "file", kUsesOutput},
    // The worker processes of migrate -j and migrate --desks; not for users.
    {kWorkerCommand, &WorkerCommand, nullptr, kUsesSkipExisting},
};

// What an option is for, when a command that has no use for it is given it.
const char* UseOf(const std::string& option)
{
    if (option == "-o")
        return "only preview writes a picture";
    if (option == "--skip-existing")
        return "only migrate and plan translate";
    return "it is an option of migrate";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "bench") == 0)
        return RunBench(argc, argv);
    Options options;
    std::string error;
    if (!ParseArguments(argc, argv, options, error)) {
        std::fprintf(stderr, "qtcm: %s (qtcm --help lists the commands and options)\n", error.c_str());
        return 2;
    }
    if (options.command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.command == "version") {
        std::printf("qtcm %s\n", kVersion);
        return 0;
    }
    for (const Command& command : kCommands) {
        if (options.command != command.name)
            continue;
        if (const char* unused = UnusedOption(options, command.accepts)) {
            std::fprintf(stderr, "qtcm: %s takes no %s (%s)\n", command.name, unused, UseOf(unused));
            return 2;
        }
        // A fleet names its sources in its list of desks.
        if (command.operands && options.files.empty() && options.desks.empty()) {
            std::fprintf(stderr, "qtcm: %s needs at least one %s\n", command.name, command.operands);
            return 2;
        }
        return command.run(options, argv[0]);
    }
    std::fprintf(stderr, "qtcm: unknown command %s (qtcm --help lists the commands)\n", options.command.c_str());
    return 2;
}
