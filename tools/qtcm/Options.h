#pragma once
// The command line of qtcm: one command, its operands and the options of every command.
#include <string>
#include <vector>

struct Options {
    std::string command;            // "help" and "version" for --help and --version
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
    std::vector<std::string> arguments; // the command line after "qtcm", as given
};

extern const char kUsage[];
extern const char kVersion[];

// False with a message for an unknown option, an option without its value, a --drive not of the
// form L:=DIR, or no command.
bool ParseArguments(int argc, char** argv, Options& options, std::string& error);
