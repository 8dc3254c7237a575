// qtcm: drives the translator library exactly as the migration tool does, from a command line.
#include "Bench.h"
#include "Commands.h"
#include "Desk.h"
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
    bool needsFiles; // at least one operand
};

// One row per command.
const Command kCommands[] = {
    {"dirs", &DirsCommand, false},
    {"check", &CheckCommand, true},
    {"migrate", &MigrateCommand, true},
    {"inspect", &InspectCommand, false},
    {"menus", &MenusCommand, false},
    {"preview", &PreviewCommand, true},
};

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
        if (command.needsFiles && options.files.empty()) {
            std::fprintf(stderr, "qtcm: %s needs at least one file\n", command.name);
            return 2;
        }
        return command.run(options, argv[0]);
    }
    std::fprintf(stderr, "qtcm: unknown command %s (qtcm --help lists the commands)\n", options.command.c_str());
    return 2;
}
