#pragma once
// The macro translator's report file of this process, empty until a macro is translated. The
// migration report takes its lines at the end of every run.
#include <string>

std::string& MacroReportPath();
