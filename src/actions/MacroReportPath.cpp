#include "actions/MacroReportPath.h"

std::string& MacroReportPath()
{
    static std::string path;
    return path;
}
