#include "platform/TorqaServices.h"

#include "platform/Registry.h"
#include "platform/posix/NativePath.h"

namespace platform {

// The TORQA! services answer from the emulated registry, where a migration desk describes the
// TORQA! installation (see the README). Values may refer to environment variables.
namespace {
constexpr const char* kTorqaKey = "Software\\Korvanesta\\TORQA!";
constexpr const char* kDirectoriesKey = "Software\\Korvanesta\\TORQA!\\Directories";
constexpr std::size_t kBuffer = 260;

bool ReadService(const char* key, const std::string& name, std::string& out)
{
    return ReadExpandedValue(RegistryHive::LocalMachine, key, name, kBuffer, out);
}
} // namespace

bool TorqaInstallPath(std::string& out)
{
    std::string path;
    if (!ReadService(kTorqaKey, "InstallPath", path))
        return false;
    path = NativePath(path);
    if (path.back() != '/')
        path.push_back('/');
    out = path;
    return true;
}

bool TorqaUserLanguage(std::string& out) { return ReadService(kTorqaKey, "Language", out); }

bool TorqaDirectory(const std::string& typeTag, std::string& out)
{
    std::string path;
    if (!ReadService(kDirectoriesKey, typeTag, path))
        return false;
    out = NativePath(path);
    return true;
}

} // namespace platform
