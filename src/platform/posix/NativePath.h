#pragma once
// Paths handed to the library may come from Windows (backslashes); the posix file system wants
// slashes. Every posix backend that touches the file system goes through this.
#include <string>

namespace platform {

std::string NativePath(const std::string& path);

} // namespace platform
