// A session with a button pad and a toolbar, translated through the library's exports, compared
// with files written by hand: the session file, the report, and the QuickPad and toolbar bytes
// (image pixels included, the strips being ours), given as annotated hexadecimal text.
#include "formats/QuickPad.h"
#include "formats/Toolbar.h"
#include "support/GoldenTranslation.h"
#include "support/HexBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testing_support;

struct GoldenBars : GoldenTranslation {
    GoldenBars() : GoldenTranslation("bars") {}
};

TEST_F(GoldenBars, PadAndToolbarMatchTheHandWrittenFiles)
{
    TestDesk desk;
    ASSERT_NO_FATAL_FAILURE(Translate(desk, "Bars"));

    EXPECT_EQ(WithoutCarriageReturns(ReadFile(created)), Expected("Bars.TDP.expected"));
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(report)), Expected("Bars.report.expected"));
    EXPECT_EQ(unconverted, 6u);
    EXPECT_EQ(unrecognized, 0u);

    ExpectSameFile(ReadFile(desk.Schemes() + kSep + "Bars.ttb"), HexBytes(ReadFile(GoldenFile("Bars.ttb.hex"))),
                   formats::DumpToolbar);
    const std::string pad = ReadFile(desk.Schemes() + kSep + "Bars.tqp");
#ifdef _WIN32
    // The pad's positions come from the platform's font metrics; the expected file holds those of
    // the fixed metrics (96 pixels per inch, 8 x 9 pixels per "W"). Here only its buttons are checked.
    formats::QuickPad read;
    const formats::ReadResult result = formats::ReadQuickPad(pad, read);
    ASSERT_TRUE(result) << result.Describe();
    ASSERT_EQ(read.buttons.size(), 4u);
    EXPECT_EQ(read.buttons[3].caption, "Twice");
#else
    ExpectSameFile(pad, HexBytes(ReadFile(GoldenFile("Bars.tqp.hex"))), formats::DumpQuickPad);
#endif
}

} // namespace
