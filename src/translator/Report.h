#pragma once
// The end of a report section: the macro translator's own report lines (the texts of the section
// are formats/ReportLines.h).
#include <string>

namespace platform {
class File;
}

namespace report {

// Appends the macro translator's report file, line by line, when it names one that can be read.
void AppendMacroReport(platform::File& reportFile, const std::string& macroReportPath);

} // namespace report
