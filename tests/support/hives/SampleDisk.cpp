#include "support/hives/SampleDisk.h"

#include "support/hives/HiveWriter.h"

#include <filesystem>

namespace testing_support {

bool WriteSampleDisk(const std::string& root, const std::string& user, const std::string& qimHome, std::string& error)
{
    namespace fs = std::filesystem;
    const fs::path config = fs::path(root) / "Windows" / "System32" / "config";
    const fs::path profile = fs::path(root) / "Users" / user;
    std::error_code code;
    fs::create_directories(config, code);
    fs::create_directories(profile, code);
    const std::string profileList = "Microsoft\\Windows NT\\CurrentVersion\\ProfileList";
    const std::vector<HiveKey> software = {
        {"Microsoft\\Windows NT\\CurrentVersion", {{"SystemRoot", kRegSz, "C:\\WINDOWS"}}},
        {profileList,
         {{"ProgramData", kRegExpandSz, "%SystemDrive%\\ProgramData"},
          {"Public", kRegExpandSz, "%SystemDrive%\\Users\\Public"},
          {"ProfilesDirectory", kRegExpandSz, "%SystemDrive%\\Users"}}},
        {profileList + "\\S-1-5-18", {{"ProfileImagePath", kRegExpandSz, "%systemroot%\\system32\\config\\systemprofile"}}},
        {profileList + "\\S-1-5-21-1004336348-1177238915-682003330-1001",
         {{"ProfileImagePath", kRegExpandSz, "%SystemDrive%\\Users\\" + user}, HiveValue::Dword("Flags", 0)}},
        {"Microsoft\\Windows\\CurrentVersion",
         {{"ProgramFilesDir", kRegSz, "C:\\Program Files"},
          {"ProgramFilesDir (x86)", kRegSz, "C:\\Program Files (x86)"},
          {"CommonFilesDir", kRegSz, "C:\\Program Files\\Common Files"}}},
        {"WOW6432Node\\Microsoft\\Windows\\CurrentVersion",
         {{"ProgramFilesDir", kRegSz, "C:\\Program Files (x86)"},
          {"ProgramFilesDir (x86)", kRegSz, "C:\\Program Files (x86)"},
          {"CommonFilesDir", kRegSz, "C:\\Program Files (x86)\\Common Files"}}},
        {"Classes\\.qtc", {{"", kRegSz, "QIMVT.Session.5.10"}}},
        {"Classes\\QIM!.Session", {{"", kRegSz, "QIM! Session"}}},
        {"WOW6432Node\\Korvanesta\\TORQA!",
         {{"InstallPath", kRegSz, "C:\\Program Files (x86)\\TORQA!\\"}, {"Language", kRegSz, "ENU"}}},
        {"WOW6432Node\\Korvanesta\\TORQA!\\Directories",
         {{"TDP", kRegExpandSz, "%USERPROFILE%\\Documents\\TORQA!\\Sessions"},
          {"TKM", kRegExpandSz, "%USERPROFILE%\\Documents\\TORQA!\\Schemes"},
          {"TBM", kRegExpandSz, "%USERPROFILE%\\Documents\\TORQA!\\Macros"}}},
    };
    const std::vector<HiveKey> ntuser = {
        {"Software\\Korvanesta\\QIM!\\5.10\\QIMVT",
         {{"Directory", kRegExpandSz, "%QIMHOME%\\Sessions"}, {"MacroPath", kRegExpandSz, "%APPDATA%\\QIM\\Macros"}}},
        {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
         {{"AppData", kRegExpandSz, "%USERPROFILE%\\AppData\\Roaming"}}},
        {"Environment",
         {{"QIMHOME", kRegSz, qimHome}, {"TEMP", kRegExpandSz, "%USERPROFILE%\\AppData\\Local\\Temp"}}},
    };
    const std::vector<HiveKey> defaultUser = {
        {"Software\\Korvanesta\\QIM!\\5.10\\QIMVT", {{"CommonDirectory", kRegExpandSz, "%SystemDrive%\\QIM\\Common"}}},
    };
    return WriteHive((config / "SOFTWARE").string(), software, error) &&
           WriteHive((profile / "NTUSER.DAT").string(), ntuser, error) &&
           WriteHive((config / "DEFAULT").string(), defaultUser, error);
}

} // namespace testing_support
