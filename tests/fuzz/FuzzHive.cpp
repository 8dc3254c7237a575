// Fuzzing the hive reader: any bytes as a copied Windows disk's SOFTWARE hive and the user's
// NTUSER.DAT, then what the registry asks of them: the profile list, values along the keys, the
// user's variables. hivex reads from a file, so the bytes go to one in TMPDIR (RAM in fuzz.sh). A
// crash, a read past the bytes or undefined behaviour is a finding; a refusal is not.
#include "platform/posix/RegistryHives.h"
#include "platform/posix/RegistryView.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

void WriteAll(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        std::abort();
    for (std::size_t done = 0; done < size;) {
        const ssize_t wrote = ::write(fd, data + done, size - done);
        if (wrote <= 0)
            std::abort();
        done += static_cast<std::size_t>(wrote);
    }
    ::close(fd);
}

// Every value of every key down to a few levels, as far as a few hundred keys.
void Walk(const platform::HiveFile& hive, const std::string& key, int depth, int& budget)
{
    if (depth > 6 || --budget < 0)
        return;
    hive.Values(key);
    for (const std::string& child : hive.Subkeys(key))
        Walk(hive, key.empty() ? child : key + "\\" + child, depth + 1, budget);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string root = [] {
        const char* tmp = std::getenv("TMPDIR");
        const std::string dir = std::string(tmp && *tmp ? tmp : "/tmp") + "/qtcm-fuzz-hive-" + std::to_string(::getpid());
        std::filesystem::create_directories(dir + "/Windows/System32/config");
        std::filesystem::create_directories(dir + "/Users/ann");
        return dir;
    }();
    const std::string software = root + "/Windows/System32/config/SOFTWARE";
    WriteAll(software, data, size);
    WriteAll(root + "/Users/ann/NTUSER.DAT", data, size);

    std::string problem;
    if (const auto hive = platform::HiveFile::Open(software, problem)) {
        int budget = 300;
        Walk(*hive, "", 0, budget);
        hive->Find("Korvanesta\\TORQA!", "InstallPath");
        hive->Find("Classes\\.qtc", "");
    }
    platform::RegistryView view;
    view.disk = std::make_shared<const platform::WindowsDisk>(root, "ann");
    view.ComputeVariables();
    view.Find(platform::RegistryHive::LocalMachine, "Software\\Korvanesta\\TORQA!\\Directories", "TDP");
    view.Find(platform::RegistryHive::CurrentUser, "Software\\Korvanesta\\QIM!\\5.10\\QIMVT", "Directory");
    return 0;
}
