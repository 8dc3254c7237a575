#include "platform/Installer.h"

#include <windows.h>
#include <msi.h>

namespace platform {

bool ComponentProductCode(const std::string& componentId, std::string& productCode)
{
    char buffer[39] = "";
    if (::MsiGetProductCodeA(componentId.c_str(), buffer) != ERROR_SUCCESS)
        return false;
    productCode = buffer;
    return true;
}

ComponentState LocateComponent(const std::string& componentId, std::string& path)
{
    char buffer[MAX_PATH + 1] = "";
    DWORD size = MAX_PATH;
    const INSTALLSTATE state = ::MsiLocateComponentA(componentId.c_str(), buffer, &size);
    path = buffer;
    switch (state) {
    case INSTALLSTATE_LOCAL: return ComponentState::Local;
    case INSTALLSTATE_SOURCE: return ComponentState::Source;
    case INSTALLSTATE_ABSENT: return ComponentState::Absent;
    default: return ComponentState::Unknown;
    }
}

void InstallMissingComponent(const std::string& productCode, const std::string& componentId)
{
    ::MsiInstallMissingComponentA(productCode.c_str(), componentId.c_str(), INSTALLSTATE_DEFAULT);
}

} // namespace platform
