#include "platform/posix/RegistryFiles.h"

#include "platform/posix/NativePath.h"

#include <ctime>
#include <sys/stat.h>

namespace platform {

namespace {

// A file changed less than this long ago may change again within the same tick of its clock.
constexpr time_t kSettled = 2;

// What the registry was read from: each file's name and the identity, size and time it had.
// settled is false when a file changed too recently for its time to tell a later change apart.
std::string Signature(const std::vector<std::string>& files, bool& settled)
{
    std::string signature;
    settled = true;
    const time_t now = ::time(nullptr);
    for (const std::string& file : files) {
        struct stat info {};
        signature += file;
        if (::stat(NativePath(file).c_str(), &info) == 0) {
            if (info.st_mtim.tv_sec + kSettled >= now)
                settled = false;
            for (const long long part : {static_cast<long long>(info.st_dev), static_cast<long long>(info.st_ino),
                                         static_cast<long long>(info.st_size), static_cast<long long>(info.st_mtim.tv_sec),
                                         static_cast<long long>(info.st_mtim.tv_nsec)})
                signature += ":" + std::to_string(part);
        }
        signature.push_back('\0');
    }
    return signature;
}

} // namespace

const RegistryStore& CurrentRegistry()
{
    static RegistryStore store;
    static std::string readFrom;
    static bool keep = false;
    bool settled = false;
    std::string signature = Signature(RegistryFileList(), settled);
    if (!keep || signature != readFrom) {
        store = LoadRegistryFromEnvironment();
        readFrom = std::move(signature);
        keep = settled; // a file that just changed is read again next time
    }
    return store;
}

} // namespace platform
