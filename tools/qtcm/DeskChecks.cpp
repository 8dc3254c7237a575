#include "DeskChecks.h"

#include "Desk.h"
#include "HostPlatform.h"
#include "platform/DynamicLibrary.h"
#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/Installer.h"
#include "platform/Menus.h"
#include "platform/TorqaServices.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr const char* kComponent = "{6D0C2A57-91B4-4E8F-B3A2-5C7E19F04D68}";
constexpr unsigned kMainMenu = 130;
const char* const kDirectoryOptions[4] = {"--qim-sessions", "--sessions", "--schemes", "--macros"};
const char* const kDirectoryNames[4] = {"QIM! sessions", "TORQA! sessions", "TORQA! schemes", "TORQA! macros"};
const char* const kDirectoryTags[4] = {"", "TDP", "TKM", "TBM"};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string TorqaKey(const char* value, bool directories = false)
{
    const char* key = host::TorqaServicesKey();
    return Quoted(value) + (key ? std::string(" under ") + key + (directories ? "\\Directories" : "")
                                : std::string(" of the TORQA! services"));
}

// Writable as an administrator means it: a folder with no write permission for anyone is read-only
// even for root, as a report file is (Windows refuses writing into read-only files alike).
bool Writable(const std::string& folder)
{
#ifdef _WIN32
    return platform::CanWrite(folder);
#else
    std::error_code code;
    constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return platform::CanWrite(folder) && (fs::status(folder, code).permissions() & kWrite) != fs::perms::none;
#endif
}

std::string Installation(const DeskFacts& facts)
{
    if (facts.install.empty())
        return facts.installWhy;
    const std::string local = platform::LocalName(facts.install);
    std::error_code code;
    if (!fs::is_directory(local, code))
        return "the TORQA! installation folder " + facts.install + " (" + TorqaKey("InstallPath") +
               ") does not exist";
    return {};
}

std::string Template(const DeskFacts& facts)
{
    if (facts.install.empty())
        return "no session template: " + facts.installWhy;
    const char sep = platform::kPathSeparator;
    const std::string path = facts.install + "Sessions" + sep + facts.language + sep + "Template" + sep + "Async.tdp";
    platform::File file;
    platform::FileError error;
    if (file.Open(path, platform::OpenMode::ReadDenyWrite, true, error))
        return {};
    std::string why = error.Describe();
    if (facts.language.empty())
        why += "; no " + TorqaKey("Language") + " names the language folder";
    return "the session template cannot be read: " + why + " (the template is the installation folder, " +
           TorqaKey("InstallPath") + ", with Sessions\\<Language>\\Template\\Async.tdp)";
}

std::string ResourceLibrary(const DeskFacts& facts)
{
    if (facts.install.empty())
        return "no resource library: " + facts.installWhy;
    const std::string path = facts.install + "torqa.dlr";
    std::string why;
    if (platform::LoadMenuTemplate(path, kMainMenu, &why))
        return {};
    return "no TORQA! menu in " + path + " (" + TorqaKey("InstallPath") + "): " + why +
           "; menu paths will not map and menu documents keep only their system menu";
}

template <unsigned Index>
std::string Directory(const DeskFacts& facts)
{
    const std::string& directory = facts.directories[Index];
    if (directory.empty())
        return facts.directoryWhy[Index];
    const std::string local = platform::LocalName(directory);
    const std::string head = std::string("directory ") + std::to_string(Index) + " (" + kDirectoryNames[Index] + ") ";
    const std::string named = directory + " (" + facts.directorySetBy[Index] + ")";
    const std::string remedy = std::string("; give another with ") + kDirectoryOptions[Index] + " DIR";
    std::error_code code;
    if (!fs::exists(local, code))
        return head + "not found: " + named + " does not exist" + remedy;
    if (!fs::is_directory(local, code))
        return head + "is not a folder: " + named + remedy;
    if (Index == 0 ? !platform::CanRead(local) : !Writable(local))
        return head + (Index == 0 ? "cannot be read: " : "is read-only: ") + named +
               (Index == 0 ? " cannot be listed" : " cannot be written") + remedy;
    return {};
}

std::string MacroTranslator(const DeskFacts& facts)
{
    const char* key = host::TorqaServicesKey();
    const std::string component = key ? Quoted(kComponent) + " under " + key + "\\Components"
                                      : std::string("the Windows Installer component ") + kComponent;
    if (!facts.translatorKnown)
        return std::string("no macro translator: no path for ") + component + "; macros stay untranslated";
    const std::string local = platform::LocalName(facts.translator);
    std::error_code code;
    if (!fs::is_regular_file(local, code))
        return "the macro translator " + facts.translator + " (" + component + ") " +
               (fs::exists(local, code) ? "is not a file" : "does not exist") + "; macros stay untranslated";
    platform::LibraryHandle library = platform::LoadLibraryFile(facts.translator);
    if (!library)
        return "the macro translator " + facts.translator + " (" + component +
               ") cannot be loaded: not a library this system can load; macros stay untranslated";
    const bool complete = platform::FindSymbol(library, "KorvanestaTranslatorDoTranslate") != nullptr;
    platform::FreeLibraryHandle(library);
    if (!complete)
        return "the macro translator " + facts.translator + " (" + component +
               ") has no KorvanestaTranslatorDoTranslate; macros stay untranslated";
    return {};
}

