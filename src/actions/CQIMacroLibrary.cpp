#include "actions/CQIMacroLibrary.h"

#include "actions/MacroReportPath.h"
#include "discovery/CQIUtility.h"
#include "platform/DynamicLibrary.h"
#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/Installer.h"
#include "platform/Notice.h"
#include "platform/OutputNames.h"
#include "platform/Profile.h"

#include <list>
#include <vector>

namespace {

// The plug-in interface, as this library exports it too.
using InitializeFunction = bool (*)();
using NameFunction = void (*)(char*);
using SetDirFunction = bool (*)(unsigned, const char*);
using TranslateFunction = bool (*)(const char*, const char*, char*, unsigned*, unsigned*);

constexpr std::size_t kNameBuffer = 256;
constexpr std::size_t kPathBuffer = 260;
constexpr unsigned kMacroDirectoryIndex = 2;

struct MacroLibraryState {
    platform::LibraryHandle library = nullptr;
    InitializeFunction initialize = nullptr;
    NameFunction name = nullptr;
    SetDirFunction setDirPath = nullptr;
    TranslateFunction translate = nullptr;
    int liveContexts = 0;
    std::string outputDirectory;
    std::list<std::string> temporaryMacros;
};

MacroLibraryState& State()
{
    static MacroLibraryState state;
    return state;
}

template <typename F>
F Symbol(platform::LibraryHandle library, const char* name)
{
    return reinterpret_cast<F>(platform::FindSymbol(library, name));
}

// Calls the library's translate function with a buffer of bufferSize bytes holding path; path
// receives what the library left in it.
// The folder macros go to, with its separator. A context made while the library was loaded may
// have left it empty; the temporary folder takes its place then, never the root of the disk.
std::string OutputFolder()
{
    std::string folder = State().outputDirectory;
    if (folder.empty())
        folder = platform::TempFolder();
    if (!platform::EndsWithSeparator(folder))
        folder.push_back(platform::kPathSeparator);
    return folder;
}

bool CallTranslate(const std::string& text, std::string& path, std::size_t bufferSize)
{
    MacroLibraryState& state = State();
    if (path.size() >= bufferSize)
        return false;
    std::vector<char> buffer(bufferSize + 1, '\0');
    path.copy(buffer.data(), path.size());
    unsigned unconverted = 0, unrecognized = 0;
    platform::FlushProfiles(); // the other library may read what this run has written so far
    const bool translated =
        state.translate(text.c_str(), MacroReportPath().c_str(), buffer.data(), &unconverted, &unrecognized);
    buffer[bufferSize] = '\0';
    path = buffer.data();
    platform::ForgetFolders(path); // it wrote files of its own: the macro asked for, and its report
    return translated;
}

} // namespace

const char CQIMacroLibrary::kComponentId[] = "{6D0C2A57-91B4-4E8F-B3A2-5C7E19F04D68}";

CQIMacroLibrary::CQIMacroLibrary() { ++State().liveContexts; }

CQIMacroLibrary::~CQIMacroLibrary()
{
    MacroLibraryState& state = State();
    if (--state.liveContexts > 0 || !state.library)
        return;
    platform::FreeLibraryHandle(state.library);
    state.library = nullptr;
    state.liveContexts = 0;
    try {
        for (const std::string& file : state.temporaryMacros)
            platform::RemoveFile(file);
    } catch (...) {
        // a temporary macro left behind is no reason to end the process
    }
    state.temporaryMacros.clear();
}

CQIMacroContext::CQIMacroContext(const std::string& macroDirectory) { ChooseOutputDirectory(macroDirectory); }
CQIMacroContext::~CQIMacroContext() = default;

const std::string& CQIMacroLibrary::ReportPath() { return MacroReportPath(); }
bool CQIMacroLibrary::IsLoaded() { return State().library != nullptr; }
int CQIMacroLibrary::LiveContexts() { return State().liveContexts; }

