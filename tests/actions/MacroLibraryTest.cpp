// The macro translator client, driven against our own translator plug-in.
#include "actions/CQIMacroLibrary.h"
#include "actions/MacroReportPath.h"
#include "platform/Installer.h"
#include "platform/FileSystem.h"
#include "platform/Notice.h"

#include "support/TestDesk.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

// A desk whose registry knows the macro translator component (or not).
class MacroLibrary : public ::testing::Test {
protected:
    void Install(const char* library, const std::string& extra = "")
    {
        m_desk.AddComponent(CQIMacroLibrary::kComponentId, library, extra);
    }
    // The registry names the component's file here on every platform, instead of a product
    // registered with the real installer.
    void SetUp() override
    {
        platform::SetNoticeHandler([](const char*, void*) {}, nullptr);
        platform::SetComponentLookup(&platform::RegistryComponentPath);
    }
    void TearDown() override
    {
        MacroReportPath().clear(); // process-wide: later runs would append this test's macro report
        platform::SetComponentLookup(nullptr);
        platform::SetNoticeHandler(nullptr, nullptr);
        EXPECT_EQ(CQIMacroLibrary::LiveContexts(), 0);
        EXPECT_FALSE(CQIMacroLibrary::IsLoaded());
    }
    TestDesk m_desk;
};

TEST(RunMacroCall, RecognisedShapes)
{
    std::string out;
    EXPECT_TRUE(ParseRunMacroCall("// one\r\n// two\r\nRunMacro(\"LOGON\", \"LOGON\")\r\n", out));
    EXPECT_EQ(out, "LOGON.tbm LOGON");
    EXPECT_TRUE(ParseRunMacroCall("RunMacro(\"LOGON.QTM\",\"a\", \"b\")", out));
    EXPECT_EQ(out, "LOGON.tbm a b");
    EXPECT_TRUE(ParseRunMacroCall("  Run ( \"x.qtm\" )\n// trailing note\n", out));
    EXPECT_EQ(out, "x.tbm");
    EXPECT_TRUE(ParseRunMacroCall("RunMacro(\"m\", \"a\\\"b\")", out));
    EXPECT_EQ(out, "m.tbm a\\\"b");
}

TEST(RunMacroCall, RefusedShapes)
{
    std::string out = "keep";
    for (const char* text : {"RunMacro(\"C:x.qtm\")", "RunMacro(\"dir\\x.qtm\")", "RunMacro(\"x\", \"a b\")",
                             "RunMacro(\"x\", \"\")", "RunMacro(\"x\")\nSEND(\"y\")", "runmacro(\"x\")",
                             "// no line end", "RunMacro(\"x\"", "SEND(\"x\")", ""})
        EXPECT_FALSE(ParseRunMacroCall(text, out)) << text;
    EXPECT_EQ(out, "keep");
}

TEST_F(MacroLibrary, RunMacroTextNeedsNoLibrary)
{
    CQIMacroContext context;
    std::string out;
    EXPECT_TRUE(context.TranslateMacro("RunMacro(\"LOGON.QTM\")", "F5", out));
    EXPECT_EQ(out, "LOGON.tbm");
    EXPECT_FALSE(CQIMacroLibrary::IsLoaded());
}

TEST_F(MacroLibrary, MissingComponentOrEntryPointAnswersFalse)
{
    {
        CQIMacroContext context;
        std::string out;
        EXPECT_FALSE(context.TranslateMacro("SEND(\"x\")", "F5", out));
        EXPECT_FALSE(CQIMacroLibrary::IsLoaded());
    }
    Install(QTCM_BROKEN_MACRO_TRANSLATOR);
    CQIMacroContext context;
    std::string out;
    EXPECT_FALSE(context.TranslateMacro("SEND(\"x\")", "F5", out));
    EXPECT_FALSE(CQIMacroLibrary::IsLoaded()); // unloaded again at once
}

TEST_F(MacroLibrary, TranslatesIntoTheMacroDirectoryAndReports)
{
    Install(QTCM_MACRO_TRANSLATOR);
    std::string out, named = "\\START.TBM";
    {
        CQIMacroContext context;
        EXPECT_TRUE(context.TranslateMacro("SEND(\"x^M\")\nFLY(1)", "F5", out));
        EXPECT_TRUE(context.TranslateMacroNamed("WAIT(\"$\")", named));
        EXPECT_FALSE(context.TranslateMacro("// only a comment", "F6", out)); // refused by the plug-in
    }
    EXPECT_EQ(named, m_desk.Macros() + kSep + "START.TBM");
    EXPECT_EQ(ReadFile(named), NativeText("' START.TBM: translated from a QIM! macro by QTCmBasic\nSub Main\n"
                                          "    WaitFor \"$\"\nEnd Sub\n"));
    EXPECT_TRUE(FileExists(m_desk.Macros() + kSep + "F5.tbm"));
    EXPECT_EQ(CQIMacroLibrary::ReportPath(), platform::TempFolder() + "QTCmBasic_rpt.TXT");
    // Every load starts the report afresh: it holds this load's lines only.
    EXPECT_EQ(ReadFile(CQIMacroLibrary::ReportPath()),
              NativeText("QTCmBasic Migration Report List\n\nF5.tbm: line 3 kept as a comment: FLY(1)\n"
                         "F5.tbm: translated\nSTART.TBM: translated\nF6.tbm: refused, the macro holds no statement\n"));

    // A second translation under the same name gets a name of its own.
    CQIMacroContext context;
    named = "\\START.TBM";
    EXPECT_TRUE(context.TranslateMacroNamed("WAIT(\"$\")", named));
    EXPECT_EQ(named, m_desk.Macros() + kSep + "START1.TBM");
}

TEST_F(MacroLibrary, TemporaryMacrosLiveAsLongAsTheLastContext)
{
    Install(QTCM_MACRO_TRANSLATOR);
    std::string out;
    auto outer = std::make_unique<CQIMacroContext>();
    {
        CQIMacroContext inner;
        EXPECT_TRUE(inner.TranslateMacro("SEND(\"x\")", "", out));
    }
    EXPECT_TRUE(CQIMacroLibrary::IsLoaded()); // the outer context keeps it
    EXPECT_TRUE(FileExists(out));
    EXPECT_EQ(out, m_desk.Macros() + kSep + ".tbm");
    outer.reset();
    EXPECT_FALSE(FileExists(out));
}

TEST_F(MacroLibrary, WithoutAWritableMacroDirectoryTheTemporaryFolderIsUsed)
{
    Install(QTCM_MACRO_TRANSLATOR,
            "[HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!\\Directories]\r\n\"TBM\"=\"" +
                RegistryEscaped(m_desk.Path("missing")) + "\"\r\n");
    CQIMacroContext context;
    std::string named = "\\QTCMTEST.TBM";
    EXPECT_TRUE(context.TranslateMacroNamed("SEND(\"x\")", named));
    EXPECT_EQ(named.substr(0, platform::TempFolder().size()), platform::TempFolder());
    platform::RemoveFile(named);
}

} // namespace
