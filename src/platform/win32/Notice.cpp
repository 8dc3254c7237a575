#include "platform/Notice.h"

#include <windows.h>

namespace platform {

void ShowDefaultNotice(const std::string& message)
{
    ::MessageBoxA(nullptr, message.c_str(), "QTCm", MB_OK | MB_ICONEXCLAMATION);
}

void ShowDefaultWarning(const std::string& message) { ::OutputDebugStringA(("QTCm: " + message + "\n").c_str()); }

} // namespace platform
