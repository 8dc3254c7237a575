// The "ButtonPad" statement: layout defaults, button order, the pad's fields, the session keys, and
// the inputs that must end in report lines or in no pad at all.
#include "actions/ActionIds.h"
#include "actions/CQIMacroLibrary.h"
#include "bars/CQIQuickPadConverter.h"
#include "bars/ButtonMetrics.h"
#include "formats/QuickPad.h"
#include "platform/Installer.h"
#include "platform/Screen.h"

#include "support/ConverterDesk.h"
#include <limits>
#include <tuple>

namespace {

using namespace testing_support;

class QuickPad : public ConverterTest<CQIQuickPadConverter> {
protected:
    formats::QuickPad ReadBack() const { return ReadWritten(".tqp", &formats::ReadQuickPad); }
    platform::TextExtent ButtonSize()
    {
        platform::TextExtent size;
        MeasureButton(platform::FontSpec{"Arial", 9, 400, 1, 0x20}, size, 10);
        return size;
    }
    // A button of kind String: Caption, text, MapTo, kind, Value, operand.
    static PropertyList Button(const std::string& caption, const std::string& kind = "\"String\"",
                               const std::string& operand = "\"x\"")
    {
        return {"Caption", caption, "MapTo", kind, "Value", operand};
    }
    static PropertyList Pad(PropertyList layout, int buttons)
    {
        PropertyList list = {"ButtonPad"};
        list.insert(list.end(), layout.begin(), layout.end());
        for (int i = 0; i < buttons; ++i) {
            const PropertyList b = Button("\"B" + std::to_string(i) + "\"");
            list.insert(list.end(), b.begin(), b.end());
        }
        return list;
    }
};

TEST_F(QuickPad, LayoutDefaultsAndOrder)
{
    struct Row {
        const char* what;
        PropertyList statement;
        bool ok;
        int rows, columns, width;
        bool columnMajor;
    };
    const Row rows[] = {
        {"defaults", {"ButtonPad", "Columns", "\"3\""}, true, 1, 3, 10, true},
        {"names in any case, values out of range",
         {"ButtonPad", "rows", "\"-5\"", "COLUMNS", "\"2\"", "ButtonWidth", "\"0\"", "OrderbyRow", "false"}, true, 1, 2,
         10, true},
        // The order value is compared as written: only a bare False keeps the column order.
        {"row order", {"ButtonPad", "Columns", "\"1\"", "OrderbyRow", "True"}, true, 1, 1, 10, false},
        {"a quoted False", {"ButtonPad", "Columns", "\"1\"", "OrderbyRow", "\"False\""}, true, 1, 1, 10, false},
        {"a width", {"ButtonPad", "Columns", "\"1\"", "ButtonWidth", "\"25\""}, true, 1, 1, 25, true},
        // A value given twice: the later one counts while the walk goes on, that is until all four
        // items have been found; after that the rest of the list is not read.
        {"values given twice", {"ButtonPad", "Rows", "\"2\"", "Columns", "\"3\"", "Rows", "\"4\"", "Columns", "\"5\""},
         true, 4, 5, 10, true},
        {"values after all four",
         {"ButtonPad", "Rows", "\"2\"", "Columns", "\"3\"", "ButtonWidth", "\"12\"", "OrderbyRow", "True", "Rows",
          "\"4\"", "Columns", "\"0\""},
         true, 2, 3, 12, false},
        // Numbers are read through Unquote, which refuses a single character (read as 0), quoted or not.
        {"a later value Unquote refuses", {"ButtonPad", "Columns", "\"3\"", "Rows", "\"2\"", "Rows", "7"}, true, 0, 3,
         10, true},
        {"an unquoted number", {"ButtonPad", "Columns", "12"}, true, 1, 12, 10, true},
        {"no columns", {"ButtonPad", "Rows", "\"2\""}, false, 2, -1, 10, true},
        {"no column", {"ButtonPad", "Columns", "\"0\"", "Rows", "\"2\""}, false, 2, 0, 10, true},
        {"negative columns", {"ButtonPad", "Columns", "\"-1\""}, false, -1, -1, 10, true},
        {"the key ends the list", {"ButtonPad", "Columns"}, false, -1, 0, 10, true},
        {"one character", {"ButtonPad", "Columns", "7"}, false, -1, 0, 10, true},
    };
    for (const Row& row : rows) {
        CQIQuickPadConverter::PadLayout layout;
        EXPECT_EQ(m_converter.ReadPadLayout(row.statement, layout), row.ok) << row.what;
        EXPECT_EQ(layout.rows, row.rows) << row.what;
        EXPECT_EQ(layout.columns, row.columns) << row.what;
        EXPECT_EQ(layout.buttonWidth, row.width) << row.what;
        EXPECT_EQ(layout.columnMajor, row.columnMajor) << row.what;
    }
}

TEST_F(QuickPad, FixedMetricsMakeTenCharacterButtons88By20)
{
    if (!FixedScreenMetrics())
        GTEST_SKIP() << "the platform measures the font itself";
    const platform::TextExtent size = ButtonSize();
    EXPECT_EQ(size.cx, 88);
    EXPECT_EQ(size.cy, 20);
    // A wide button is measured in full, not cut to some shorter text.
    platform::TextExtent wide;
    MeasureButton(platform::FontSpec{"Arial", 9, 400, 1, 0x20}, wide, 2000);
    EXPECT_EQ(wide.cx, 2000 * 8 + 8);
    EXPECT_EQ(ScalePixels(4, true), 12);
    EXPECT_EQ(ScalePixels(-7, false), -21);
}

TEST_F(QuickPad, PadOfTwoColumns)
{
    if (!FixedScreenMetrics())
        GTEST_SKIP() << "the pixel numbers below are those of the fixed metrics";
    ASSERT_TRUE(Convert({"ButtonPad", "Columns", "\"2\"", "Caption", "\"&Send\"", "MapTo", "\"String\"", "Value",
                         "\"ls^M\"", "Caption", "\"Quit\"", "MapTo", "\"Nothing\"", "Caption", "\"Copy\"", "MapTo",
                         "\"Command\"", "Value", "\"&Copy\""}));
    // Two columns of 88 x 20 pixels, one row; at 96 pixels per inch a pixel is 3 file units. The
    // third button has no place in one row of two and is left out.
    const formats::QuickPad pad = ReadBack();
    EXPECT_EQ(pad.marginX, 12);
    EXPECT_EQ(pad.width, (2 * 88 + 10) * 3);
    EXPECT_EQ(pad.height, (20 + 10) * 3);
    EXPECT_EQ(pad.background, 7);
    EXPECT_EQ(pad.name, "MYSESS");
    ASSERT_EQ(pad.buttons.size(), 2u);
    const formats::QuickPadButton& send = pad.buttons[0];
    EXPECT_EQ(std::make_tuple(send.actionId, send.value, send.caption, send.textColour),
              std::make_tuple(std::uint16_t{40000}, std::string("ls\r"), std::string("Send"), std::uint16_t{0}));
    EXPECT_EQ(std::make_tuple(send.place.top, send.place.left, send.place.bottom, send.place.right),
              std::make_tuple(12, 12, 72, 276));
    const formats::QuickPadButton& quit = pad.buttons[1];
    EXPECT_EQ(std::make_tuple(quit.actionId, quit.value, quit.caption), std::make_tuple(std::uint16_t{0}, std::string(), std::string("Quit")));
    EXPECT_EQ(std::make_tuple(quit.place.left, quit.place.right), std::make_tuple(276, 540));
    EXPECT_EQ(Value("QuickPad", "DependentSections"), "QuickPad1");
    EXPECT_EQ(Value("QuickPad", "CPType"), "QuickPad");
    EXPECT_EQ(Value("QuickPad1", "QuickPadFile"), "MYSESS.tqp");
    EXPECT_EQ(Report(), "");
}

TEST_F(QuickPad, ColumnMajorAndRowMajorPlaces)
{
    const platform::TextExtent size = ButtonSize();
    auto places = [&](const formats::QuickPad& pad) {
        std::vector<std::pair<int, int>> out; // (row, column) whose pixel rectangle the button has
        for (const formats::QuickPadButton& b : pad.buttons)
            for (int row = 0; row < 2; ++row)
                for (int column = 0; column < 3; ++column)
                    if (b.place.top == ScalePixels(size.cy * row + 4, false) &&
                        b.place.left == ScalePixels(size.cx * column + 4, true) &&
                        b.place.bottom == ScalePixels(size.cy * (row + 1) + 4, false) &&
                        b.place.right == ScalePixels(size.cx * (column + 1) + 4, true))
                        out.emplace_back(row, column);
        return out;
    };
    ASSERT_TRUE(Convert(Pad({"Rows", "\"2\"", "Columns", "\"3\""}, 6)));
    const std::vector<std::pair<int, int>> byColumn = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}};
    EXPECT_EQ(places(ReadBack()), byColumn);
    ASSERT_TRUE(Convert(Pad({"Rows", "\"2\"", "Columns", "\"3\"", "OrderbyRow", "True"}, 6)));
    const std::vector<std::pair<int, int>> byRow = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}};
    EXPECT_EQ(places(ReadBack()), byRow);
    const formats::QuickPad pad = ReadBack();
    EXPECT_EQ(pad.buttons[4].caption, "B4");
}

