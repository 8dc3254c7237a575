#include "platform/AsciiCase.h"
#include "platform/posix/RegistryView.h"

namespace platform {

std::optional<RegistryData> RegistryView::Find(RegistryHive hive, const std::string& key, const std::string& name) const
{
    if (const RegistryData* data = files.Find(hive, key, name))
        return *data;
    if (!disk || files.Deletes(hive, key, &name))
        return std::nullopt;
    return disk->Find(hive, key, name);
}

std::map<std::string, RegistryData> RegistryView::Values(RegistryHive hive, const std::string& key) const
{
    std::map<std::string, RegistryData> values;
    if (disk && !files.Deletes(hive, key))
        for (auto& [name, data] : disk->Values(hive, key))
            if (!files.Deletes(hive, key, &name))
                values[FoldCase(name)] = data;
    if (const auto* filed = files.Values(hive, key))
        for (const auto& [name, data] : *filed)
            values[name] = data;
    return values;
}

namespace {

bool IsText(const RegistryData& data)
{
    return data.type == RegistryData::String || data.type == RegistryData::ExpandString;
}

} // namespace

void RegistryView::ComputeVariables()
{
    variables.clear();
    if (!disk)
        return;
    auto lookup = [this](const std::string& name) -> const char* {
        const auto found = variables.find(FoldCase(name));
        return found == variables.end() ? nullptr : found->second.c_str();
    };
    // A string value as Windows reads it for the environment: expandable ones see what is set so far.
    auto text = [&](RegistryHive hive, const std::string& key, const char* name) -> std::string {
        const std::optional<RegistryData> data = Find(hive, key, name);
        if (!data || !IsText(*data))
            return {};
        return data->type == RegistryData::ExpandString ? ExpandVariables(data->bytes, lookup) : data->bytes;
    };
    auto set = [this](const std::string& name, const std::string& value) { variables[FoldCase(name)] = value; };
    auto either = [](const std::string& value, const std::string& otherwise) { return value.empty() ? otherwise : value; };

    const RegistryHive machine = RegistryHive::LocalMachine, user = RegistryHive::CurrentUser;
    const std::string currentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";
    const std::string profileList = "Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";
    const std::string shellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    const std::string drive = disk->SystemDrive();

    // What the system sets for every user.
    set("SystemDrive", drive);
    set("SystemRoot", disk->SystemRoot());
    set("windir", disk->SystemRoot());
    set("OS", "Windows_NT");
    set("ComSpec", disk->SystemRoot() + "\\system32\\cmd.exe");
    // The 32-bit view of the SOFTWARE hive gives a 32-bit program's ProgramFiles, as Windows sets it.
    const std::string programFiles = either(text(machine, currentVersion, "ProgramFilesDir"), drive + "\\Program Files");
    set("ProgramFiles", programFiles);
    set("CommonProgramFiles", either(text(machine, currentVersion, "CommonFilesDir"), programFiles + "\\Common Files"));
    if (const std::string x86 = text(machine, currentVersion, "ProgramFilesDir (x86)"); !x86.empty())
        set("ProgramFiles(x86)", x86);
    const std::string programData = text(machine, profileList, "ProgramData");
    const std::string allUsers = text(machine, profileList, "AllUsersProfile"); // before Vista: a folder name
    if (!programData.empty() || allUsers.empty()) {
        set("ProgramData", either(programData, drive + "\\ProgramData"));
        set("ALLUSERSPROFILE", either(programData, drive + "\\ProgramData"));
    } else {
        set("ALLUSERSPROFILE",
            either(text(machine, profileList, "ProfilesDirectory"), drive + "\\Documents and Settings") + "\\" + allUsers);
    }
    if (const std::string publicFolder = text(machine, profileList, "Public"); !publicFolder.empty())
        set("PUBLIC", publicFolder);

    // What logon sets for the user, from the profile and the user's shell folders; without a user
    // (the library given a root alone) there is no profile to speak of.
    const std::string profile = disk->ProfileFolder();
    if (!profile.empty()) {
        const bool beforeVista = profile.find("\\Documents and Settings\\") != std::string::npos;
        set("USERNAME", disk->User());
        set("USERPROFILE", profile);
        set("HOMEDRIVE", profile.substr(0, 2));
        set("HOMEPATH", profile.size() > 2 ? profile.substr(2) : "\\");
        const std::string appData = either(text(user, shellFolders, "AppData"),
                                           profile + (beforeVista ? "\\Application Data" : "\\AppData\\Roaming"));
        const std::string localAppData =
            either(text(user, shellFolders, "Local AppData"),
                   profile + (beforeVista ? "\\Local Settings\\Application Data" : "\\AppData\\Local"));
        set("APPDATA", appData);
        set("LOCALAPPDATA", localAppData);
        const std::string temp = beforeVista ? profile + "\\Local Settings\\Temp" : localAppData + "\\Temp";
        set("TEMP", temp);
        set("TMP", temp);
    }

    // The user's own variables come last and win, each expandable one expanded by what came before.
    for (const auto& [name, data] : Values(user, "Environment")) {
        if (!name.empty() && IsText(data))
            set(name, data.type == RegistryData::ExpandString ? ExpandVariables(data.bytes, lookup) : data.bytes);
    }
}

} // namespace platform
