#include "Desk.h"

#include "HostPlatform.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/TorqaServices.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBuffer = 260;
std::vector<std::string> g_notices;

void CollectNotice(const char* message, void*) { g_notices.emplace_back(message ? message : ""); }

const char* const kDirectoryOptions[4] = {"--qim-sessions", "--sessions", "--schemes", "--macros"};
const char* const kDirectoryNames[4] = {"QIM! sessions", "TORQA! sessions", "TORQA! schemes", "TORQA! macros"};

std::string FolderOf(const std::string& path)
{
    const std::size_t sep = path.find_last_of("/\\");
    return sep == std::string::npos ? std::string(".") : path.substr(0, sep);
}

// The example installation: its registry file refers to QTCM_EXAMPLES (the examples folder),
// QTCM_DEMO (the output folder) and QTCM_MACRO_TRANSLATOR (the demo macro translator, built beside
// qtcm); each is set only when the caller has not set it.
bool PrepareExampleDesk(const char* hostPath, std::vector<std::string>& registries, std::string& error)
{
    host::SetEnvironmentDefault("QTCM_EXAMPLES", QTCM_EXAMPLES_DIR);
    host::SetEnvironmentDefault("QTCM_DEMO", QTCM_DEMO_DIR);
    host::SetEnvironmentDefault("QTCM_MACRO_TRANSLATOR", FolderOf(hostPath) + "/" QTCM_MACRO_TRANSLATOR_NAME);
    registries.push_back(QTCM_EXAMPLES_DIR "/registry/example-desk.reg");
    const fs::path demo = std::getenv("QTCM_DEMO");
    for (const char* sub : {"Sessions", "Schemes", "Macros"}) {
        std::error_code code;
        fs::create_directories(demo / sub, code);
        if (code) {
            error = "cannot create the example desk's folder " + (demo / sub).string() + ": " + code.message();
            return false;
        }
    }
    return true;
}

// A directory named on the command line must be a folder; the TORQA! ones must take new files.
bool CheckDirectoryOption(unsigned index, const std::string& path, std::string& error)
{
    std::error_code code;
    const fs::file_status status = fs::status(path, code);
    const std::string option = std::string(kDirectoryOptions[index]) + " " + path;
    if (!fs::exists(status))
        error = option + ": no such folder";
    else if (!fs::is_directory(status))
        error = option + ": not a folder";
    else if (index > 0 && !platform::CanWrite(path))
        error = option + ": the folder cannot be written";
    else
        return true;
    return false;
}

// A folder an option names, made absolute; "" with error set ("label: what") when it is none.
std::string AbsoluteFolder(const std::string& label, const std::string& path, std::string& error)
{
    std::error_code code;
    const fs::file_status status = fs::status(path, code);
    if (!fs::exists(status)) {
        error = label + ": no such folder";
        return {};
    }
    if (!fs::is_directory(status)) {
        error = label + ": not a folder";
        return {};
    }
    std::string absolute = fs::absolute(path, code).lexically_normal().string();
    while (absolute.size() > 1 && (absolute.back() == '/' || absolute.back() == '\\'))
        absolute.pop_back();
    return absolute;
}

