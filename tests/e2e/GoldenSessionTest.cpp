// A whole session, as the migration tool would hand it over, compared with files written by hand:
// the session touches every group the general, colour and attribute converters know, every value
// kind those groups offer, and the ways a property can fail to carry over.
#include "support/GoldenTranslation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using namespace testing_support;

using Golden = GoldenTranslation;

TEST_F(Golden, EverythingSessionMatchesTheHandWrittenFiles)
{
    TestDesk desk;
    // The desk's installation gets this test's session template and tool catalogues.
    WriteFile(desk.TemplatePath(), ReadFile(GoldenFile("Async.tdp")));
    const std::string catalogues = desk.Install() + kSep + "ENU";
    MakeDir(catalogues);
    WriteFile(catalogues + kSep + "toolcomp.ini", ReadFile(GoldenFile("toolcomp.ini")));
    WriteFile(catalogues + kSep + "gi32.ini", ReadFile(GoldenFile("gi32.ini")));

    ASSERT_NO_FATAL_FAILURE(Translate(desk, "Everything"));
    EXPECT_TRUE(isValidFile(source.c_str()));

    // The history file lands beside the new session file (@SESSIONS@), so its folder is the test's own.
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(created)), Expected("Everything.TDP.expected"));
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(report)), Expected("Everything.report.expected"));

    // The totals of the expected report.
    EXPECT_EQ(unconverted, 29u);
    EXPECT_EQ(unrecognized, 8u);

    // No statement of this session belongs to a converter with a file of its own.
    EXPECT_TRUE(std::filesystem::is_empty(desk.Schemes()));
}

} // namespace
