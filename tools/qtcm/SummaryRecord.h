#pragma once
// Filling the run record while a command runs: the run's facts, the report lines the library
// tells, and the files each translation created.
#include "Library.h"
#include "Options.h"
#include "RunRecord.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

// Local time now in ISO 8601 with its offset from UTC, as 2024-05-01T14:03:59+02:00.
std::string LocalTimeIso8601();

// The desk in words: the registry files (options, example desk, QTCM_REGISTRY), the copied
// Windows drive and its user, the mapped drives; or this system's registry. Asked after OpenDesk.
std::string DeskOf(const Options& options);

// Has the library tell each report line to the host from now on; TakeReportLines hands over those
// told since it was last called, each without its line end.
void HearReportLines(const QtcmLibrary& library);
std::vector<ReportLine> TakeReportLines();

// The record of a run of command begun now, with its options, desk and report.
RunRecord StartRunRecord(const char* command, const Options& options, const std::string& report);

// False with a message when --summary or --html names a file that cannot be written: a folder, or
// one in a folder that does not exist.
bool SummaryFilesWritable(const Options& options, std::string& error);

// Writes the summaries the options ask for and names them on stdout; false after saying on stderr
// what could not be written.
bool WriteRequestedSummaries(const RunRecord& run, const Options& options);

// Where the translations of a run put their files, and when the run began (less a second, as file
// times may lag the clock a little).
struct OutputFolders {
    std::string schemes, macros;
    std::filesystem::file_time_type since = std::filesystem::file_time_type::clock::now() - std::chrono::seconds(1);
};

// The files a translation created or replaced during the run: the session file, then the files of
// the scheme folder named like it (in its case or in capitals) with the extensions .tkm, .tqp,
// .ttb and .cmu, then the macros of the macro folder that these files name. Each session file of a
// run has a name of its own, and so have the macros, so a file written since the run began with
// such a name is this translation's.
std::vector<std::string> CreatedFiles(const std::string& sessionFile, const OutputFolders& folders);
