// A whole session, as the migration tool would hand it over, compared with files written by hand:
// the session touches every group the general, colour and attribute converters know, every value
// kind those groups offer, and the ways a property can fail to carry over.
#include "support/LoadedLibrary.h"
#include "support/TestDesk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>


namespace {

using namespace testing_support;

using Golden = LoadedLibrary;

std::string GoldenFile(const std::string& name)
{
    return std::string(QTCM_TESTDATA_DIR) + kSep + "golden" + kSep + name;
}

TEST_F(Golden, EverythingSessionMatchesTheHandWrittenFiles)
{
    TestDesk desk;
    // The desk's installation gets this test's session template and tool catalogues.
    WriteFile(desk.TemplatePath(), ReadFile(GoldenFile("Async.tdp")));
    const std::string catalogues = desk.Install() + kSep + "ENU";
    MakeDir(catalogues);
    WriteFile(catalogues + kSep + "toolcomp.ini", ReadFile(GoldenFile("toolcomp.ini")));
    WriteFile(catalogues + kSep + "gi32.ini", ReadFile(GoldenFile("gi32.ini")));

    const std::string source = desk.QimSessions() + kSep + "Everything.qtc";
    WriteFile(source, ReadFile(GoldenFile("Everything.qtc")));
    const std::string report = desk.Path("report.txt");
    WriteFile(report, "");

    ASSERT_TRUE(initialize());
    ASSERT_TRUE(isValidFile(source.c_str()));
    char output[260] = "";
    unsigned unconverted = 0, unrecognized = 0;
    EXPECT_TRUE(doTranslate(source.c_str(), report.c_str(), output, &unconverted, &unrecognized));
    const std::string created = desk.Sessions() + kSep + "Everything.TDP";
    ASSERT_EQ(std::string(output), created);

    // The history file lands beside the new session file, so its folder is the test's own.
    const std::string expectedSession = Substituted(WithoutCarriageReturns(ReadFile(GoldenFile("Everything.TDP.expected"))),
                                                    {{"@SESSIONS@", desk.Sessions() + kSep}});
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(created)), expectedSession);

    const std::string expectedReport = Substituted(WithoutCarriageReturns(ReadFile(GoldenFile("Everything.report.expected"))),
                                                   {{"@SOURCE@", source}, {"@OUTPUT@", created}});
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(report)), expectedReport);

    // The totals of the expected report.
    EXPECT_EQ(unconverted, 29u);
    EXPECT_EQ(unrecognized, 8u);
    EXPECT_TRUE(notices.empty()) << (notices.empty() ? "" : notices[0]);

    // No statement of this session belongs to a converter with a file of its own.
    EXPECT_TRUE(std::filesystem::is_empty(desk.Schemes()));
}

} // namespace
