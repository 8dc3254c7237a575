#pragma once
// The checks of a desk before anything is written: qtcm doctor shows them all, migrate and plan run
// them first and stop when one that every translation needs fails. One row per check.
#include "Library.h"
#include "Options.h"

#include <string>
#include <vector>

// What the desk says, gathered once; the checks then look at the files and folders it names.
struct DeskFacts {
    std::string install;     // the TORQA! installation folder with its separator; "" unknown
    std::string installWhy;  // why it is unknown
    std::string language;    // the language folder (ENU)
    std::string directories[4];
    std::string directoryWhy[4]; // why a directory is unknown
    std::string directorySetBy[4]; // the option that named it, when one did
    bool translatorKnown = false; // the macro translator's component has a path
    std::string translator;
    std::string temporary; // the temporary folder
};

DeskFacts GatherDeskFacts(const QtcmLibrary& library, const Options& options);

struct DeskCheck {
    const char* name;  // "session template"
    const char* tests; // what it looks at
    const char* setBy; // the registry value or option that sets it
    bool needed;       // every translation needs it: migrate and plan stop when it fails
    // "" when the check passes; else what is wrong, naming the file and what sets it.
    std::string (*probe)(const DeskFacts& facts);
};

extern const DeskCheck kDeskChecks[];
extern const std::size_t kDeskCheckCount;

struct CheckResult {
    const DeskCheck* check;
    std::string problem; // "" passed
};

std::vector<CheckResult> RunDeskChecks(const DeskFacts& facts);

// Says on stderr what failed (the checks not needed as warnings). False when a needed one failed.
bool ReportDeskChecks(const std::vector<CheckResult>& results);

// The checks of migrate and plan: gathered, run and reported; false when the run must stop.
bool DeskReady(const QtcmLibrary& library, const Options& options);

// qtcm doctor: every check with its result; 0 all passed, 1 only checks not needed failed, 2 a
// needed one failed (or the desk could not be opened).
int DoctorCommand(const Options& options, const char* hostPath);