void CQIMacroLibrary::ChooseOutputDirectory(const std::string& macroDirectory)
{
    std::string directory = macroDirectory;
    if (!directory.empty() && platform::CanWrite(directory)) {
        State().outputDirectory = directory;
        return;
    }
    directory.clear();
    if (!CQIUtility().GetLocation(CQIUtility::kTorqaMacroDir, directory) || directory.empty() ||
        !platform::CanWrite(directory))
        directory.clear();
    State().outputDirectory = directory;
}

bool CQIMacroLibrary::EnsureLoaded()
{
    MacroLibraryState& state = State();
    if (state.library)
        return true;
    std::string productCode, path;
    if (!platform::ComponentProductCode(kComponentId, productCode))
        return false;
    switch (platform::LocateComponent(kComponentId, path)) {
    case platform::ComponentState::Local:
    case platform::ComponentState::Source: break;
    case platform::ComponentState::Absent: platform::InstallMissingComponent(productCode, kComponentId); break;
    default: return false;
    }
    state.library = platform::LoadLibraryFile(path);
    if (!state.library)
        return false;
    state.initialize = Symbol<InitializeFunction>(state.library, "KorvanestaTranslatorInitialize");
    state.name = Symbol<NameFunction>(state.library, "GetKorvanestaTranslatorName");
    state.setDirPath = Symbol<SetDirFunction>(state.library, "KorvanestaTranslatorSetDirPath");
    state.translate = Symbol<TranslateFunction>(state.library, "KorvanestaTranslatorDoTranslate");
    if (!state.initialize || !state.name || !state.setDirPath || !state.translate) {
        platform::FreeLibraryHandle(state.library);
        state.library = nullptr;
        return false;
    }
    const std::string temp = platform::TempFolder();
    if (temp.empty())
        return false;
    if (state.outputDirectory.empty())
        state.outputDirectory = temp;

    state.initialize();
    state.setDirPath(kMacroDirectoryIndex, state.outputDirectory.c_str());
    char name[kNameBuffer + 1] = "";
    state.name(name);
    name[kNameBuffer] = '\0';

    // The macro translator's own report, started afresh by every load.
    MacroReportPath() = temp + name + "_rpt" + ".TXT";
    platform::File report;
    platform::FileError error;
    if (!report.Open(MacroReportPath(), platform::OpenMode::BinaryCreate, true, error)) {
        platform::ShowFileError(error);
        return false;
    }
    report.WriteString(std::string(name) + " Migration Report List\n\n");
    report.Close();
    return true;
}

bool CQIMacroLibrary::TranslateMacro(const std::string& macroText, const char* nameHint, std::string& out)
{
    if (ParseRunMacroCall(macroText, out))
        return true;
    if (!EnsureLoaded())
        return false;
    const std::string hint = nameHint ? nameHint : "";
    const std::string proposed = OutputFolder() + hint + ".tbm";
    const platform::FolderLock lock(platform::FolderOf(proposed)); // until the macro is written
    std::string path = platform::BuildOutputPath(hint.c_str(), proposed.c_str(), nullptr);
    const std::string handed = "// Version QIM! 5.10\n" + macroText;
    if (MacroReportPath().empty())
        return false;
    const bool translated = CallTranslate(handed, path, handed.size() + kPathBuffer);
    if (translated && hint.empty())
        State().temporaryMacros.push_back(path);
    out = path;
    return translated;
}

bool CQIMacroLibrary::TranslateMacroNamed(const std::string& macroText, std::string& name)
{
    if (!EnsureLoaded())
        return false;
    std::string relative = name;
    if (!relative.empty() && (relative[0] == '\\' || relative[0] == '/'))
        relative.erase(0, 1); // "\START.TBM": the separator is the platform's
    const std::string joined = OutputFolder() + relative;
    const platform::FolderLock lock(platform::FolderOf(joined)); // until the macro is written
    std::string path = platform::BuildOutputPath(name.c_str(), joined.c_str(), nullptr);
    if (MacroReportPath().empty())
        return false;
    // Names whose path does not fit the library's 260-byte buffer are not translated.
    const bool translated = CallTranslate(macroText, path, kPathBuffer);
    name = path;
    return translated;
}
