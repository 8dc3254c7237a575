#include "discovery/CQIUtility.h"
#include "platform/Registry.h"
#include "platform/TorqaServices.h"

// Where QIM! and TORQA! keep their files. QIM! records its directories in the registry per version
// and edition (VT identifiers below 9, HP identifiers 9 to 16); TORQA! answers through its services.

namespace {

using platform::RegistryHive;

constexpr std::size_t kClassNameBuffer = 40;
constexpr std::size_t kPathBuffer = 260;
constexpr const char* kSettingsKey = "Software\\Korvanesta\\QIM!";
constexpr const char* kDefaultUserSettingsKey = ".DEFAULT\\Software\\Korvanesta\\QIM!";

struct QimLookup {
    bool defaultUser;
    const char* valueName;
};

// By identifier modulo the edition: 3 macro path, 5 session directory, 7 common directory; the even
// identifier after each asks the default user.
bool DescribeQimLookup(unsigned identifier, QimLookup& lookup)
{
    const unsigned local = identifier >= 9 ? identifier - 8 : identifier;
    switch (local) {
    case 3: lookup = {false, "MacroPath"}; return true;
    case 4: lookup = {true, "MacroPath"}; return true;
    case 5: lookup = {false, "Directory"}; return true;
    case 6: lookup = {true, "Directory"}; return true;
    case 7: lookup = {false, "CommonDirectory"}; return true;
    case 8: lookup = {true, "CommonDirectory"}; return true;
    default: return false;
    }
}

} // namespace

bool CQIUtility::GetLocation(unsigned identifier, std::string& out) const
{
    if (identifier == kTorqaMacroDir || identifier == kTorqaSessionDir || identifier == kTorqaSchemeDir) {
        static const char* const kSchemeTags[] = {"TKM", "TTB", "TQP", "TDC"};
        if (identifier == kTorqaMacroDir)
            return platform::TorqaDirectory("TBM", out);
        if (identifier == kTorqaSessionDir)
            return platform::TorqaDirectory("TDP", out);
        for (const char* tag : kSchemeTags)
            if (platform::TorqaDirectory(tag, out))
                return true;
        return false;
    }
    if (identifier == kTorqaInstallPath)
        return platform::TorqaInstallPath(out);

    if (identifier >= 17)
        return platform::ReadExpandedValue(RegistryHive::CurrentUser, kSettingsKey, "", kPathBuffer, out);

    const bool hp = identifier >= 9;
    std::string className;
    if (!platform::ReadRegistryValue(RegistryHive::LocalMachine, hp ? "Software\\Classes\\.qhc" : "Software\\Classes\\.qtc",
                                     "", kClassNameBuffer, className))
        return false;
    out = className;
    if (identifier == kVtClassName || identifier == kHpClassName)
        return true;

    QimLookup lookup{};
    if (!DescribeQimLookup(identifier, lookup))
        return platform::ReadExpandedValue(RegistryHive::CurrentUser, kSettingsKey, "", kPathBuffer, out);
    std::string version;
    if (className.find("5.10") != std::string::npos)
        version = "\\5.10";
    else if (className.find("5.00") != std::string::npos)
        version = "\\5.00";
    else
        return false;
    const std::string key =
        std::string(lookup.defaultUser ? kDefaultUserSettingsKey : kSettingsKey) + version + "\\" + (hp ? "QIMHP" : "QIMVT");
    return platform::ReadExpandedValue(lookup.defaultUser ? RegistryHive::Users : RegistryHive::CurrentUser, key,
                                       lookup.valueName, kPathBuffer, out);
}

bool CQIUtility::GetFileTypeName(unsigned identifier, std::string& out) const
{
    switch (identifier) {
    case 3: case 4: case 11: case 12: out = "QIM! Macro"; return true;
    case kTorqaSchemeDir: out = "TORQA! Scheme Files"; return true;
    default: break;
    }
    const char* key = "Software\\Classes\\QIM!.Session";
    out = "QIM! Session";
    if (identifier == kTorqaMacroDir) {
        key = "Software\\Classes\\TORQA!BasicMacro";
        out = "TORQA! Basic Macro";
    } else if (identifier == kTorqaSessionDir) {
        key = "Software\\Classes\\TORQA!.Session.1";
        out = "TORQA! Session";
    }
    std::string name;
    if (!platform::ReadRegistryValue(platform::RegistryHive::LocalMachine, key, "", kClassNameBuffer, name))
        return false;
    out = name;
    return true;
}
