#pragma once
// The command line of qtcm: one command, its operands and the options of every command.
#include <string>
#include <vector>

struct Options {
    std::string command;            // "help" and "version" for --help and --version
    std::vector<std::string> arguments; // the whole command line after "qtcm", as given
    std::vector<std::string> files; // the operands after the command
    std::vector<std::string> registries;
    std::vector<std::string> drives; // --drive L:=DIR, as given (the form checked)
    std::string windowsRoot;         // --windows-root DIR
    std::string user;                // --user NAME
    bool exampleDesk = false;
    std::string directories[4];
    std::string report;
    std::string output; // -o FILE: where preview writes its picture
    std::string summaryJson;            // --summary FILE.json
    std::string html;                   // --html FILE.html
    std::string map;    // --map FILE.csv: every source and the files it created
    std::string desks;  // --desks FILE.csv: a fleet of desks to migrate
    bool skipExisting = false;
    unsigned jobs = 0; // -j N: worker processes; 0 when not given
};

// The options that only some commands have a use for, as bits of Command::accepts.
enum OptionUse : unsigned {
    kUsesReport = 1, kUsesOutput = 2, kUsesMap = 4, kUsesDesks = 8, kUsesSkipExisting = 16, kUsesJobs = 32,
    kUsesSummaries = 64, // --summary and --html
};

// The first option given that a command has no use for ("--report"), or nullptr.
const char* UnusedOption(const Options& options, unsigned accepts);

extern const char kUsage[];
extern const char kVersion[];

// False with a message for an unknown option, an option without its value, a --drive not of the
// form L:=DIR, or no command.
bool ParseArguments(int argc, char** argv, Options& options, std::string& error);
