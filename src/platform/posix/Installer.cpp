#include "platform/InstallerBackend.h"

#include "platform/posix/NativePath.h"

// No installer here: the registry answers (see Installer.cpp).
namespace platform::InstallerBackend {

const ComponentLookup kDefaultLookup = &RegistryComponentPath;
bool ProductCode(const std::string&, std::string&) { return false; }
ComponentState Locate(const std::string&, std::string&) { return ComponentState::Unknown; }
void InstallMissing(const std::string&, const std::string&) {}
std::string NativePath(const std::string& path) { return platform::NativePath(path); }

} // namespace platform::InstallerBackend
