#pragma once
// Where an installed component (by its identifier, braces included) keeps its file: the macro
// translator library is found this way.
#include <string>

namespace platform {

enum class ComponentState { Unknown, Absent, Local, Source };

// The product the component belongs to; false when the component is not known.
bool ComponentProductCode(const std::string& componentId, std::string& productCode);
// The component's state and, for a present one, the path of its file.
ComponentState LocateComponent(const std::string& componentId, std::string& path);
// Asks the installer to install an absent component of a product.
void InstallMissingComponent(const std::string& productCode, const std::string& componentId);

// Where there is no installer, the registry names a component's file: a value named after the
// component identifier under HKLM\Software\Korvanesta\TORQA!\Components. Part of what posix
// emulates (platform/emulated), so not in the Windows library.
bool RegistryComponentPath(const std::string& componentId, std::string& path);

// The look-up that answers the installer's questions instead of the platform's installer: posix
// always has RegistryComponentPath; tests on Windows set it too rather than register a product with
// the real installer. nullptr restores the platform's own way.
using ComponentLookup = bool (*)(const std::string& componentId, std::string& path);
void SetComponentLookup(ComponentLookup lookup);

} // namespace platform
