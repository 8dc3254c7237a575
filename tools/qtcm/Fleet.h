#pragma once
// qtcm migrate --desks FILE.csv: a fleet of desks, each migrated by a worker process of its own.
#include "Options.h"
#include "RunRecord.h"

#include <string>
#include <vector>

// One row of the list of desks, its paths made whole (relative ones lead from the list's folder).
struct DeskRow {
    std::size_t line = 0;
    std::string name;
    std::vector<std::string> registries;
    std::string windowsRoot, user;
    std::string directories[4]; // QIM! sessions, sessions, schemes, macros
    std::string output;
    std::vector<std::string> sources;
};

// The rows of a list of desks; false with "FILE: line N: what" when the list cannot serve.
bool ReadDesks(const std::string& file, std::vector<DeskRow>& desks, std::string& error);

int MigrateFleet(const Options& options, const char* hostPath);
