#pragma once
// The registry of a copied Windows system drive, read straight from its hive files through hivex:
// SOFTWARE for HKEY_LOCAL_MACHINE\Software, the user's NTUSER.DAT for HKEY_CURRENT_USER, DEFAULT for
// HKEY_USERS\.DEFAULT. QTCM_WINDOWS_ROOT names the drive's folder and QTCM_WINDOWS_USER the user
// whose profile is migrated.
#include "platform/posix/RegistryFiles.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct hive_h;

namespace platform {

// What is wrong with the bytes of a hive file, "" when nothing is. Checked before hivex reads the
// file: hivex trusts the lengths the file gives for some records, so a file cut short, a cell that
// runs out of its bin, or a record or list that would run past the end of the file is refused here.
std::string HiveDamage(const std::string& bytes);

// One hive file, opened once and asked many times: the answers are kept, as each look-up walks
// the key's lists name by name.
class HiveFile {
public:
    // nullptr, with what is wrong in problem, when the file cannot be read or is no sound hive.
    static std::unique_ptr<HiveFile> Open(const std::string& nativePath, std::string& problem);
    ~HiveFile();
    HiveFile(const HiveFile&) = delete;
    HiveFile& operator=(const HiveFile&) = delete;

    // A value of the key at keyPath (below the hive's root, '\' between the names); names compare
    // ignoring ASCII case. Strings come back as ANSI text without their terminating zero.
    std::optional<RegistryData> Find(const std::string& keyPath, const std::string& name) const;
    // Every value of a key, with its name as stored.
    std::vector<std::pair<std::string, RegistryData>> Values(const std::string& keyPath) const;
    bool HasKey(const std::string& keyPath) const;
    // The names of a key's subkeys.
    std::vector<std::string> Subkeys(const std::string& keyPath) const;

private:
    explicit HiveFile(hive_h* hive);
    std::size_t Node(const std::string& keyPath) const; // 0: no such key
    hive_h* m_hive;
    mutable std::map<std::string, std::size_t> m_nodes;                      // folded path -> node
    mutable std::map<std::string, std::optional<RegistryData>> m_values;      // folded path '\0' name
};

// The hives of one copied system drive for one user.
class WindowsDisk {
public:
    // Opens what the disk has; a hive that is missing or unsound is left out and, with problems
    // given, said there as "file: what is wrong". SOFTWARE and the user's NTUSER.DAT are expected;
    // DEFAULT only counts when present.
    WindowsDisk(const std::string& root, const std::string& user, std::vector<std::string>* problems = nullptr);

    const std::string& Root() const { return m_root; }
    const std::string& User() const { return m_user; }
    // Where the user's profile is, as Windows names it (C:\Users\ann), and the system folder.
    const std::string& ProfileFolder() const { return m_profile; }
    const std::string& SystemRoot() const { return m_systemRoot; }
    std::string SystemDrive() const;

    // A value of the registry the disk holds, for the hives it has: HKEY_LOCAL_MACHINE\Software
    // (as a 32-bit program sees it: under WOW6432Node first, where the disk has that key),
    // HKEY_CURRENT_USER and HKEY_USERS\.DEFAULT.
    std::optional<RegistryData> Find(RegistryHive hive, const std::string& key, const std::string& name) const;
    std::vector<std::pair<std::string, RegistryData>> Values(RegistryHive hive, const std::string& key) const;

    // The hive files read, for telling when one changes.
    const std::vector<std::string>& Files() const { return m_files; }

private:
    // A Windows path as a path of this system.
    std::string Native(const std::string& windowsPath) const;
    const HiveFile* Place(RegistryHive hive, const std::string& key, std::string& inside) const;
    std::string m_root, m_user, m_profile, m_systemRoot;
    std::unique_ptr<HiveFile> m_software, m_ntuser, m_default;
    bool m_wow64 = false; // the SOFTWARE hive has a 32-bit view
    std::vector<std::string> m_files;
};

// QTCM_WINDOWS_ROOT and QTCM_WINDOWS_USER; false when no root is set.
bool WindowsDiskFromEnvironment(std::string& root, std::string& user);

// The first thing wrong with the hives of the disk at root for user ("file: what is wrong"), ""
// when they serve; for a host, which stops at it.
std::string CheckWindowsDisk(const std::string& root, const std::string& user);

} // namespace platform
