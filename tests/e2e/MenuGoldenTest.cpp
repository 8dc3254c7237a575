// A session that customises the menu bar and the system menu, migrated through the exported
// functions and compared with the custom menu document, session file and report written by hand.
#include "support/LoadedLibrary.h"
#include "support/TestDesk.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testing_support;

using MenuGolden = LoadedLibrary;

std::string GoldenFile(const std::string& name)
{
    return std::string(QTCM_TESTDATA_DIR) + kSep + "golden" + kSep + "menus" + kSep + name;
}

TEST_F(MenuGolden, MenusSessionMatchesTheHandWrittenFiles)
{
    TestDesk desk;
    // The example installation's menu, in the width of this process so the real functions load it.
    const char* library = sizeof(void*) == 8 ? "torqa64.dlr" : "torqa.dlr";
    WriteFile(desk.Install() + kSep + "torqa.dlr",
              ReadFile(std::string(QTCM_EXAMPLES_DIR) + kSep + "torqa" + kSep + library));
    const std::string source = desk.QimSessions() + kSep + "Menus.qtc";
    WriteFile(source, ReadFile(GoldenFile("Menus.qtc")));
    const std::string report = desk.Path("report.txt");
    WriteFile(report, "");

    ASSERT_TRUE(initialize());
    char output[260] = "";
    unsigned unconverted = 0, unrecognized = 0;
    EXPECT_TRUE(doTranslate(source.c_str(), report.c_str(), output, &unconverted, &unrecognized));
    const std::string created = desk.Sessions() + kSep + "Menus.TDP";
    ASSERT_EQ(std::string(output), created);

    // The document is one line with no line end: byte for byte.
    EXPECT_EQ(ReadFile(desk.Schemes() + kSep + "MENUS.cmu"), ReadFile(GoldenFile("MENUS.cmu.expected")));
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(created)), ReadFile(GoldenFile("Menus.TDP.expected")));
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(report)),
              Substituted(ReadFile(GoldenFile("Menus.report.expected")), {{"@SOURCE@", source}, {"@OUTPUT@", created}}));
    EXPECT_EQ(unconverted, 1u);
    EXPECT_EQ(unrecognized, 0u);
    EXPECT_TRUE(notices.empty()) << (notices.empty() ? "" : notices[0]);
}

} // namespace
