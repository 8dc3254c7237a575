// A session that customises the menu bar and the system menu, migrated through the exported
// functions and compared with the custom menu document, session file and report written by hand.
#include "formats/MenuDocument.h"
#include "support/GoldenTranslation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testing_support;

struct MenuGolden : GoldenTranslation {
    MenuGolden() : GoldenTranslation("menus") {}
};

TEST_F(MenuGolden, MenusSessionMatchesTheHandWrittenFiles)
{
    TestDesk desk;
    desk.AddExampleMenu();
    ASSERT_NO_FATAL_FAILURE(Translate(desk, "Menus"));

    // The document is one line with no line end: byte for byte.
    ExpectSameFile(ReadFile(desk.Schemes() + kSep + "MENUS.cmu"), ReadFile(GoldenFile("MENUS.cmu.expected")),
                   formats::menu::DumpMenuDocument);
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(created)), Expected("Menus.TDP.expected"));
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(report)), Expected("Menus.report.expected"));
    EXPECT_EQ(unconverted, 1u);
    EXPECT_EQ(unrecognized, 0u);
}

} // namespace
