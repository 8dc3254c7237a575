// A translation run through CQITranslator: the report section, the session file made from the
// template, and the failures that must end in one notice and no stray file.
#include "actions/MacroReportPath.h"
#include "converters/CQIConverter.h"
#include "platform/Files.h"
#include "platform/Notice.h"
#include "translator/CQITranslator.h"
#include "formats/ReportLines.h"

#include "support/TestDesk.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

using namespace testing_support;

class TranslatorRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SetNoticeHandler(&CollectNotice, &m_notices);
        MacroReportPath().clear(); // no macro translated in this process's earlier tests counts here
    }
    void TearDown() override { platform::SetNoticeHandler(nullptr, nullptr); }

    // Runs one translation the way the exported function does; answers Initialize's result.
    bool Run(CQITranslator& translator, const std::string& source, const std::string& report, std::string& output,
             unsigned& unconverted, unsigned& unrecognized)
    {
        if (!translator.Initialize(source.c_str(), report.empty() ? nullptr : report.c_str(), output))
            return false;
        EXPECT_TRUE(translator.TranslateAndSerialize(unconverted, unrecognized));
        return true;
    }

    std::vector<std::string> m_notices;
};

std::string Section(const std::string& source, const std::string& output, const std::string& lines, int unconverted,
                    int unrecognized)
{
    return NativeText("QIM! session file converted: " + source + "\nSession file created: " + output + "\n\n" + lines +
           "\nNumber of unconverted properties: " + std::to_string(unconverted) +
           "\nNumber of unrecognized properties: " + std::to_string(unrecognized) + "\n\n" +
           "-------------------------------------------------------\n");
}

TEST_F(TranslatorRun, ThreeRunsGiveThreeFilesAndThreeSections)
{
    TestDesk desk;
    const std::string source = desk.QimSessions() + kSep + "Demo.qtc";
    WriteFile(source, QimSession("Terminal( Name=\"x\" )\n"));
    const std::string report = desk.Path("report.txt");
    WriteFile(report, "earlier text\n");

    CQITranslator translator;
    std::string expected = "earlier text\n";
    for (const char* name : {"Demo.TDP", "Demo1.TDP", "Demo2.TDP"}) {
        std::string output;
        unsigned unconverted = 3, unrecognized = 4;
        ASSERT_TRUE(Run(translator, source, report, output, unconverted, unrecognized));
        EXPECT_EQ(output, desk.Sessions() + kSep + name);
        EXPECT_EQ(ReadFile(output), NativeText("[Session]\nTitle=\n[Terminal]\nTermModel=420\n")); // text-mode copy, nothing converted
        // The run's counts are added to the caller's: "Name" is no property of Terminal.
        EXPECT_EQ(unconverted, 3u);
        EXPECT_EQ(unrecognized, 5u);
        expected += Section(source, output, "Unreconnized property:\tName\n", 3, 5);
    }
    EXPECT_EQ(ReadFile(report), expected);
    EXPECT_TRUE(m_notices.empty());
}

TEST_F(TranslatorRun, AnUnreadableMacroReportStillClosesTheSection)
{
    TestDesk desk;
    const std::string source = desk.QimSessions() + kSep + "Demo.qtc";
    WriteFile(source, QimSession("Terminal( Name=\"x\" )\n"));
    const std::string report = desk.Path("report.txt");
    WriteFile(report, "");
    MacroReportPath() = desk.QimSessions(); // a folder where the macro translator's report should be

    CQITranslator translator;
    std::string output;
    unsigned unconverted = 0, unrecognized = 0;
    ASSERT_TRUE(Run(translator, source, report, output, unconverted, unrecognized));
    EXPECT_EQ(ReadFile(report), Section(source, output, "Unreconnized property:\tName\n", 0, 1));
    MacroReportPath().clear();
}

TEST_F(TranslatorRun, ReportLinesAndCountersOfAConverter)
{
    struct Reporter : CQIConverter {
        bool Convert(const PropertyList&, const char*, const char*) override { return true; }
    } reporter;
    TempDir dir;
    platform::File report;
    platform::FileError error;
    WriteFile(dir / "r.txt", "");
    ASSERT_TRUE(report.Open(dir / "r.txt", platform::OpenMode::WriteExclusive, true, error));
    reporter.m_reportFile = &report;
    reporter.ReportProperty("Foo=1", 1);
    reporter.ReportProperty("Bar", 2);
    reporter.ReportProperty("Logon.qtm", 3);
    reporter.ReportProperty("ignored", 4);
    report.Close();
    EXPECT_EQ(ReadFile(dir / "r.txt"),
              NativeText("Unreconnized property:\tFoo=1\nUnconverted property:\tBar\nUnable to convert macro:\tLogon.qtm\n"));
    EXPECT_EQ(reporter.m_unrecognized, 1);
    EXPECT_EQ(reporter.m_unconverted, 2);
    EXPECT_EQ(report::Totals(6, 0), "\nNumber of unconverted properties: 6\nNumber of unrecognized properties: 0\n\n");
}

