#include "platform/Registry.h"

#include <vector>
#include <windows.h>

namespace platform {

bool ReadRegistryValue(RegistryHive hive, const std::string& key, const std::string& valueName,
                       std::size_t bufferSize, std::string& out)
{
    HKEY root = HKEY_LOCAL_MACHINE;
    if (hive == RegistryHive::CurrentUser)
        root = HKEY_CURRENT_USER;
    else if (hive == RegistryHive::Users)
        root = HKEY_USERS;
    HKEY handle = nullptr;
    if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    std::vector<char> buffer(bufferSize + 1, '\0');
    DWORD size = static_cast<DWORD>(bufferSize);
    const LONG status = ::RegQueryValueExA(handle, valueName.c_str(), nullptr, nullptr,
                                           reinterpret_cast<BYTE*>(buffer.data()), &size);
    ::RegCloseKey(handle);
    if (status != ERROR_SUCCESS)
        return false;
    // The data is read as a zero-terminated string, whatever its type.
    out.assign(buffer.data(), ::strnlen(buffer.data(), size));
    return true;
}

bool ExpandEnvironment(const std::string& text, std::size_t bufferSize, std::string& out)
{
    std::vector<char> buffer(bufferSize + 1, '\0');
    const DWORD needed = ::ExpandEnvironmentStringsA(text.c_str(), buffer.data(), static_cast<DWORD>(bufferSize));
    if (needed == 0 || needed > bufferSize)
        return false;
    out = buffer.data();
    return true;
}

} // namespace platform
