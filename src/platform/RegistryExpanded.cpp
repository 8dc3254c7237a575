#include "platform/Registry.h"

namespace platform {

bool ReadExpandedValue(RegistryHive hive, const std::string& key, const std::string& valueName,
                       std::size_t bufferSize, std::string& out)
{
    std::string raw;
    if (!ReadRegistryValue(hive, key, valueName, bufferSize, raw))
        return false;
    std::string expanded;
    if (!ExpandEnvironment(raw, bufferSize, expanded) || expanded.empty())
        return false;
    out = expanded;
    return true;
}

} // namespace platform
