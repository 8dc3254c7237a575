#include "platform/AsciiCase.h"
#include "platform/posix/NativePath.h"
#include "platform/posix/RegistryHives.h"
#include "platform/posix/RegistryView.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>

namespace platform {

namespace {

const char kCurrentVersion[] = "Microsoft\\Windows NT\\CurrentVersion";
const char kProfileList[] = "Microsoft\\Windows NT\\CurrentVersion\\ProfileList";
const char kWow64[] = "WOW6432Node";

std::string TextOf(const std::optional<RegistryData>& data)
{
    return data && (data->type == RegistryData::String || data->type == RegistryData::ExpandString) ? data->bytes
                                                                                                     : std::string();
}

// A path inside the copied drive ('\' or '/' between the names) as a path of this system; the
// file-name layer finds each name ignoring case.
std::string OnDisk(const std::string& root, std::string inside)
{
    std::replace(inside.begin(), inside.end(), '\\', '/');
    return NativePath(root + (inside.empty() || inside[0] != '/' ? "/" : "") + inside);
}

bool IsFile(const std::string& nativePath)
{
    struct stat info {};
    return ::stat(nativePath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool StartsWithNoCase(const std::string& text, const std::string& start)
{
    return text.size() >= start.size() && EqualsNoCase(text.substr(0, start.size()), start);
}

// The first name of a key path and the rest.
std::pair<std::string, std::string> SplitFirst(const std::string& key)
{
    std::size_t begin = key.find_first_not_of('\\');
    if (begin == std::string::npos)
        return {};
    const std::size_t sep = key.find('\\', begin);
    if (sep == std::string::npos)
        return {key.substr(begin), {}};
    return {key.substr(begin, sep - begin), key.substr(sep + 1)};
}

// The profile folders of the disk that hold an NTUSER.DAT, for a message naming the users there.
std::string ProfilesOnDisk(const std::string& root)
{
    std::vector<std::string> names;
    for (const char* folder : {"Users", "Documents and Settings"}) {
        DIR* dir = ::opendir(OnDisk(root, folder).c_str());
        if (!dir)
            continue;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != ".." && IsFile(OnDisk(root, std::string(folder) + "/" + name + "/NTUSER.DAT")))
                names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    return list.empty() ? "no profile on this disk has one" : "profiles there: " + list;
}

} // namespace

WindowsDisk::WindowsDisk(const std::string& root, const std::string& user, std::vector<std::string>* problems)
    : m_root(root), m_user(user), m_systemRoot("C:\\Windows")
{
    while (m_root.size() > 1 && m_root.back() == '/')
        m_root.pop_back();
    auto open = [&](const std::string& file, const std::string& hint, bool optional) {
        m_files.push_back(file);
        std::string problem;
        std::unique_ptr<HiveFile> hive = HiveFile::Open(file, problem);
        if (!hive && problems && !(optional && problem == "no such file"))
            problems->push_back(file + ": " + problem + (problem == "no such file" ? hint : ""));
        return hive;
    };

    m_software = open(OnDisk(m_root, "Windows/System32/config/SOFTWARE"),
                      ": " + m_root + " is not a copied Windows system drive (the folder holding Windows and Users)",
                      false);
    if (m_software) {
        const std::string systemRoot = TextOf(m_software->Find(kCurrentVersion, "SystemRoot"));
        if (systemRoot.size() >= 3 && systemRoot[1] == ':')
            m_systemRoot = systemRoot;
        m_wow64 = m_software->HasKey(kWow64);
    }
    if (!m_user.empty()) {
        // The user's profile: where the SOFTWARE hive's profile list puts a folder of that name, else
        // where Windows creates profiles (Users, or Documents and Settings before Vista).
        const std::string drive = SystemDrive();
        auto early = [&](const std::string& name) -> const char* {
            return EqualsNoCase(name, "SystemDrive") ? drive.c_str()
                   : EqualsNoCase(name, "SystemRoot") ? m_systemRoot.c_str()
                                                       : nullptr;
        };
        if (m_software) {
            for (const std::string& sid : m_software->Subkeys(kProfileList)) {
                const std::string path = ExpandVariables(
                    TextOf(m_software->Find(std::string(kProfileList) + "\\" + sid, "ProfileImagePath")), early);
                const std::size_t sep = path.find_last_of('\\');
                if (sep != std::string::npos && EqualsNoCase(path.substr(sep + 1), m_user)) {
                    m_profile = path;
                    break;
                }
            }
        }
        if (m_profile.empty()) {
            m_profile = drive + "\\Users\\" + m_user;
            const std::string old = drive + "\\Documents and Settings\\" + m_user;
            if (!IsFile(Native(m_profile + "\\NTUSER.DAT")) && IsFile(Native(old + "\\NTUSER.DAT")))
                m_profile = old;
        }
        m_ntuser = open(Native(m_profile + "\\NTUSER.DAT"),
                        ": the disk has no profile of the user " + m_user + " (" + ProfilesOnDisk(m_root) + ")", false);
    }
    m_default = open(OnDisk(m_root, "Windows/System32/config/DEFAULT"), "", true);
}

std::string WindowsDisk::SystemDrive() const { return m_systemRoot.substr(0, 2); }

std::string WindowsDisk::Native(const std::string& windowsPath) const
{
    // The system drive is the copied folder; another drive is for the file-name layer to map.
    const std::string drive = SystemDrive();
    if (StartsWithNoCase(windowsPath, drive) && (windowsPath.size() == 2 || windowsPath[2] == '\\'))
        return OnDisk(m_root, windowsPath.substr(2));
    return NativePath(windowsPath);
}

const HiveFile* WindowsDisk::Place(RegistryHive hive, const std::string& key, std::string& inside) const
{
    switch (hive) {
    case RegistryHive::LocalMachine: {
        auto [first, rest] = SplitFirst(key);
        if (!m_software || !EqualsNoCase(first, "Software"))
            return nullptr;
        // A 32-bit program on 64-bit Windows sees the keys under WOW6432Node where they are there;
        // QTCm is one, and so were the programs whose keys it reads.
        const std::string wow = std::string(kWow64) + "\\" + rest;
        const bool redirected = m_wow64 && !StartsWithNoCase(SplitFirst(rest).first, kWow64) && m_software->HasKey(wow);
        inside = redirected ? wow : rest;
        return m_software.get();
    }
    case RegistryHive::CurrentUser:
        inside = key;
        return m_ntuser.get();
    case RegistryHive::Users: {
        auto [first, rest] = SplitFirst(key);
        inside = rest;
        return EqualsNoCase(first, ".DEFAULT") ? m_default.get() : nullptr;
    }
    }
    return nullptr;
}

std::optional<RegistryData> WindowsDisk::Find(RegistryHive hive, const std::string& key, const std::string& name) const
{
    std::string inside;
    const HiveFile* file = Place(hive, key, inside);
    return file ? file->Find(inside, name) : std::nullopt;
}

std::vector<std::pair<std::string, RegistryData>> WindowsDisk::Values(RegistryHive hive, const std::string& key) const
{
    std::string inside;
    const HiveFile* file = Place(hive, key, inside);
    return file ? file->Values(inside) : std::vector<std::pair<std::string, RegistryData>>();
}

bool WindowsDiskFromEnvironment(std::string& root, std::string& user)
{
    const char* rootVariable = std::getenv("QTCM_WINDOWS_ROOT");
    const char* userVariable = std::getenv("QTCM_WINDOWS_USER");
    if (!rootVariable || !*rootVariable)
        return false;
    root = rootVariable;
    user = userVariable ? userVariable : "";
    return true;
}

std::string CheckWindowsDisk(const std::string& root, const std::string& user)
{
    std::vector<std::string> problems;
    const WindowsDisk disk(root, user, &problems);
    return problems.empty() ? std::string() : problems.front();
}

} // namespace platform
