#include "platform/Notice.h"

#include <windows.h>

namespace platform {

void ShowDefaultNotice(const std::string& message)
{
    ::MessageBoxA(nullptr, message.c_str(), "QTCm", MB_OK | MB_ICONEXCLAMATION);
}

} // namespace platform
