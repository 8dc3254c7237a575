#pragma once
// Paths handed to the library may come from Windows (backslashes); the posix file system wants
// slashes. Every posix backend that touches the file system goes through this.
#include "platform/Files.h"

#include <string>

namespace platform {

std::string NativePath(const std::string& path);

// What an errno value means to the user.
FileError::Cause CauseOfErrno(int code);

} // namespace platform
