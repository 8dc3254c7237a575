#pragma once
// The registry the posix backend answers from: the export files (QTCM_REGISTRY) in front of the
// hives of a copied Windows system drive (QTCM_WINDOWS_ROOT, QTCM_WINDOWS_USER), and the variables
// that expandable strings see.
#include "platform/posix/RegistryFiles.h"
#include "platform/posix/RegistryHives.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace platform {

class RegistryView {
public:
    // The files' value, else the disk's unless a file deleted it.
    std::optional<RegistryData> Find(RegistryHive hive, const std::string& key, const std::string& name) const;
    // A variable as %NAME% sees it (names compare ignoring case); nullptr when it has none. With a
    // copied disk these are the migrated user's variables, else this process's environment.
    const char* Variable(const std::string& name) const;
    // Makes the user's variables from the disk and the registry: what Windows sets at logon
    // (USERPROFILE, APPDATA, SystemRoot, ...), then the user's own HKEY_CURRENT_USER\Environment.
    void ComputeVariables();

    RegistryStore files;
    std::shared_ptr<const WindowsDisk> disk; // none without QTCM_WINDOWS_ROOT
    std::map<std::string, std::string> variables; // with a disk: by case-folded name

private:
    std::map<std::string, RegistryData> Values(RegistryHive hive, const std::string& key) const;
};

// The registry as the environment describes it now; read once and kept while the variables and
// the files they name stay as they are (the same names, sizes and modification times): a
// translation asks the registry a dozen times.
const RegistryView& CurrentRegistry();

// text with each %NAME% that lookup knows replaced by its value; the others stay as written.
std::string ExpandVariables(const std::string& text, const std::function<const char*(const std::string&)>& lookup);

} // namespace platform