TEST_F(TranslatorRun, RefusedSourcesGiveNoNoticeButMissingFilesDo)
{
    TestDesk desk;
    const std::string report = desk.Path("report.txt");
    WriteFile(report, "");
    CQITranslator translator;
    std::string output = "unchanged";
    unsigned a = 0, b = 0;

    // Header without the blank after the mark, and a file shorter than 21 bytes: refused silently.
    WriteFile(desk.Path("a.qtc"), "// Version QIM!5.10\r\nCaptureSetup( FileName=\"QIMVT.TXT\" )\r\n");
    WriteFile(desk.Path("b.qtc"), "// Version QIM! 5.1");
    EXPECT_FALSE(Run(translator, desk.Path("a.qtc"), report, output, a, b));
    EXPECT_FALSE(Run(translator, desk.Path("b.qtc"), report, output, a, b));
    EXPECT_TRUE(m_notices.empty());

    // A source that cannot be opened, and a report that does not exist: one notice each.
    EXPECT_FALSE(Run(translator, desk.Path("missing.qtc"), report, output, a, b));
    EXPECT_EQ(m_notices.size(), 1u);
    WriteFile(desk.Path("ok.qtc"), QimSession(""));
    EXPECT_FALSE(Run(translator, desk.Path("ok.qtc"), desk.Path("no-report.txt"), output, a, b));
    EXPECT_EQ(m_notices.size(), 2u);
    EXPECT_FALSE(FileExists(desk.Path("no-report.txt")));

    EXPECT_EQ(output, "unchanged");
    EXPECT_EQ(ReadFile(report), "");
    EXPECT_FALSE(FileExists(desk.Sessions() + kSep + "ok.TDP"));
}

TEST_F(TranslatorRun, UnwritableSessionDirectoryAndMissingTemplate)
{
    TestDesk::Options options;
    options.withTemplate = false;
    TestDesk desk(options);
    WriteFile(desk.Path("Demo.qtc"), QimSession(""));
    const std::string report = desk.Path("report.txt");
    WriteFile(report, "");
    CQITranslator translator;
    std::string output;
    unsigned a = 0, b = 0;

    // The template is missing: the session file exists, empty, and its path comes back.
    EXPECT_FALSE(Run(translator, desk.Path("Demo.qtc"), report, output, a, b));
    EXPECT_EQ(m_notices.size(), 1u);
    EXPECT_EQ(output, desk.Sessions() + kSep + "Demo.TDP");
    EXPECT_EQ(ReadFile(output), "");

    // A session directory that cannot take files: one notice, nothing created.
    WriteFile(desk.Path("plainfile"), "");
    translator.SetDirPath(1, desk.Path("plainfile").c_str());
    output.clear();
    EXPECT_FALSE(Run(translator, desk.Path("Demo.qtc"), report, output, a, b));
    EXPECT_EQ(m_notices.size(), 2u);
    EXPECT_EQ(output, "");
    EXPECT_EQ(ReadFile(report), "");
}

#ifndef _WIN32
// The free name is taken by a link that points nowhere: the name search sees no file there, and
// the exclusive creation refuses to follow the link and make its target.
TEST_F(TranslatorRun, ASessionFileIsNeverCreatedOverSomethingThatAppeared)
{
    TestDesk desk;
    WriteFile(desk.Path("Demo.qtc"), QimSession(""));
    const std::string report = desk.Path("report.txt");
    WriteFile(report, "");
    const std::string taken = desk.Sessions() + kSep + "Demo.TDP", target = desk.Path("elsewhere.TDP");
    ASSERT_EQ(::symlink(target.c_str(), taken.c_str()), 0);
    CQITranslator translator;
    std::string output;
    unsigned a = 0, b = 0;
    EXPECT_FALSE(Run(translator, desk.Path("Demo.qtc"), report, output, a, b));
    ASSERT_EQ(m_notices.size(), 1u);
    EXPECT_NE(m_notices[0].find("already exists"), std::string::npos);
    EXPECT_FALSE(FileExists(target));
}
#endif

TEST_F(TranslatorRun, WithoutAnInstallationNothingIsCreated)
{
    TestDesk::Options options;
    options.withInstallPath = false;
    TestDesk desk(options);
    WriteFile(desk.Path("Demo.qtc"), QimSession(""));
    WriteFile(desk.Path("report.txt"), "");
    CQITranslator translator;
    std::string output;
    unsigned a = 0, b = 0;
    EXPECT_FALSE(Run(translator, desk.Path("Demo.qtc"), desk.Path("report.txt"), output, a, b));
    EXPECT_TRUE(m_notices.empty());
    EXPECT_FALSE(FileExists(desk.Sessions() + kSep + "Demo.TDP"));
}

TEST_F(TranslatorRun, TerminalModelAndKeypadRequestAreNoted)
{
    TestDesk desk;
    WriteFile(desk.Path("G.qtc"), QimSession("Graphics( Plotter=True )\nKeyboard( EditpadArrangement=\"vt\", Layout=\"LK450\" )\n"));
    WriteFile(desk.Path("report.txt"), "");
    CQITranslator translator;
    std::string output;
    unsigned a = 0, b = 0;
    EXPECT_EQ(translator.TerminalModel(), 420);
    ASSERT_TRUE(Run(translator, desk.Path("G.qtc"), desk.Path("report.txt"), output, a, b));
    EXPECT_EQ(translator.TerminalModel(), 340);
    EXPECT_TRUE(translator.InjectEditKeys()); // no keyboard map consumed it
}

} // namespace
