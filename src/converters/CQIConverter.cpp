#include "converters/CQIConverter.h"

#include "platform/Files.h"
#include "translator/Report.h"

void CQIConverter::ReportProperty(const char* text, int code)
{
    const std::string line = report::PropertyLine(text ? text : "", code);
    if (code == kUnrecognized)
        ++m_unrecognized;
    else if (code == kUnconverted || code == kMacroFailed)
        ++m_unconverted;
    // A run without a report file (the caller named none) still counts.
    if (!line.empty() && m_reportFile && m_reportFile->IsOpen())
        m_reportFile->WriteString(line);
}