TEST_F(QuickPad, NoColumnOrNoButtonWritesNothing)
{
    EXPECT_FALSE(Convert(Pad({"Rows", "\"2\""}, 2)));
    EXPECT_FALSE(Convert(Pad({"Columns", "\"0\""}, 2)));
    EXPECT_FALSE(Convert(Pad({"Columns", "\"4\""}, 0)));
    EXPECT_FALSE(FileExists(Written(".tqp")));
    EXPECT_EQ(Value("QuickPad", "CPType"), kAbsent);
    EXPECT_EQ(Report(), "");
}

TEST_F(QuickPad, UnknownKindIsReportedAndSkipped)
{
    PropertyList list = {"ButtonPad", "Columns", "\"3\""};
    for (const PropertyList& b : {Button("\"A\""), Button("\"Launch\"", "\"Launch\"", "\"calc\""), Button("\"C\"")})
        list.insert(list.end(), b.begin(), b.end());
    ASSERT_TRUE(Convert(list));
    const formats::QuickPad pad = ReadBack();
    ASSERT_EQ(pad.buttons.size(), 2u);
    EXPECT_EQ(pad.buttons[1].caption, "C");
    EXPECT_EQ(pad.buttons[1].place.left, ReadBack().buttons[0].place.right); // the skipped button takes no place
    EXPECT_EQ(Report(), NativeText(Unconverted("Value=Launch")));
    EXPECT_EQ(m_converter.m_unconverted, 1);

}

