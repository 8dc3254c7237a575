#pragma once
// The summary files a run of migrate or plan was asked for (--summary FILE.json, --html FILE.html):
// checked before anything is written, written at the end.
#include "Options.h"
#include "RunRecord.h"

#include <string>

// False with a message when --summary or --html names a file that cannot be written: a folder, or
// one in a folder that does not exist.
bool SummaryFilesWritable(const Options& options, std::string& error);

// Writes the summaries the options ask for and names them on stdout; false after saying on stderr
// what could not be written.
bool WriteRequestedSummaries(const RunRecord& run, const Options& options);
