#include "formats/ReportLines.h"

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

} // namespace report
