#pragma once
// The commands of qtcm. Each takes the parsed command line and the host's own path (the library
// and the demo macro translator are found beside it) and answers the exit status.
#include "Options.h"

using CommandFunction = int (*)(const Options& options, const char* hostPath);

int DirsCommand(const Options& options, const char* hostPath);
int CheckCommand(const Options& options, const char* hostPath);
int MigrateCommand(const Options& options, const char* hostPath);
int PlanCommand(const Options& options, const char* hostPath);

// The hidden command of the worker processes, and its name.
extern const char kWorkerCommand[];
int WorkerCommand(const Options& options, const char* hostPath);
