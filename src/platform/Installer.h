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
// component identifier under HKLM\Software\Korvanesta\TORQA!\Components. Tests on Windows answer
// the installer's questions this way too (SetRegistryComponents(true)) instead of registering a
// product with the real installer.
bool RegistryComponentPath(const std::string& componentId, std::string& path);
void SetRegistryComponents(bool fromRegistry);

} // namespace platform