// Within one search for a button, the caption and the kind keep the last value Unquote accepted (it
// refuses one letter): a button of an unknown kind lends them to the next one. A new search starts
// with an empty caption.
TEST_F(QuickPad, ButtonsPassedOverLendTheirCaptionAndKind)
{
    PropertyList list = {"ButtonPad", "Columns", "\"4\""};
    for (const PropertyList& b :
         {Button("\"Old\"", "\"Bogus\""), Button("A", "\"String\"", "\"y\""),   // "Old", y
          Button("\"Twice\"", "\"Launch\""), Button("\"Again\"", "L"),          // both reported
          Button("\"&Kept\"", "\"Sequence\"", "\"k\""),                        // "Kept", k
          Button("B", "\"String\"", "\"b\"")})                                    // "", b
        list.insert(list.end(), b.begin(), b.end());
    ASSERT_TRUE(Convert(list));
    const formats::QuickPad pad = ReadBack();
    ASSERT_EQ(pad.buttons.size(), 3u);
    EXPECT_EQ(pad.buttons[0].caption, "Old");
    EXPECT_EQ(pad.buttons[0].value, "y");
    EXPECT_EQ(pad.buttons[1].caption, "Kept");
    EXPECT_EQ(pad.buttons[1].value, "k");
    EXPECT_EQ(pad.buttons[2].caption, "");
    EXPECT_EQ(pad.buttons[2].value, "b");
    EXPECT_EQ(Report(), NativeText(Unconverted("Value=Bogus") + Unconverted("Value=Launch") +
                                   Unconverted("Value=Launch")));
}

