#include "platform/FileSystem.h"

namespace platform {

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

bool EndsWithSeparator(const std::string& path) { return !path.empty() && IsPathSeparator(path.back()); }

} // namespace platform
