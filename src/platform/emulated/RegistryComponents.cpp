#include "platform/Installer.h"

#include "platform/InstallerBackend.h"
#include "platform/Registry.h"

namespace platform {

namespace {
constexpr const char* kComponentsKey = "Software\\Korvanesta\\TORQA!\\Components";
constexpr std::size_t kBuffer = 260;
} // namespace

bool RegistryComponentPath(const std::string& componentId, std::string& path)
{
    std::string expanded;
    if (!ReadExpandedValue(RegistryHive::LocalMachine, kComponentsKey, componentId, kBuffer, expanded))
        return false;
    path = InstallerBackend::NativePath(expanded);
    return true;
}

} // namespace platform