#ifdef _WIN32
constexpr const char* kTemporarySetBy = "TMP or TEMP";
#else
constexpr const char* kTemporarySetBy = "TMPDIR";
#endif

// The macro translator writes its report there: the folder must take a new file.
std::string Temporary(const DeskFacts& facts)
{
    const std::string which = std::string(" (") + kTemporarySetBy + ")";
    if (facts.temporary.empty())
        return std::string("no temporary folder") + which + "; the macro translator's report cannot be written";
    std::error_code code;
    if (!fs::is_directory(facts.temporary, code))
        return "the temporary folder " + facts.temporary + which + " does not exist";
    const fs::path probe = fs::path(facts.temporary) / ("qtcm-probe-" + std::to_string(host::ProcessNumber()) + ".tmp");
    bool written = static_cast<bool>(std::ofstream(probe));
    written = fs::remove(probe, code) && written;
    if (!written)
        return "the temporary folder " + facts.temporary + which + " does not take new files";
    return {};
}

} // namespace

const DeskCheck kDeskChecks[] = {
    {"installation", "the TORQA! installation folder is known and exists",
     "InstallPath under HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!", true, &Installation},
    {"session template", "the session template Sessions\\<Language>\\Template\\Async.tdp can be read",
     "InstallPath and Language under HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!", true, &Template},
    {"TORQA! sessions", "directory 1, where the session files go, exists and can be written",
     "TDP under ...\\TORQA!\\Directories, or --sessions", true, &Directory<1>},
    {"TORQA! schemes", "directory 2, for key maps, pads, toolbars and menu documents, exists and can be written",
     "TKM under ...\\TORQA!\\Directories, or --schemes", false, &Directory<2>},
    {"TORQA! macros", "directory 3, for the translated macros, exists and can be written",
     "TBM under ...\\TORQA!\\Directories, or --macros", false, &Directory<3>},
    {"QIM! sessions", "directory 0, where the sessions' relative macro paths may lead, exists",
     "Directory under HKEY_CURRENT_USER\\Software\\Korvanesta\\QIM!\\<version>\\QIMVT, or --qim-sessions", false,
     &Directory<0>},
    {"resource library", "torqa.dlr in the installation folder can be read and holds the TORQA! menu",
     "InstallPath under HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!", false, &ResourceLibrary},
    {"macro translator", "the macro translator library is named, loads, and has KorvanestaTranslatorDoTranslate",
     "{6D0C2A57-91B4-4E8F-B3A2-5C7E19F04D68} under HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!\\Components", false,
     &MacroTranslator},
    {"temporary folder", "the temporary folder, where the macro translator reports, takes new files", kTemporarySetBy,
     false, &Temporary},
};
const std::size_t kDeskCheckCount = sizeof kDeskChecks / sizeof kDeskChecks[0];

DeskFacts GatherDeskFacts(const QtcmLibrary& library, const Options& options)
{
    DeskFacts facts;
    if (platform::TorqaInstallPath(facts.install) && !facts.install.empty()) {
        if (!platform::EndsWithSeparator(facts.install))
            facts.install.push_back(platform::kPathSeparator);
    } else {
        facts.install.clear();
        facts.installWhy = MissingInstallation();
    }
    platform::TorqaUserLanguage(facts.language);
    for (unsigned index = 0; index < 4; ++index) {
        facts.directories[index] = Directory(library, options, index);
        if (facts.directories[index].empty())
            facts.directoryWhy[index] = MissingDirectory(index);
        facts.directorySetBy[index] = !options.directories[index].empty() ? kDirectoryOptions[index]
                                      : index == 0 ? std::string("the QIM! registry keys")
                                                   : TorqaKey(kDirectoryTags[index], true);
    }
    const platform::ComponentState state = platform::LocateComponent(kComponent, facts.translator);
    facts.translatorKnown = state == platform::ComponentState::Local || state == platform::ComponentState::Source;
    facts.temporary = platform::TempFolder();
    return facts;
}

std::vector<CheckResult> RunDeskChecks(const DeskFacts& facts)
{
    std::vector<CheckResult> results;
    for (std::size_t i = 0; i < kDeskCheckCount; ++i)
        results.push_back({&kDeskChecks[i], kDeskChecks[i].probe(facts)});
    return results;
}

bool ReportDeskChecks(const std::vector<CheckResult>& results)
{
    bool ready = true;
    for (const CheckResult& result : results) {
        if (result.problem.empty())
            continue;
        std::fprintf(stderr, "qtcm: %s%s\n", result.check->needed ? "" : "warning: ", result.problem.c_str());
        ready = ready && !result.check->needed;
    }
    return ready;
}

bool DeskReady(const QtcmLibrary& library, const Options& options)
{
    return ReportDeskChecks(RunDeskChecks(GatherDeskFacts(library, options)));
}
