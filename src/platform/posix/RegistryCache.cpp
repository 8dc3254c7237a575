#include "platform/posix/RegistryView.h"

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

const RegistryView& CurrentRegistry()
{
    static RegistryView view;
    static std::string filesReadFrom, diskReadFrom;
    static bool keepFiles = false, keepDisk = false;
    static unsigned long checkedInCall = 0;
    // Within one exported call the files are checked once: a translation asks the registry a few
    // dozen times, and nothing it runs writes the registry.
    const unsigned long call = CurrentCall();
    if (call != 0 && call == checkedInCall)
        return view;
    checkedInCall = call;
    bool changed = false;

    bool settled = false;
    std::string signature = Signature(RegistryFileList(), settled);
    if (!keepFiles || signature != filesReadFrom) {
        view.files = LoadRegistryFromEnvironment();
        filesReadFrom = std::move(signature);
        keepFiles = settled; // a file that just changed is read again next time
        changed = true;
    }

    // The disk: which root and user, and the hive files read for them (the user's hive is where
    // the SOFTWARE hive puts the profile, so the files are known once the disk is open).
    std::string root, user;
    const bool hasDisk = WindowsDiskFromEnvironment(root, user);
    const std::string which = hasDisk ? root + '\0' + user + '\0' : std::string();
    signature = which + (view.disk ? Signature(view.disk->Files(), settled) : std::string());
    if (!keepDisk || signature != diskReadFrom) {
        view.disk = hasDisk ? std::make_shared<const WindowsDisk>(root, user) : nullptr;
        diskReadFrom = which + (view.disk ? Signature(view.disk->Files(), settled) : std::string());
        keepDisk = settled || !hasDisk;
        changed = true;
    }
    if (changed)
        view.ComputeVariables();
    return view;
}

} // namespace platform
