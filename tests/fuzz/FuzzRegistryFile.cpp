// Fuzzing the reader of registry export files (the posix registry): any bytes as one file, then
// the look-ups a translation makes. A problem it reports names a line of the file.
#include "platform/posix/RegistryFiles.h"

#include "FuzzCheck.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string content(reinterpret_cast<const char*>(data), size);
    platform::RegistryStore store;
    platform::RegistryProblem problem;
    store.Import(content, &problem);
    const auto lines = static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1;
    Require(problem.line <= lines && (problem.line == 0) == problem.what.empty());
    using platform::RegistryHive;
    for (const RegistryHive hive : {RegistryHive::LocalMachine, RegistryHive::CurrentUser, RegistryHive::Users})
        for (const char* key : {"Software\\Korvanesta\\TORQA!", "Software\\Classes\\.qtc", "a", ""})
            for (const char* name : {"", "InstallPath", "Directory", "a"})
                if (const platform::RegistryData* found = store.Find(hive, key, name))
                    Require(found->bytes.size() <= size * 2 + 16);
    return 0;
}
