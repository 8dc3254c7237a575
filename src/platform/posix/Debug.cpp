#include "platform/Debug.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

void DebugOutput(const std::string& text)
{
    if (std::getenv("QTCM_DEBUG"))
        std::fputs(text.c_str(), stderr);
}

} // namespace platform
