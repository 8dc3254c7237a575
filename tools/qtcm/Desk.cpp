#include "Desk.h"

#include "HostPlatform.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/TorqaServices.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

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
        why = MissingQimDirectory();
    } else {
        const char* const tags[4] = {"", "TDP", "TKM", "TBM"};
        std::string path;
        if (!platform::TorqaDirectory(tags[index], path))
            why = TorqaLookup(tags[index], true);
        else if (!platform::PathExists(path))
            why = path + " (" + Quoted(tags[index]) + ") does not exist";
        else
            why = path + " (" + Quoted(tags[index]) + ") cannot be written";
    }
    return std::string("directory ") + std::to_string(index) + " (" + kDirectoryNames[index] + ") not found: " + why +
           "; give it with " + kDirectoryOptions[index] + " DIR";
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
    std::vector<std::string> registries = options.registries;
    const char* listed = std::getenv("QTCM_REGISTRY");
    if (!options.exampleDesk && registries.empty() && !(listed && *listed) && !host::HasSystemRegistry()) {
        std::fputs("qtcm: no desk: this system has no registry, so qtcm needs the registry export of the machine\n"
                   "to migrate: name it with --registry FILE or QTCM_REGISTRY=FILE[:FILE...] (the README's\n"
                   "\"The registry on Linux\" lists the keys), or try the bundled example with --example-desk\n",
                   stderr);
        return 2;
    }
    if ((options.exampleDesk && !PrepareExampleDesk(hostPath, registries, error)) ||
        !host::UseRegistryFiles(registries, error)) {
        std::fprintf(stderr, "qtcm: %s\n", error.c_str());
        return 2;
    }
    for (unsigned index = 0; index < 4; ++index) {
        if (!options.directories[index].empty() && !CheckDirectoryOption(index, options.directories[index], error)) {
            std::fprintf(stderr, "qtcm: %s\n", error.c_str());
            return 2;
        }
    }
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
