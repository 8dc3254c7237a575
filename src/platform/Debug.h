#pragma once
// Text for a developer watching the process (a debugger on Windows; stderr when QTCM_DEBUG is set
// elsewhere). Never seen by users.
#include <string>

namespace platform {

void DebugOutput(const std::string& text);

} // namespace platform
