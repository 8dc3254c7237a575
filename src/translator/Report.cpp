#include "translator/Report.h"

#include "platform/Files.h"

namespace report {

void AppendMacroReport(platform::File& reportFile, const std::string& macroReportPath)
{
    if (macroReportPath.empty())
        return;
    platform::File macroReport;
    platform::FileError error;
    if (!macroReport.Open(macroReportPath, platform::OpenMode::ReadDenyWrite, true, error))
        return;
    // The lines that can be read are appended; a read failure (a folder, a vanished file) ends them.
    std::string lines;
    try {
        std::string line;
        while (macroReport.ReadString(line))
            lines += line + "\n";
    } catch (const platform::FileException&) {
    }
    reportFile.WriteString(lines);
}

} // namespace report
