#pragma once
// What a platform's installer offers, behind the installer operations of Installer.h.
#include "platform/Installer.h"

namespace platform::InstallerBackend {

// The look-up used when no other is set: nullptr where the platform has an installer.
extern const ComponentLookup kDefaultLookup;
bool ProductCode(const std::string& componentId, std::string& productCode);
ComponentState Locate(const std::string& componentId, std::string& path);
void InstallMissing(const std::string& productCode, const std::string& componentId);
std::string NativePath(const std::string& path);

} // namespace platform::InstallerBackend
