#include "platform/Debug.h"

#include <windows.h>

namespace platform {

void DebugOutput(const std::string& text) { ::OutputDebugStringA(text.c_str()); }

} // namespace platform
