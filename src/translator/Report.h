#pragma once
// The texts of a report section: header, one line per property not carried over, totals and the
// separator, written in that order by the run and its converters.
#include <string>

namespace platform {
class File;
}

namespace report {

std::string Header(const std::string& sourcePath, const std::string& outputPath);
// Empty for a code outside 1 to 3.
std::string PropertyLine(const std::string& text, int code);
std::string Totals(unsigned unconverted, unsigned unrecognized);
extern const char kSeparator[];

// Appends the macro translator's report file, line by line, when it names one that can be read.
void AppendMacroReport(platform::File& reportFile, const std::string& macroReportPath);

} // namespace report
