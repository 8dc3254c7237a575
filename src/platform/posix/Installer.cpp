#include "platform/Installer.h"

#include "platform/Registry.h"
#include "platform/posix/NativePath.h"

namespace platform {

// Without an installer the registry says where a component's file is: a value named after the
// component identifier under the TORQA! key (see the README). No value: not installed.
namespace {
constexpr const char* kComponentsKey = "Software\\Korvanesta\\TORQA!\\Components";
constexpr std::size_t kBuffer = 260;

bool ComponentPath(const std::string& componentId, std::string& path)
{
    std::string raw;
    if (!ReadRegistryValue(RegistryHive::LocalMachine, kComponentsKey, componentId, kBuffer, raw))
        return false;
    std::string expanded;
    if (!ExpandEnvironment(raw, kBuffer, expanded) || expanded.empty())
        return false;
    path = NativePath(expanded);
    return true;
}
} // namespace

bool ComponentProductCode(const std::string& componentId, std::string& productCode)
{
    std::string path;
    if (!ComponentPath(componentId, path))
        return false;
    productCode = "{00000000-0000-0000-0000-000000000000}"; // one product: the desk's TORQA!
    return true;
}

ComponentState LocateComponent(const std::string& componentId, std::string& path)
{
    return ComponentPath(componentId, path) ? ComponentState::Local : ComponentState::Unknown;
}

void InstallMissingComponent(const std::string&, const std::string&) {}

} // namespace platform
