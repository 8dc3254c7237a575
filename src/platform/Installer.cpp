#include "platform/Installer.h"

#include "platform/InstallerBackend.h"

namespace platform {

namespace {
constexpr const char* kLookupProduct = "{00000000-0000-0000-0000-000000000000}";
ComponentLookup g_lookup = nullptr;

ComponentLookup Lookup() { return g_lookup ? g_lookup : InstallerBackend::kDefaultLookup; }
} // namespace

void SetComponentLookup(ComponentLookup lookup) { g_lookup = lookup; }

bool ComponentProductCode(const std::string& componentId, std::string& productCode)
{
    const ComponentLookup lookup = Lookup();
    if (!lookup)
        return InstallerBackend::ProductCode(componentId, productCode);
    std::string path;
    if (!lookup(componentId, path))
        return false;
    productCode = kLookupProduct; // one product: the desk's TORQA!
    return true;
}

ComponentState LocateComponent(const std::string& componentId, std::string& path)
{
    const ComponentLookup lookup = Lookup();
    if (!lookup)
        return InstallerBackend::Locate(componentId, path);
    return lookup(componentId, path) ? ComponentState::Local : ComponentState::Unknown;
}

void InstallMissingComponent(const std::string& productCode, const std::string& componentId)
{
    if (!Lookup())
        InstallerBackend::InstallMissing(productCode, componentId);
}

} // namespace platform
