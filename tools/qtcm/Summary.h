#pragma once
// What a run did, summed up from its record: a few lines at the end of the console output, a JSON
// document for programs (--summary FILE.json) and one page for a browser (--html FILE.html).
#include "RunRecord.h"

#include <cstdio>
#include <string>

// The run's totals, the reasons of the sources not translated, left out or skipped, the properties
// most often not carried over, the sessions with the most losses and the notices by kind.
void PrintSummary(const RunRecord& run, std::FILE* out);

// The whole record as JSON (its fields are listed in the README). False with a message when the
// file cannot be written.
bool WriteSummaryJson(const RunRecord& run, const std::string& path, std::string& error);

// One self-contained HTML page: the overview, then a section per source with its report lines by
// statement group and the files it created (QuickPad and toolbar pictures, key map, menu document,
// macros). False with a message when the file cannot be written.
bool WriteSummaryHtml(const RunRecord& run, const std::string& path, std::string& error);
