#include "platform/Installer.h"

#include "platform/InstallerBackend.h"
#include "platform/Registry.h"

namespace platform {

namespace {
constexpr const char* kComponentsKey = "Software\\Korvanesta\\TORQA!\\Components";
constexpr const char* kRegistryProduct = "{00000000-0000-0000-0000-000000000000}";
constexpr std::size_t kBuffer = 260;
bool g_fromRegistry = InstallerBackend::kHasInstaller ? false : true;
} // namespace

bool RegistryComponentPath(const std::string& componentId, std::string& path)
{
    std::string expanded;
    if (!ReadExpandedValue(RegistryHive::LocalMachine, kComponentsKey, componentId, kBuffer, expanded))
        return false;
    path = InstallerBackend::NativePath(expanded);
    return true;
}

void SetRegistryComponents(bool fromRegistry) { g_fromRegistry = fromRegistry || !InstallerBackend::kHasInstaller; }

bool ComponentProductCode(const std::string& componentId, std::string& productCode)
{
    if (!g_fromRegistry)
        return InstallerBackend::ProductCode(componentId, productCode);
    std::string path;
    if (!RegistryComponentPath(componentId, path))
        return false;
    productCode = kRegistryProduct; // one product: the desk's TORQA!
    return true;
}

ComponentState LocateComponent(const std::string& componentId, std::string& path)
{
    if (!g_fromRegistry)
        return InstallerBackend::Locate(componentId, path);
    return RegistryComponentPath(componentId, path) ? ComponentState::Local : ComponentState::Unknown;
}

void InstallMissingComponent(const std::string& productCode, const std::string& componentId)
{
    if (!g_fromRegistry)
        InstallerBackend::InstallMissing(productCode, componentId);
}

} // namespace platform
