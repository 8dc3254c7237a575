#include "translator/Report.h"

#include "platform/Files.h"

namespace report {

const char kSeparator[] = "-------------------------------------------------------\n";

std::string Header(const std::string& sourcePath, const std::string& outputPath)
{
    return "QIM! session file converted: " + sourcePath + "\nSession file created: " + outputPath + "\n\n";
}

std::string PropertyLine(const std::string& text, int code)
{
    switch (code) {
    case 1: return "Unreconnized property:\t" + text + "\n";
    case 2: return "Unconverted property:\t" + text + "\n";
    case 3: return "Unable to convert macro:\t" + text + "\n";
    default: return {};
    }
}

std::string Totals(unsigned unconverted, unsigned unrecognized)
{
    // The counts print as signed numbers.
    return "\nNumber of unconverted properties: " + std::to_string(static_cast<int>(unconverted)) +
           "\nNumber of unrecognized properties: " + std::to_string(static_cast<int>(unrecognized)) + "\n\n";
}

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
