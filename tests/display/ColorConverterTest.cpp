// The "Display.Colors" statement: colour map entries taken by position, the two switches, and the
// properties that must end in report lines instead of keys.
#include "display/CQIColorConverter.h"
#include "display/CQIAttributeConverter.h"
#include "translator/ConverterRegistry.h"

#include "support/ConverterDesk.h"

namespace {

using namespace testing_support;

class ColorConverter : public ConverterTest<CQIColorConverter> {};

TEST_F(ColorConverter, EntryTakesItsThreeComponentsByPosition)
{
    EXPECT_TRUE(Convert({"Display.Colors", "VTColorIndex", "\"12\"", "Red", "\"100\"", "Green", "\"50\"", "Blue", "\"0\"",
                         // The keys after the index are not looked at: the order of the values decides.
                         "vtcolorindex", "\"03\"", "Blue", "\"1\"", "Red", "\"2\"", "Green", "\"3\"",
                         // A switch right after an entry is read as a property of its own.
                         "Useexactcolors", "True"}));
    EXPECT_EQ(Value("Terminal", "ClrCurrent12"), "100,50,0");
    EXPECT_EQ(Value("Terminal", "ClrCurrent3"), "1,2,3");
    EXPECT_EQ(Value("Terminal", "ClrCurrent03"), kAbsent);
    EXPECT_EQ(Value("Terminal", "ClrExactColors"), "TRUE");
    EXPECT_EQ(Value("Terminal", "R"), kAbsent);
    EXPECT_EQ(Report(), "");
    EXPECT_EQ(m_converter.m_unconverted, 0);
    EXPECT_EQ(m_converter.m_unrecognized, 0);
}

TEST_F(ColorConverter, LaterEntryForAnIndexWins)
{
    Convert({"Display.Colors", "VTColorIndex", "\"7\"", "Red", "\"1\"", "Green", "\"1\"", "Blue", "\"1\"",
             "VTColorIndex", "\"7\"", "Red", "\"255\"", "Green", "\"128\"", "Blue", "\"64\""});
    EXPECT_EQ(Value("Terminal", "ClrCurrent7"), "255,128,64");
    EXPECT_EQ(ReadFile(m_session).find("1,1,1"), std::string::npos);
}

TEST_F(ColorConverter, SwitchesWriteBooleansOrReportTheValue)
{
    Convert({"Display.Colors", "useexactcolors", "True", "Lockusercolors", "\"maybe\""});
    EXPECT_EQ(Value("Terminal", "ClrExactColors"), "TRUE");
    EXPECT_EQ(Value("Terminal", "ClrLockColors"), kAbsent);
    EXPECT_EQ(Report(), NativeText(Unconverted("Lockusercolors=\"maybe\"")));
    EXPECT_EQ(m_converter.m_unconverted, 1);
}

TEST_F(ColorConverter, ComponentOutsideAnEntryIsReportedNotWritten)
{
    Convert({"Display.Colors", "Red", "\"100\"", "Blue", "\"9\""});
    EXPECT_EQ(Value("Terminal", "R"), kAbsent);
    EXPECT_EQ(Value("Terminal", "B"), kAbsent);
    EXPECT_EQ(Report(), NativeText(Unconverted("Red=\"100\"") + Unconverted("Blue=\"9\"")));
    EXPECT_EQ(m_converter.m_unconverted, 2);
}

TEST_F(ColorConverter, ResetIsSilentUnknownKeysAreUnrecognised)
{
    Convert({"Display.Colors", "Reset", "True", "Shade", "\"3\"", "Lockusercolors", "False"});
    EXPECT_EQ(Value("Terminal", "ClrLockColors"), "FALSE");
    EXPECT_EQ(Report(), NativeText(Unrecognized("Shade")));
    EXPECT_EQ(m_converter.m_unrecognized, 1);
    EXPECT_EQ(m_converter.m_unconverted, 0);
}

TEST_F(ColorConverter, TruncatedEntryIsReportedAndEndsTheStatement)
{
    // The last component has no value and the entry before it is complete but for it.
    EXPECT_TRUE(Convert({"Display.Colors", "Useexactcolors", "False", "VTColorIndex", "\"4\"", "Red", "\"1\"",
                         "Green", "\"2\"", "Blue"}));
    EXPECT_EQ(Value("Terminal", "ClrExactColors"), "FALSE");
    EXPECT_EQ(Value("Terminal", "ClrCurrent4"), kAbsent);
    EXPECT_EQ(Report(), NativeText(Unconverted("VTColorIndex=\"4\"")));
    EXPECT_EQ(m_converter.m_unconverted, 1);
}

TEST_F(ColorConverter, KeyWithoutValueAtTheEnd)
{
    Convert({"Display.Colors", "Useexactcolors"});
    Convert({"Display.Colors", "VTColorIndex"});
    Convert({"Display.Colors"});
    EXPECT_EQ(Report(), NativeText(Unconverted("Useexactcolors=") + Unconverted("VTColorIndex=")));
    EXPECT_EQ(ReadFile(m_session), "[Session]\r\nTitle=\r\n"); // no key written
}

TEST_F(ColorConverter, RegistryMakesOneConverterPerDisplayGroup)
{
    CConverterRegistry registry;
    CQIConverter* colors = registry.GetConverter("display.colors");
    CQIConverter* attributes = registry.GetConverter("Display.Attributes");
    EXPECT_NE(dynamic_cast<CQIColorConverter*>(colors), nullptr);
    EXPECT_NE(dynamic_cast<CQIAttributeConverter*>(attributes), nullptr);
    EXPECT_EQ(registry.GetConverter("Display.Colors"), colors);
    EXPECT_EQ(registry.GetConverter("DISPLAY.ATTRIBUTES"), attributes);
}

} // namespace
