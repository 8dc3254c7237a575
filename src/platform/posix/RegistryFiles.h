#pragma once
// The registry of a posix machine: the text files that regedit and `reg export` write, listed in
// the environment variable QTCM_REGISTRY (separated by ':'). The files are imported from last to
// first, so a file earlier in the list overrides a later one, as on a search path.
#include "platform/Registry.h"

#include <map>
#include <string>
#include <vector>

namespace platform {

struct RegistryData {
    enum Type : unsigned { None = 0, String = 1, ExpandString = 2, Binary = 3, DWord = 4, MultiString = 7 };
    unsigned type = String;
    std::string bytes; // strings without their terminating zero
};

class RegistryStore {
public:
    // Imports the text of one export file. False when it is not one (unknown first line); a line
    // it cannot read is skipped and the rest still imported.
    bool Import(const std::string& fileContent);
    const RegistryData* Find(RegistryHive hive, const std::string& key, const std::string& name) const;

private:
    void ImportLine(const std::string& line, bool unicode, std::string& currentKey);
    std::map<std::string, std::map<std::string, RegistryData>> m_keys; // folded key path -> values
};

// The files QTCM_REGISTRY names, in its order.
std::vector<std::string> RegistryFileList();
// The registry files named by QTCM_REGISTRY, read afresh.
RegistryStore LoadRegistryFromEnvironment();
// The same, read once and kept while the variable and the files stay as they are (the same names,
// sizes and modification times): a translation asks the registry a dozen times.
const RegistryStore& CurrentRegistry();

} // namespace platform