TEST_F(QuickPad, MacroThatCannotBeTranslatedEndsThePad)
{
    // No macro translator is installed here, so inline macro text cannot be translated.
    PropertyList list = {"ButtonPad", "Columns", "\"3\""};
    for (const PropertyList& b : {Button("\"A\""), Button("\"Go\"", "\"Macro\"", "\"SEND(\\\"x\\\")\""), Button("\"C\"")})
        list.insert(list.end(), b.begin(), b.end());
    ASSERT_TRUE(Convert(list));
    const formats::QuickPad pad = ReadBack();
    ASSERT_EQ(pad.buttons.size(), 1u);
    EXPECT_EQ(pad.buttons[0].caption, "A");
    EXPECT_EQ(Report(), NativeText(Unconverted("SEND(\"x\")")));

    // The same macro on the first button: no pad at all.
    std::remove(Written(".tqp").c_str());
    PropertyList first = {"ButtonPad", "Columns", "\"3\""};
    const PropertyList macro = Button("\"Go\"", "\"Macro\"", "\"SEND(\\\"x\\\")\"");
    first.insert(first.end(), macro.begin(), macro.end());
    EXPECT_FALSE(Convert(first));
    EXPECT_FALSE(FileExists(Written(".tqp")));
}

TEST_F(QuickPad, MacroFileThatCannotBeOpenedKeepsTheOperand)
{
    PropertyList list = {"ButtonPad", "Columns", "\"1\""};
    const PropertyList b = Button("\"Log&on\"", "\"Macro\"", "\"RUNMACRO(\\\"NONE.QTM\\\")\"");
    list.insert(list.end(), b.begin(), b.end());
    ASSERT_TRUE(Convert(list));
    const formats::QuickPad pad = ReadBack();
    ASSERT_EQ(pad.buttons.size(), 1u);
    EXPECT_EQ(pad.buttons[0].actionId, ACTION_ID_MACRO);
    EXPECT_EQ(pad.buttons[0].value, "RUNMACRO(\"NONE.QTM\")");
    EXPECT_EQ(pad.buttons[0].caption, "Logon");
}

// A macro is named after its button's caption, without "&"; after a button passed over, a one-
// letter caption names it after that button's.
TEST_F(QuickPad, MacrosAreNamedAfterTheCaption)
{
    InstallTranslator();
    WriteFile(m_desk.QimSessions() + kSep + "LOGON.qtm", "SEND(\"me^M\")\r\n");
    PropertyList list = {"ButtonPad", "Columns", "\"2\""};
    for (const PropertyList& b : {Button("\"Log&on\"", "\"Macro\"", "\"RUNMACRO(\\\"LOGON.QTM\\\")\""),
                                  Button("\"Other\"", "\"Bogus\""),
                                  Button("X", "\"Macro\"", "\"SEND(\\\"hi\\\")\"")})
        list.insert(list.end(), b.begin(), b.end());
    const bool converted = Convert(list);
    ASSERT_TRUE(converted);
    const formats::QuickPad pad = ReadBack();
    ASSERT_EQ(pad.buttons.size(), 2u);
    EXPECT_EQ(pad.buttons[0].actionId, ACTION_ID_MACRO);
    EXPECT_EQ(pad.buttons[0].value, m_desk.Macros() + kSep + "Logon.tbm");
    EXPECT_TRUE(FileExists(pad.buttons[0].value));
    EXPECT_EQ(pad.buttons[1].caption, "Other");
    EXPECT_EQ(pad.buttons[1].value, m_desk.Macros() + kSep + "Other.tbm");
    EXPECT_TRUE(FileExists(pad.buttons[1].value));
    EXPECT_EQ(Report(), NativeText(Unconverted("Value=Bogus")));
}

