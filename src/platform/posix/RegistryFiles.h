#pragma once
// The registry of a posix machine: the text files that regedit and `reg export` write, listed in
// the environment variable QTCM_REGISTRY (separated by ':'). The files are imported from last to
// first, so a file earlier in the list overrides a later one, as on a search path.
#include "platform/Registry.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace platform {

struct RegistryData {
    enum Type : unsigned { None = 0, String = 1, ExpandString = 2, Binary = 3, DWord = 4, MultiString = 7 };
    unsigned type = String;
    std::string bytes; // strings without their terminating zero
};

// The first thing in an export file that the import could not read: its line (from 1) and what.
struct RegistryProblem {
    std::size_t line = 0; // 0: none
    std::string what;
};

class RegistryStore {
public:
    // Imports the text of one export file. False when it is not one (unknown first line); a line
    // it cannot read is skipped and the rest still imported. The first such problem goes into
    // problem when one is given, so a host can tell the user where a desk's file is wrong.
    bool Import(const std::string& fileContent, RegistryProblem* problem = nullptr);
    const RegistryData* Find(RegistryHive hive, const std::string& key, const std::string& name) const;
    // The values of a key by their case-folded names; nullptr when no file has the key.
    const std::map<std::string, RegistryData>* Values(RegistryHive hive, const std::string& key) const;
    // True when a file deleted the key, a key above it, or (with a name) the value: what a hive
    // behind the files holds there is gone, as when the files are imported into that registry.
    bool Deletes(RegistryHive hive, const std::string& key, const std::string* name = nullptr) const;

private:
    // nullptr when the line was read, else what is wrong with it.
    const char* ImportLine(const std::string& line, bool unicode, std::string& currentKey);
    std::map<std::string, std::map<std::string, RegistryData>> m_keys; // folded key path -> values
    std::set<std::string> m_deletedKeys;   // folded key paths
    std::set<std::string> m_deletedValues; // folded key path '\0' folded value name
};

// The files QTCM_REGISTRY names, in its order.
std::vector<std::string> RegistryFileList();
// The registry files named by QTCM_REGISTRY, read afresh.
RegistryStore LoadRegistryFromEnvironment();

} // namespace platform
