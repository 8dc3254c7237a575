#pragma once
// The command line of qtcm: one command, its operands and the options of every command.
#include <string>
#include <vector>

struct Options {
    std::string command;            // "help" and "version" for --help and --version
    std::vector<std::string> files; // the operands after the command
    std::vector<std::string> registries;
    bool exampleDesk = false;
    std::string directories[4];
    std::string report;
    std::string output; // -o FILE: where preview writes its picture
};

extern const char kUsage[];
extern const char kVersion[];

// False with a message for an unknown option, an option without its value, or no command.
bool ParseArguments(int argc, char** argv, Options& options, std::string& error);
