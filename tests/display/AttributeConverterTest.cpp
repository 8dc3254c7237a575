// The "Display.Attributes" statement: attribute entries keyed by their names, the colour switches,
// and the scheme marker that every statement leaves behind.
#include "display/CQIAttributeConverter.h"

#include "support/ConverterDesk.h"

#include <sstream>

namespace {

using namespace testing_support;

class AttributeConverter : public ConverterTest<CQIAttributeConverter> {
protected:
    void ExpectSchemeMarker() const
    {
        EXPECT_EQ(Value("Color Scheme", "CPType"), "COLDEC");
        EXPECT_EQ(Value("Color Scheme", "ColorSchemeName"), "");
    }
};

TEST_F(AttributeConverter, EntryIsKeyedByItsNameWithCommaAndSpace)
{
    EXPECT_TRUE(Convert({"Display.Attributes", "Attribute", "\"Bold\"", "Foreground", "\"7\"", "Background", "\"0\"",
                         // Keys after the name are not looked at; the name is written as the source spells it.
                         "attribute", "\"Reverse Video\"", "Anything", "\"15\"", "Else", "\"4\"",
                         "Underline", "True"}));
    EXPECT_EQ(Value("Color Scheme", "Bold"), "7, 0");
    EXPECT_EQ(Value("Color Scheme", "Reverse Video"), "15, 4");
    EXPECT_EQ(Value("Color Scheme", "MapColorUnderline"), "TRUE");
    ExpectSchemeMarker();
    EXPECT_EQ(Report(), "");
    EXPECT_NE(ReadFile(m_session).find("Reverse Video="), std::string::npos);
}

TEST_F(AttributeConverter, LaterEntryForANameWins)
{
    Convert({"Display.Attributes", "Attribute", "\"Blink\"", "F", "\"1\"", "B", "\"2\"",
             "Attribute", "\"Blink\"", "F", "\"3\"", "B", "\"4\""});
    EXPECT_EQ(Value("Color Scheme", "Blink"), "3, 4");
}

TEST_F(AttributeConverter, SwitchesGoToTheirSections)
{
    Convert({"Display.Attributes", "ISOColors", "False", "Bold", "true", "Inverse", "FALSE", "Blink", "\"on\""});
    EXPECT_EQ(Value("Terminal", "DispISOColors"), "FALSE");
    EXPECT_EQ(Value("Color Scheme", "DispISOColors"), kAbsent);
    EXPECT_EQ(Value("Color Scheme", "MapColorBold"), "TRUE");
    EXPECT_EQ(Value("Color Scheme", "MapColorInverse"), "FALSE");
    EXPECT_EQ(Value("Color Scheme", "MapColorBlink"), kAbsent);
    EXPECT_EQ(Report(), NativeText(Unconverted("Blink=\"on\"")));
}

TEST_F(AttributeConverter, ResetAloneIsReportedAndStillMarksTheScheme)
{
    EXPECT_TRUE(Convert({"Display.Attributes", "Reset", "True"}));
    ExpectSchemeMarker();
    EXPECT_EQ(Report(), NativeText(Unconverted("Reset=True")));
    EXPECT_EQ(m_converter.m_unconverted, 1);
    EXPECT_EQ(m_converter.m_unrecognized, 0);
}

TEST_F(AttributeConverter, NamelessEntryIsReportedNeverWrittenWithAnEmptyKey)
{
    // An empty name and one too short to unquote; the entry is still consumed whole.
    Convert({"Display.Attributes", "Attribute", "\"\"", "F", "\"1\"", "B", "\"2\"",
             "Attribute", "X", "F", "\"3\"", "B", "\"4\"", "Bold", "True"});
    EXPECT_EQ(Value("Color Scheme", "MapColorBold"), "TRUE");
    EXPECT_EQ(Report(), NativeText(Unconverted("Attribute=\"\"") + Unconverted("Attribute=X")));
    std::istringstream lines(ReadFile(m_session));
    for (std::string line; std::getline(lines, line);)
        EXPECT_NE(line.rfind('=', 0), 0u) << line;
}

TEST_F(AttributeConverter, TruncatedEntryIsReportedAndTheMarkerStillWritten)
{
    EXPECT_TRUE(Convert({"Display.Attributes", "Underline", "False", "Attribute", "\"Bold\"", "Foreground", "\"7\""}));
    EXPECT_EQ(Value("Color Scheme", "MapColorUnderline"), "FALSE");
    EXPECT_EQ(Value("Color Scheme", "Bold"), kAbsent);
    ExpectSchemeMarker();
    // Odd count: the last key has no value.
    Convert({"Display.Attributes", "Attribute", "\"Bold\"", "Foreground", "\"7\"", "Background"});
    Convert({"Display.Attributes", "Bold"});
    EXPECT_EQ(Value("Color Scheme", "Bold"), kAbsent);
    EXPECT_EQ(Report(), NativeText(Unconverted("Attribute=\"Bold\"") + Unconverted("Attribute=\"Bold\"") +
                                   Unconverted("Bold=")));
    EXPECT_EQ(m_converter.m_unconverted, 3);
}

} // namespace
