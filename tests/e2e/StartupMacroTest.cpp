// A session whose startup macro the macro translator carries over: the session file names the
// TORQA! macro, and the migration report ends with the translator's own lines.
#include "support/LoadedLibrary.h"
#include "support/TestDesk.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;
using StartupMacro = LoadedLibrary;

TEST_F(StartupMacro, NamedInTheSessionAndReportedAtTheEnd)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows Installer knows no macro translator here; the client's own suite covers Windows";
#endif
    TestDesk desk;
    desk.AddComponent("{6D0C2A57-91B4-4E8F-B3A2-5C7E19F04D68}", QTCM_MACRO_TRANSLATOR);
    const std::string macro = desk.QimSessions() + kSep + "Logon.qtm";
    WriteFile(macro, "// sign on\r\nWAIT(\"login:\")\r\nSEND(\"me^M\")\r\nBEEP()\r\n");
    const std::string source = desk.QimSessions() + kSep + "Start.qtc";
    WriteFile(source, QimSession("MacroOptions( LockRemoteMacros=False, Startup=\"" + macro + "\" )\n"));
    WriteFile(desk.Path("report.txt"), "");

    ASSERT_TRUE(initialize());
    char output[260] = "";
    unsigned unconverted = 0, unrecognized = 0;
    doTranslate(source.c_str(), desk.Path("report.txt").c_str(), output, &unconverted, &unrecognized);
    const std::string written = desk.Macros() + kSep + "LOGON.TBM";
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(output)),
              "[Session]\nTitle=\nStartupScript=" + written + "\n[Terminal]\nTermModel=420\n");
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(written)),
              "' LOGON.TBM: translated from a QIM! macro by QTCmBasic\nSub Main\n    ' sign on\n"
              "    WaitFor \"login:\"\n    Send \"me^M\"\n    ' not translated: BEEP()\nEnd Sub\n");
    const std::string report = WithoutCarriageReturns(ReadFile(desk.Path("report.txt")));
    const std::string tail = "-------------------------------------------------------\n"
                             "QTCmBasic Migration Report List\n\n"
                             "LOGON.TBM: line 4 kept as a comment: BEEP()\n"
                             "LOGON.TBM: translated\n";
    ASSERT_GE(report.size(), tail.size());
    EXPECT_EQ(report.substr(report.size() - tail.size()), tail);
    EXPECT_TRUE(notices.empty());
}

} // namespace