bool Given(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

// --drive, --windows-root and --user become QTCM_DRIVES, QTCM_WINDOWS_ROOT and QTCM_WINDOWS_USER,
// which the library's file names and registry read.
bool PrepareWindowsDisk(const Options& options, std::string& error)
{
    if ((!options.drives.empty() || !options.windowsRoot.empty() || !options.user.empty()) &&
        host::HasSystemRegistry()) {
        error = "--windows-root, --user and --drive serve systems without a registry: here the drives and the "
                "registry are the system's own";
        return false;
    }

    std::string entries;
    std::set<char> letters;
    for (const std::string& mapping : options.drives) {
        const char letter = UpperAscii(mapping[0]);
        const std::string label = "--drive " + mapping;
        if (!letters.insert(letter).second) {
            error = label + ": the drive " + std::string(1, letter) + ": is given twice";
            return false;
        }
        const std::string folder = AbsoluteFolder(label, mapping.substr(3), error);
        if (folder.empty())
            return false;
        if (folder.find(';') != std::string::npos) {
            error = label + ": a folder whose name holds ';' cannot be listed in QTCM_DRIVES";
            return false;
        }
        entries += (entries.empty() ? "" : ";") + std::string(1, letter) + ":=" + folder;
    }
    if (!entries.empty()) {
        // The command line wins over QTCM_DRIVES for the letters it names; the others stay.
        std::string kept;
        const std::string listed = Given("QTCM_DRIVES") ? std::getenv("QTCM_DRIVES") : "";
        std::size_t start = 0;
        while (start < listed.size()) {
            const std::size_t end = std::min(listed.find(';', start), listed.size());
            const std::string entry = listed.substr(start, end - start);
            if (!entry.empty() && !(entry.size() >= 2 && entry[1] == ':' && letters.count(UpperAscii(entry[0]))))
                kept += entry + ";";
            start = end + 1;
        }
        host::SetEnvironment("QTCM_DRIVES", kept + entries);
    }

    const bool root = !options.windowsRoot.empty() || Given("QTCM_WINDOWS_ROOT");
    const bool user = !options.user.empty() || Given("QTCM_WINDOWS_USER");
    if (!options.user.empty() && !root) {
        error = "--user " + options.user +
                " needs --windows-root DIR, the copied system drive that holds the user's profile";
        return false;
    }
    if (!options.user.empty() && (options.user.find_first_of("/\\") != std::string::npos || options.user == "." ||
                                  options.user == "..")) {
        error = "--user " + options.user + ": not a user name (the name of the user's profile folder under Users)";
        return false;
    }
    if (root && !user) {
        error = std::string(options.windowsRoot.empty() ? "QTCM_WINDOWS_ROOT" : "--windows-root") +
                " needs --user NAME (or QTCM_WINDOWS_USER): the user whose profile (Users\\NAME) on that drive is migrated";
        return false;
    }
    if (!options.windowsRoot.empty()) {
        const std::string folder = AbsoluteFolder("--windows-root " + options.windowsRoot, options.windowsRoot, error);
        if (folder.empty())
            return false;
        host::SetEnvironment("QTCM_WINDOWS_ROOT", folder);
    }
    if (!options.user.empty())
        host::SetEnvironment("QTCM_WINDOWS_USER", options.user);
    return true;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// What the TORQA! services were asked for; where a registry key answers for them, its name.
std::string TorqaLookup(const std::string& value, bool directories)
{
    const char* key = host::TorqaServicesKey();
    if (!key)
        return "the TORQA! services library (KOS.dll) gave no answer for " + Quoted(value);
    return "no value " + Quoted(value) + " under " + key + (directories ? "\\Directories" : "");
}

// The QIM! session directory is looked for per edition, under the version that the edition's
// session class names, for the current and the default user.
std::string MissingQimDirectory()
{
    struct Edition {
        const char* extension;
        const char* word;
    };
    const Edition editions[] = {{".qtc", "QIMVT"}, {".qhc", "QIMHP"}};
    std::string looked, notes;
    for (const Edition& edition : editions) {
        const std::string classKey = std::string("Software\\Classes\\") + edition.extension;
        std::string className;
        if (!platform::ReadRegistryValue(platform::RegistryHive::LocalMachine, classKey, "", 40, className))
            continue;
        const char* version = className.find("5.10") != std::string::npos   ? "5.10"
                              : className.find("5.00") != std::string::npos ? "5.00"
                                                                            : nullptr;
        if (!version) {
            notes += "; the class " + Quoted(className) + " of " + edition.extension +
                     " names no version (5.10 or 5.00)";
            continue;
        }
        const std::string key = std::string("Software\\Korvanesta\\QIM!\\") + version + "\\" + edition.word;
        const struct {
            platform::RegistryHive hive;
            std::string name, key;
        } places[] = {{platform::RegistryHive::CurrentUser, "HKEY_CURRENT_USER", key},
                      {platform::RegistryHive::Users, "HKEY_USERS", ".DEFAULT\\" + key}};
        for (const auto& place : places) {
            looked += (looked.empty() ? "" : "; ") + place.name + "\\" + place.key;
            for (const char* value : {"Directory", "CommonDirectory"}) {
                std::string path;
                if (platform::ReadExpandedValue(place.hive, place.key, value, kBuffer, path))
                    notes += "; " + path + " (" + value + " of " + place.name + "\\" + place.key + ") cannot be read";
            }
        }
    }
    if (looked.empty() && notes.empty())
        return "no QIM! session class under HKEY_LOCAL_MACHINE\\Software\\Classes\\.qtc or .qhc";
    if (looked.empty())
        return notes.substr(2);
    return "looked for \"Directory\" and \"CommonDirectory\" under " + looked + notes;
}

} // namespace

std::vector<std::string> TakeNotices()
{
    std::vector<std::string> notices;
    notices.swap(g_notices);
    return notices;
}

std::string Directory(const QtcmLibrary& library, const Options& options, unsigned index)
{
    char typeName[kBuffer] = "", directory[kBuffer] = "", filter[kBuffer] = "";
    library.directories(index, typeName, directory, filter);
    const std::string known = directory;
    const std::string& given = index < 4 ? options.directories[index] : known;
    return known.size() == kBuffer - 1 && given.rfind(known, 0) == 0 ? given : known;
}

std::string MissingDirectory(unsigned index)
{
    std::string why;
    if (index == 0) {
        why = "not found: " + MissingQimDirectory();
    } else {
        const char* const tags[4] = {"", "TDP", "TKM", "TBM"};
        std::string path;
        if (!platform::TorqaDirectory(tags[index], path))
            why = "not found: " + TorqaLookup(tags[index], true);
        else if (!platform::PathExists(path))
            why = "not found: " + path + " (" + Quoted(tags[index]) + ") does not exist";
        else
            // There, but the library keeps only a folder it can write into.
            why = "is read-only: " + path + " (" + Quoted(tags[index]) + ") cannot be written";
    }
    return std::string("directory ") + std::to_string(index) + " (" + kDirectoryNames[index] + ") " + why +
           "; give it with " + kDirectoryOptions[index] + " DIR";
}

std::string DeskDescription(const Options& options)
{
    if (options.exampleDesk)
        return "the bundled example desk";
    std::string text;
    const char* listed = std::getenv("QTCM_REGISTRY");
    if (listed && *listed)
        text = std::string("registry ") + listed;
    if (Given("QTCM_WINDOWS_ROOT"))
        text += (text.empty() ? "" : "; ") + std::string("Windows drive ") + std::getenv("QTCM_WINDOWS_ROOT") +
                (Given("QTCM_WINDOWS_USER") ? std::string(", user ") + std::getenv("QTCM_WINDOWS_USER") : "");
    return text.empty() ? std::string("the system registry") : text;
}

std::string MissingInstallation()
{
    std::string path;
    if (platform::TorqaInstallPath(path))
        return {};
    return "no TORQA! installation: " + TorqaLookup("InstallPath", false);
}

std::string DefaultReport(const Options& options)
{
    if (options.exampleDesk)
        return (fs::path(std::getenv("QTCM_DEMO")) / "migration-report.txt").string();
    return "migration-report.txt";
}

int OpenDesk(const Options& options, const char* hostPath, QtcmLibrary& library)
{
    std::string error;
    if (!PrepareWindowsDisk(options, error)) {
        std::fprintf(stderr, "qtcm: %s\n", error.c_str());
        return 2;
    }
    std::vector<std::string> registries = options.registries;
    if (!options.exampleDesk && registries.empty() && !Given("QTCM_REGISTRY") && !Given("QTCM_WINDOWS_ROOT") &&
        !host::HasSystemRegistry()) {
        std::fputs("qtcm: no desk: this system has no registry, so qtcm needs the registry export of the machine\n"
                   "to migrate: name it with --registry FILE or QTCM_REGISTRY=FILE[:FILE...] (the README's\n"
                   "\"The registry on Linux\" lists the keys), or give a copied Windows system drive with\n"
                   "--windows-root DIR --user NAME, or try the bundled example with --example-desk\n",
                   stderr);
        return 2;
    }
    if ((options.exampleDesk && !PrepareExampleDesk(hostPath, registries, error)) ||
        !host::UseRegistryFiles(registries, error) || !host::UseWindowsDisk(error)) {
        std::fprintf(stderr, "qtcm: %s\n", error.c_str());
        return 2;
    }
    for (unsigned index = 0; index < 4; ++index) {
        if (!options.directories[index].empty() && !CheckDirectoryOption(index, options.directories[index], error)) {
            std::fprintf(stderr, "qtcm: %s\n", error.c_str());
            return 2;
        }
    }
    host::UsePrivateTemporaryFolder();
    if (!library.Load(hostPath, error)) {
        std::fprintf(stderr, "qtcm: %s\n", error.c_str());
        return 2;
    }
    library.setNoticeHandler(&CollectNotice, nullptr);
    library.initialize();
    for (unsigned index = 0; index < 4; ++index)
        if (!options.directories[index].empty())
            library.setDirPath(index, options.directories[index].c_str());
    return 0;
}
