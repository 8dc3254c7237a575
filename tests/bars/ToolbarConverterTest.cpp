// The "ToolbarMapping" statement: positions and separators, tooltips, the two options, the file's
// header, and the buttons that must be reported and left out.
#include "actions/ActionIds.h"
#include "actions/CQIMacroLibrary.h"
#include "bars/ButtonImages.h"
#include "bars/CQIToolbarConverter.h"
#include "formats/Toolbar.h"
#include "platform/Installer.h"

#include "support/ConverterDesk.h"

#include <tuple>

namespace {

using namespace testing_support;

class Toolbar : public ConverterTest<CQIToolbarConverter> {
protected:
    formats::Toolbar ReadBack() const { return ReadWritten(".ttb", &formats::ReadToolbar); }
    static PropertyList Statement(std::initializer_list<PropertyList> items)
    {
        PropertyList list = {"ToolbarMapping", "Default", "False", "Uselargebuttons", "True", "Showbuttonedges",
                             "True", "ShowToolTips", "False"};
        for (const PropertyList& item : items)
            list.insert(list.end(), item.begin(), item.end());
        return list;
    }
    static PropertyList Button(const std::string& kind, const std::string& bitmap, const std::string& tooltip,
                               const std::string& operand)
    {
        return {"Mapto", kind, "Bitmap", bitmap, "ToolTip", tooltip, "Value", operand};
    }
    static PropertyList Separator() { return {"Mapto", "\"Separator\""}; }
};

TEST_F(Toolbar, SeparatorMovesTheNextButtonAndCounts)
{
    ASSERT_TRUE(Convert(Statement({Button("\"String\"", "\"3\"", "\"Hello\"", "\"hi^M\""), Separator(),
                                      Button("\"VTFunction\"", "\"12\"", "\"Find\"", "\"Find\"")})));
    const formats::Toolbar toolbar = ReadBack();
    // Two buttons and one separator: 26 x 2 + 6 + 1 = 59.
    EXPECT_EQ(toolbar.buttonCount, 2u);
    EXPECT_EQ(toolbar.itemSpace, 59u);
    EXPECT_EQ(toolbar.name, "MYSESS");
    ASSERT_EQ(toolbar.buttons.size(), 2u);
    const formats::ToolbarButton& first = toolbar.buttons[0];
    EXPECT_EQ(std::make_tuple(first.actionId, first.value, first.tooltip, first.textColour),
              std::make_tuple(std::uint16_t{40000}, std::string("hi\r"), std::string("Hello"), std::uint16_t{0}));
    EXPECT_EQ(std::make_tuple(first.small.top, first.small.left, first.small.bottom, first.small.right),
              std::make_tuple(4, 8, 26, 32));
    EXPECT_EQ(std::make_tuple(first.large.top, first.large.left, first.large.bottom, first.large.right),
              std::make_tuple(5, 10, 35, 42));
    const formats::ToolbarButton& second = toolbar.buttons[1];
    EXPECT_EQ(second.small.left, 8 + 24 + 6);
    EXPECT_EQ(second.small.right, 38 + 24);
    EXPECT_EQ(second.large.left, 10 + 32 + 8);
    EXPECT_EQ(second.large.right, 50 + 32);
    EXPECT_EQ(second.value, "<Find>");
    EXPECT_EQ(second.tooltip, "Find");
    // Four images per button: 224 bytes for the small ones, 380 for the large.
    for (const formats::ToolbarButton& b : toolbar.buttons) {
        EXPECT_EQ(b.images[0].size(), 224u);
        EXPECT_EQ(b.images[1].size(), 224u);
        EXPECT_EQ(b.images[2].size(), 380u);
        EXPECT_EQ(b.images[3].size(), 380u);
    }
    EXPECT_EQ(toolbar.buttons[1].images[0], bars::ButtonImage(12, bars::kButtonStrips[0]));

    EXPECT_EQ(Value("QuickBar", "DependentSections"), "QuickBar1");
    EXPECT_EQ(Value("QuickBar", "CPType"), "QuickBar");
    EXPECT_EQ(Value("QuickBar1", "QuickBarFile"), "MYSESS.ttb");
    EXPECT_EQ(Value("QuickBar", "LargeButtons"), "Yes");
    EXPECT_EQ(Value("QuickBar", "ToolTips"), "No");
    EXPECT_EQ(Report(), "");
}

TEST_F(Toolbar, TooltipsMissingOrFromTheCommand)
{
    ASSERT_TRUE(Convert(Statement({{"Mapto", "\"Sequence\"", "Bitmap", "\"40\"", "Value", "\"abc\""},
                                      Button("\"Command\"", "\"27\"", "\"Ignored\"", "\"&Copy\""),
                                      Button("\"Command\"", "\"28\"", "\"Links\"", "\"Links\""),
                                      {"Mapto", "\"Nothing\"", "Bitmap", "\"7\"", "Mapto", "\"String\"", "Bitmap",
                                       "\"8\"", "Value", "\"z\""}})));
    const formats::Toolbar toolbar = ReadBack();
    ASSERT_EQ(toolbar.buttons.size(), 5u);
    EXPECT_EQ(toolbar.buttons[0].tooltip, "");
    EXPECT_EQ(toolbar.buttons[0].value, "abc");
    EXPECT_EQ(toolbar.buttons[0].images[0], bars::ButtonImage(40, bars::kButtonStrips[0]));
    EXPECT_EQ(toolbar.buttons[1].tooltip, "Copy");
    EXPECT_EQ(toolbar.buttons[1].value, "Copy");
    EXPECT_EQ(toolbar.buttons[1].actionId, 0xE122);
    EXPECT_EQ(toolbar.buttons[2].actionId, COMMAND_ID_UNMAPPED);
    // "Nothing" takes no operand: the next button starts right after it.
    EXPECT_EQ(toolbar.buttons[3].actionId, 0);
    EXPECT_EQ(toolbar.buttons[4].value, "z");
    // An empty tooltip is the bytes 00 01 00.
    const std::string bytes = ReadFile(Written(".ttb"));
    EXPECT_NE(bytes.find(std::string("\x02\x00\x01\x00\x01\x00\x01W", 8)), std::string::npos);
}

// Within one search for a button, the kind, the Bitmap value and the tooltip keep the last value
// Unquote accepted (it refuses one letter), and a button without "ToolTip" keeps the tooltip read
// so far: a button of an unknown kind lends them to the next one. A new search starts with no
// tooltip and no image number.
TEST_F(Toolbar, ButtonsPassedOverLendTheirTooltipImageAndKind)
{
    struct Row {
        const char* what;
        PropertyList items;
        std::string tooltip; // of the one button written
        int image;
        std::string report;
    };
    const Row rows[] = {
        {"a button without ToolTip keeps the tooltip of the button passed over",
         {"Mapto", "\"Bogus\"", "Bitmap", "\"1\"", "ToolTip", "\"Old\"", "Value", "\"x\"",
          "Mapto", "\"String\"", "Bitmap", "\"2\"", "Value", "\"y\""},
         "Old", 2, Unconverted("Value=Bogus")},
        {"a one-letter tooltip too",
         {"Mapto", "\"Bogus\"", "Bitmap", "\"1\"", "ToolTip", "\"Old\"", "Value", "\"x\"",
          "Mapto", "\"String\"", "Bitmap", "\"2\"", "ToolTip", "T", "Value", "\"y\""},
         "Old", 2, Unconverted("Value=Bogus")},
        {"a one-letter Bitmap value keeps the image number of the button passed over",
         {"Mapto", "\"Bogus\"", "Bitmap", "\"12\"", "Value", "\"x\"",
          "Mapto", "\"String\"", "Bitmap", "7", "Value", "\"y\""},
         "", 12, Unconverted("Value=Bogus")},
        {"a one-letter kind keeps the kind of the button passed over",
         {"Mapto", "\"Bogus\"", "Bitmap", "\"1\"", "Value", "\"x\"",
          "Mapto", "S", "Bitmap", "\"2\"", "ToolTip", "\"Mine\"", "Value", "\"y\"",
          "Mapto", "\"String\"", "Bitmap", "\"3\"", "Value", "\"z\""},
         "Mine", 3, Unconverted("Value=Bogus") + Unconverted("Value=Bogus")},
        {"the first search of a statement has nothing to keep",
         {"Mapto", "\"String\"", "Bitmap", "7", "ToolTip", "T", "Value", "\"y\""}, "", 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(Convert(Statement({row.items})));
        const formats::Toolbar toolbar = ReadBack();
        ASSERT_EQ(toolbar.buttons.size(), 1u);
        EXPECT_EQ(toolbar.buttons[0].tooltip, row.tooltip);
        EXPECT_EQ(toolbar.buttons[0].images[0], bars::ButtonImage(row.image, bars::kButtonStrips[0]));
        EXPECT_EQ(Report(), NativeText(row.report));
        ASSERT_TRUE(m_report.OpenEmpty(m_desk.Path("report.txt"), true)); // the next row's own
    }
    // A button written lends nothing: the next search starts with an empty tooltip and Bitmap text.
    ASSERT_TRUE(Convert(Statement({Button("\"String\"", "\"5\"", "\"Five\"", "\"a\""),
                                      {"Mapto", "\"String\"", "Bitmap", "7", "Value", "\"b\""}})));
    const formats::Toolbar toolbar = ReadBack();
    ASSERT_EQ(toolbar.buttons.size(), 2u);
    EXPECT_EQ(toolbar.buttons[1].tooltip, "");
    EXPECT_EQ(toolbar.buttons[1].images[0], bars::ButtonImage(0, bars::kButtonStrips[0]));
}

// The image number is the Bitmap value's text as atoi reads it, after Unquote.
TEST_F(Toolbar, ImageNumberIsAtoiOfTheUnquotedText)
{
    struct Row {
        const char* bitmap;
        std::int32_t image;
    };
    // Past the range of long the C run-time's atoi saturates; where long has 64 bits the value is
    // then cut to 32.
    const bool wideLong = sizeof(long) == 8;
    const Row rows[] = {{"\"12\"", 12},   {"\"7\"", 7},      {"7", 0},          {"\" +12abc\"", 12},
                        {"\"-3\"", -3},   {"\"\"", 0},       {"\"x1\"", 0},    {"12", 12},
                        {"\"4294967308\"", wideLong ? 12 : 2147483647},
                        {"\"99999999999999999999\"", wideLong ? -1 : 2147483647}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bitmap);
        const PropertyList list = {"ToolbarMapping", "Mapto", "\"String\"", "Bitmap", row.bitmap, "Value", "\"v\""};
        std::size_t position = 0;
        CQIToolbarConverter::Button button;
        ASSERT_TRUE(m_converter.ReadNextToolbarButton(list, position, button));
        EXPECT_EQ(button.imageNumber, row.image);
    }
}

// The items are counted by the Mapto value as written, with its quotes, but each is read after
// Unquote: a bare Separator is counted as a button and placed as a separator.
TEST_F(Toolbar, BareSeparatorIsCountedAsAButton)
{
    ASSERT_TRUE(Convert(Statement({Button("\"String\"", "\"1\"", "\"a\"", "\"a\""), {"Mapto", "Separator"},
                                      Button("\"String\"", "\"2\"", "\"b\"", "\"b\"")})));
    formats::Toolbar toolbar = ReadBack();
    EXPECT_EQ(toolbar.buttonCount, 3u);
    EXPECT_EQ(toolbar.itemSpace, 26u * 3 + 1);
    ASSERT_EQ(toolbar.buttons.size(), 2u);
    EXPECT_EQ(toolbar.buttons[1].small.left, 8 + 24 + 6);
    EXPECT_EQ(toolbar.buttons[1].large.left, 10 + 32 + 8);

    // Alone, it makes a toolbar file of one counted button and none written.
    ASSERT_TRUE(Convert(Statement({{"Mapto", "Separator"}})));
    toolbar = ReadBack();
    EXPECT_EQ(toolbar.buttonCount, 1u);
    EXPECT_EQ(toolbar.itemSpace, 27u);
    EXPECT_TRUE(toolbar.buttons.empty());
    EXPECT_EQ(Value("QuickBar1", "QuickBarFile"), "MYSESS.ttb");
}

// A macro is named after the button's Bitmap value as written, unquoted; after a button passed
// over, a one-letter Bitmap value names it after that button's.
TEST_F(Toolbar, MacrosAreNamedAfterTheImageNumberText)
{
    InstallTranslator();
    WriteFile(m_desk.QimSessions() + kSep + "LOGON.qtm", "SEND(\"me^M\")\r\n");
    const bool converted = Convert(Statement({Button("\"Macro\"", "\"012\"", "\"Go\"", "\"RUNMACRO(\\\"LOGON.QTM\\\")\""),
                                                 {"Mapto", "\"Bogus\"", "Bitmap", "\"21\"", "Value", "\"x\""},
                                                 {"Mapto", "\"Macro\"", "Bitmap", "7", "Value", "\"SEND(\\\"hi\\\")\""}}));
    ASSERT_TRUE(converted);
    const formats::Toolbar toolbar = ReadBack();
    ASSERT_EQ(toolbar.buttons.size(), 2u);
    EXPECT_EQ(toolbar.buttons[0].actionId, ACTION_ID_MACRO);
    EXPECT_EQ(toolbar.buttons[0].value, m_desk.Macros() + kSep + "012.tbm");
    EXPECT_TRUE(FileExists(toolbar.buttons[0].value));
    EXPECT_EQ(toolbar.buttons[0].images[0], bars::ButtonImage(12, bars::kButtonStrips[0]));
    EXPECT_EQ(toolbar.buttons[1].value, m_desk.Macros() + kSep + "21.tbm");
    EXPECT_TRUE(FileExists(toolbar.buttons[1].value));
    EXPECT_EQ(toolbar.buttons[1].images[0], bars::ButtonImage(21, bars::kButtonStrips[0]));
    EXPECT_EQ(Report(), NativeText(Unconverted("Value=Bogus")));
}

TEST_F(Toolbar, UnconvertibleButtonsAreReportedAndLeftOut)
{
    // No macro translator is installed here, so inline macro text cannot be translated.
    ASSERT_TRUE(Convert(Statement({Button("\"Macro\"", "\"1\"", "\"Go\"", "\"SEND(\\\"x\\\")\""),
                                      Button("\"Launch\"", "\"2\"", "\"Calc\"", "\"calc\""),
                                      Button("\"String\"", "\"3\"", "\"Ok\"", "\"ok\"")})));
    const formats::Toolbar toolbar = ReadBack();
    EXPECT_EQ(toolbar.buttonCount, 3u); // counted before converting
    ASSERT_EQ(toolbar.buttons.size(), 1u);
    EXPECT_EQ(toolbar.buttons[0].tooltip, "Ok");
    EXPECT_EQ(toolbar.buttons[0].small.left, 8); // the left-out buttons take no place
    EXPECT_EQ(Report(), NativeText("Unable to convert macro:\tSEND(\"x\")\n" + Unconverted("Value=Launch")));
    EXPECT_EQ(m_converter.m_unconverted, 2);
}

TEST_F(Toolbar, NoButtonNoFileButTheOptions)
{
    EXPECT_FALSE(Convert(Statement({Separator(), Separator()})));
    EXPECT_FALSE(FileExists(Written(".ttb")));
    EXPECT_EQ(Value("QuickBar", "DependentSections"), kAbsent);
    EXPECT_EQ(Value("QuickBar", "LargeButtons"), "Yes");
    EXPECT_EQ(Value("QuickBar", "ToolTips"), "No");
}

TEST_F(Toolbar, ImagesPastTheStripAreBlack)
{
    ASSERT_TRUE(Convert(Statement({Button("\"String\"", "\"157\"", "\"last\"", "\"a\""),
                                      Button("\"String\"", "\"158\"", "\"past\"", "\"b\""),
                                      Button("\"String\"", "\"-1\"", "\"before\"", "\"c\""),
                                      Button("\"String\"", "\"99999999999\"", "\"far\"", "\"d\"")})));
    const formats::Toolbar toolbar = ReadBack();
    ASSERT_EQ(toolbar.buttons.size(), 4u);
    const std::size_t pixels = 104; // header and palette
    // Image 157 is the strip's last: framed, nothing black-only about it.
    EXPECT_NE(toolbar.buttons[0].images[2].substr(pixels), std::string(380 - pixels, '\0'));
    // Past the small strips' last image there is one column of strip left (its spare column), then black.
    const std::string past = toolbar.buttons[1].images[0].substr(pixels);
    for (int row = 0; row < 15; ++row) {
        EXPECT_EQ(static_cast<unsigned char>(past[static_cast<std::size_t>(row) * 8]) & 0x0F, 0) << row;
        EXPECT_EQ(past.substr(static_cast<std::size_t>(row) * 8 + 1, 7), std::string(7, '\0')) << row;
    }
    EXPECT_EQ(toolbar.buttons[1].images[2].substr(pixels), std::string(380 - pixels, '\0'));
    EXPECT_EQ(toolbar.buttons[2].images[0].substr(pixels), std::string(224 - pixels, '\0'));
    EXPECT_EQ(toolbar.buttons[3].images[3].substr(pixels), std::string(380 - pixels, '\0'));
}

TEST_F(Toolbar, HostileInputEndsCleanly)
{
    PropertyList list = Statement({});
    for (int i = 0; i < 500; ++i) {
        const PropertyList b = Button(i % 7 ? "\"String\"" : "\"Separator\"", "\"" + std::to_string(i) + "\"",
                                      "\"" + std::string(2000, 'T') + "\"", "\"v\"");
        list.insert(list.end(), b.begin(), b.end());
    }
    list.insert(list.end(), {"Mapto", "\"String\"", "Bitmap"}); // cut short
    ASSERT_TRUE(Convert(list));
    const formats::Toolbar toolbar = ReadBack();
    EXPECT_EQ(toolbar.buttonCount, 429u);
    EXPECT_EQ(toolbar.buttons.size(), 428u);
    EXPECT_EQ(toolbar.buttons.back().tooltip.size(), 2000u);
    EXPECT_TRUE(m_notices.empty());
}

} // namespace
