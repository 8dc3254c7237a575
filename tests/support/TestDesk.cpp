#include "support/TestDesk.h"

#include <cstdlib>

namespace testing_support {

const char* const TestDesk::kTemplate = "[Session]\r\nTitle=\r\n[Terminal]\r\nTermModel=420\r\n";

namespace {

// Whatever an earlier desk left in the registry.
const char* const kRemoval = "REGEDIT4\r\n\r\n"
                             "[-HKEY_LOCAL_MACHINE\\Software\\Korvanesta]\r\n"
                             "[-HKEY_CURRENT_USER\\Software\\Korvanesta]\r\n"
                             "[-HKEY_USERS\\.DEFAULT\\Software\\Korvanesta]\r\n"
                             "[-HKEY_LOCAL_MACHINE\\Software\\Classes\\.qtc]\r\n"
                             "[-HKEY_LOCAL_MACHINE\\Software\\Classes\\.qhc]\r\n"
                             "[-HKEY_LOCAL_MACHINE\\Software\\Classes\\TORQA!.Session.1]\r\n\r\n";

} // namespace

TestDesk::TestDesk() : TestDesk(Options{}) {}

TestDesk::TestDesk(const Options& options) : m_options(options)
{
    for (const std::string& dir : {Install(), QimSessions(), Sessions(), Schemes(), Macros()})
        MakeDir(dir);
    MakeDir(m_dir / "torqa/Sessions/ENU/Template");
    if (options.withTemplate)
        WriteFile(TemplatePath(), kTemplate);
    WriteRegistry();
}

TestDesk::~TestDesk()
{
    // The other view is no program's own: nothing is left there for later desks.
    if (m_options.otherRegistryView)
        ImportRegistry("removal.reg", true);
}

std::string TestDesk::TemplatePath() const { return m_dir / "torqa/Sessions/ENU/Template/Async.tdp"; }

void TestDesk::AddRegistry(const std::string& exportText)
{
    m_extra = exportText;
    WriteRegistry();
}

std::string RegistryEscaped(const std::string& path)
{
    std::string out;
    for (char c : path) {
        if (c == '\\' || c == '"')
            out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

void TestDesk::AddComponent(const std::string& id, const std::string& library, const std::string& more)
{
    AddRegistry("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!\\Components]\r\n\"" + id + "\"=\"" +
                RegistryEscaped(ExecutableDir() + kSep + library) + "\"\r\n" + more);
}

void TestDesk::AddExampleMenu()
{
    const char* library = sizeof(void*) == 8 ? "torqa64.dlr" : "torqa.dlr";
    WriteFile(Install() + kSep + "torqa.dlr", ReadFile(std::string(QTCM_EXAMPLES_DIR) + kSep + "torqa" + kSep + library));
}

void TestDesk::WriteRegistry()
{
    // Whatever an earlier desk left in the registry goes first.
    std::string reg = std::string(kRemoval) + "[HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!]\r\n";
    if (m_options.withInstallPath)
        reg += "\"InstallPath\"=\"" + RegistryEscaped(Install()) + "\"\r\n";
    reg += "\"Language\"=\"ENU\"\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!\\Directories]\r\n";
    reg += "\"TDP\"=\"" + RegistryEscaped(Sessions()) + "\"\r\n";
    reg += "\"TBM\"=\"" + RegistryEscaped(Macros()) + "\"\r\n";
    reg += "\"TQP\"=\"" + RegistryEscaped(Schemes()) + "\"\r\n\r\n";
    reg += "[HKEY_LOCAL_MACHINE\\Software\\Classes\\.qtc]\r\n@=\"" + m_options.classVersion + "\"\r\n\r\n";
    reg += "[HKEY_CURRENT_USER\\Software\\Korvanesta\\QIM!\\5.10\\QIMVT]\r\n";
    reg += "\"Directory\"=\"" + RegistryEscaped(QimSessions()) + "\"\r\n";
    WriteFile(m_dir / "desk.reg", reg);
    if (!m_extra.empty())
        WriteFile(m_dir / "extra.reg", m_extra);
#ifdef _WIN32
    // The real registry: the files are imported, the desk's first so that the extra keys win.
    if (m_options.otherRegistryView) {
        WriteFile(m_dir / "removal.reg", kRemoval);
        ImportRegistry("removal.reg", false);
    }
    for (const char* name : {"desk.reg", "extra.reg"})
        if (FileExists(m_dir / name))
            ImportRegistry(name, m_options.otherRegistryView);
#else
    std::string list = m_dir / "desk.reg";
    if (!m_extra.empty())
        list = (m_dir / "extra.reg") + ":" + list;
    m_env.reset();
    m_env = std::make_unique<ScopedEnv>("QTCM_REGISTRY", list);
#endif
}

void TestDesk::ImportRegistry(const std::string& name, bool otherView) const
{
#ifdef _WIN32
    // reg.exe started from this program has its width, so it writes into this program's view
    // unless told the other one.
    const char* view = !otherView ? "" : sizeof(void*) == 8 ? " /reg:32" : " /reg:64";
    std::system(("reg import \"" + (m_dir / name) + "\"" + view + " >NUL 2>&1").c_str());
#else
    (void)name;
    (void)otherView;
#endif
}

std::string QimSession(const std::string& body)
{
    return WithLineEnds("// Version QIM! 5.10\nCaptureSetup( FileName=\"QIMVT.TXT\" )\n" + body, "\r\n");
}

} // namespace testing_support
