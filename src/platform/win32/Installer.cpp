#include "platform/InstallerBackend.h"

#include <windows.h>
#include <msi.h>

namespace platform::InstallerBackend {

const ComponentLookup kDefaultLookup = nullptr;

bool ProductCode(const std::string& componentId, std::string& productCode)
{
    char buffer[39] = "";
    if (::MsiGetProductCodeA(componentId.c_str(), buffer) != ERROR_SUCCESS)
        return false;
    productCode = buffer;
    return true;
}

ComponentState Locate(const std::string& componentId, std::string& path)
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

void InstallMissing(const std::string& productCode, const std::string& componentId)
{
    ::MsiInstallMissingComponentA(productCode.c_str(), componentId.c_str(), INSTALLSTATE_DEFAULT);
}

std::string NativePath(const std::string& path) { return path; }

} // namespace platform::InstallerBackend
