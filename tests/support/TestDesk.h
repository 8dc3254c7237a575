#pragma once
// A migration desk of a test's own: a TORQA! installation with its session template, a QIM!
// session folder and the TORQA! output folders, all inside a temporary folder, described by a
// registry the library reads for the test's life.
#include "support/TestSupport.h"

#include <memory>
#include <string>

namespace testing_support {

class TestDesk {
public:
    struct Options {
        bool withTemplate = true;
        bool withInstallPath = true;
        std::string classVersion = "QIMVT.Session.5.10";
        // Windows: the keys go into the other registry view of HKEY_LOCAL_MACHINE\Software (the
        // 64-bit one for a 32-bit program, the 32-bit one for an x64 program), where an installer
        // of the other width writes them; this program's view is left without them.
        bool otherRegistryView = false;
    };
    TestDesk();
    explicit TestDesk(const Options& options);
    ~TestDesk();

    std::string Install() const { return m_dir / "torqa"; }
    std::string QimSessions() const { return m_dir / "qim"; }
    std::string Sessions() const { return m_dir / "Sessions"; }
    std::string Schemes() const { return m_dir / "Schemes"; }
    std::string Macros() const { return m_dir / "Macros"; }
    std::string TemplatePath() const;
    std::string Path(const std::string& name) const { return m_dir / name; }

    // A registry export with more keys, read in front of the desk's own.
    void AddRegistry(const std::string& exportText);
    // Registers a component of the TORQA! installation: its id names the library of that name
    // beside the test program. More registry lines may follow the component's key.
    void AddComponent(const std::string& id, const std::string& library, const std::string& more = "");
    // The example installation's TORQA! menu library, in the width of the running program so that
    // the real menu functions can load it too.
    void AddExampleMenu();

    static const char* const kTemplate;

private:
    void WriteRegistry();
    void ImportRegistry(const std::string& name, bool otherView) const;
    TempDir m_dir;
    Options m_options;
    std::string m_extra;
    std::unique_ptr<ScopedEnv> m_env;
};

// A text between double quotes of a registry export: each backslash and quote behind a backslash.
std::string RegistryEscaped(const std::string& text);

// A session file: the QIM! header line, the CaptureSetup line, then the given lines, CRLF ends.
std::string QimSession(const std::string& body);

} // namespace testing_support
