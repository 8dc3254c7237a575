#pragma once
// What migrate and plan print of a run: each source as it is done, the totals at the end, the map
// of created files, and the exit status.
#include "Options.h"
#include "RunRecord.h"

#include <string>

// The start of a run's record: its command, time, version and command line.
RunRecord StartRun(const char* command, const Options& options);

const char* StateName(SourceRecord::State state);

// Each source as migrate prints it: its session file and counts, or why not, and its warnings.
void PrintRecord(const SourceRecord& record);

// Local time, ISO 8601 with its offset from UTC (2024-05-17T14:03:22+02:00).
std::string LocalTimeNow();

// The end of a run of migrate or plan: the totals, the time, the report; then the map of created
// files when asked for (false with a message when it cannot be written).
void PrintTotals(const RunRecord& run, double seconds, bool showReport);
bool WriteMap(const std::string& file, const RunRecord& run, std::string& error);

// 0 when there was something to translate and all of it was, 1 otherwise.
int RunStatus(const RunRecord& run);

// Where every run of migrate and plan ends (and a fleet's): the summary on the console, and the
// summary files the options ask for; false when one of those could not be written.
bool EndOfRun(const RunRecord& run, const Options& options);