TEST_F(QuickPad, HostileInputEndsCleanly)
{
    // A caption of 2,000 bytes, huge and negative numbers, 500 buttons.
    PropertyList list = {"ButtonPad", "Columns", "\"2000000000\"", "Rows", "\"2000000000\"", "ButtonWidth",
                         "\"99999999999\""};
    const PropertyList big = Button("\"" + std::string(2000, 'W') + "\"");
    list.insert(list.end(), big.begin(), big.end());
    for (int i = 0; i < 500; ++i) {
        const PropertyList b = Button("\"" + std::to_string(i) + "\"", i % 2 ? "\"Nothing\"" : "\"VTFunction\"");
        list.insert(list.end(), b.begin(), b.end());
    }
    ASSERT_TRUE(Convert(list));
    const formats::QuickPad pad = ReadBack();
    ASSERT_EQ(pad.buttons.size(), 501u);
    EXPECT_EQ(pad.buttons[0].caption.size(), 2000u);
    EXPECT_EQ(pad.buttons[1].value, "<x>");
    EXPECT_EQ(pad.buttons[2].actionId, 0);

    // A statement cut short after its first caption.
    EXPECT_FALSE(Convert({"ButtonPad", "Columns", "\"2\"", "Caption"}));
    EXPECT_TRUE(m_notices.empty());
}

TEST_F(QuickPad, HugePadSizeIsScaledFromItsFullPixelCount)
{
    if (!FixedScreenMetrics())
        GTEST_SKIP() << "the numbers below are those of the fixed metrics";
    // 2,000,000 columns of 88 pixels and 3,000,000 rows of 20: 176,000,010 x 60,000,010 pixels,
    // scaled in single precision to 528,000,064 x 180,000,016 units, of which the file keeps the
    // low 16 bits. Cutting the pixels to 16 bits first would give other numbers.
    ASSERT_TRUE(Convert(Pad({"Rows", "\"3000000\"", "Columns", "\"2000000\""}, 1)));
    const formats::QuickPad pad = ReadBack();
    EXPECT_EQ(static_cast<std::uint16_t>(pad.width), 528000064u % 65536);
    EXPECT_EQ(static_cast<std::uint16_t>(pad.height), 180000016u % 65536);
    // Past the integer range the scaled value is the smallest integer, not undefined behaviour.
    EXPECT_EQ(ScalePixels(2000000000, true), std::numeric_limits<int>::min());
}

TEST_F(QuickPad, FileThatCannotBeCreatedIsAFileError)
{
    const std::string missing = m_desk.Path("no-such-folder");
    EXPECT_FALSE(m_converter.Convert(Pad({"Columns", "\"1\""}, 1), m_session.c_str(), missing.c_str()));
    ASSERT_EQ(m_notices.size(), 1u);
    EXPECT_EQ(Value("QuickPad", "CPType"), kAbsent);
    // A session path without a file name: nothing to name the pad after.
    EXPECT_FALSE(m_converter.Convert(Pad({"Columns", "\"1\""}, 1), "", m_desk.Schemes().c_str()));
    EXPECT_EQ(m_converter.m_unconverted, 1);
}

} // namespace
