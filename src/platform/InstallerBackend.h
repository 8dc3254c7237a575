#pragma once
// What a platform's installer offers, behind the installer operations of Installer.h.
#include "platform/Installer.h"

namespace platform::InstallerBackend {

extern const bool kHasInstaller;
bool ProductCode(const std::string& componentId, std::string& productCode);
ComponentState Locate(const std::string& componentId, std::string& path);
void InstallMissing(const std::string& productCode, const std::string& componentId);
std::string NativePath(const std::string& path);

} // namespace platform::InstallerBackend
