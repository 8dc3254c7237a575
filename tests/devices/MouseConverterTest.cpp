// The "Mouse" statement into session keys: each action kind, the events by name, the bindings that
// are skipped silently, and a binding that breaks off without losing the ones after it.
#include "devices/CQIMouseConverter.h"

#include "support/ConverterDesk.h"

#include <cstdlib>
#include <regex>

namespace {

using namespace testing_support;

class MouseConverter : public ConverterDesk {
protected:
    // The three keys of an event, "Action|ActionID|ActionString".
    std::string Keys(const std::string& event) const
    {
        return Value(event + "Action") + "|" + Value(event + "ActionID") + "|" + Value(event + "ActionString");
    }
    CQIMouseConverter m_mouse;
};

TEST_F(MouseConverter, EachKindWritesItsThreeKeys)
{
    EXPECT_FALSE(Convert(m_mouse, {"Mouse", "Reset", "False",
                                   "Action", "\"Right Double-Click\"", "Mapto", "\"Command\"", "Value", "\"Paste\"",
                                   "Action", "\"left double-click\"", "Mapto", "\"Command\"", "Value", "\"&Copy Special\"",
                                   "Action", "\"Middle Button Down\"", "Mapto", "\"Sequence\"", "Value", "\"\xAB" "F1\xBB^[[A\"",
                                   "Action", "\"Middle Button Up\"", "Mapto", "\"String\"", "Value", "\"ls\"+\" -l\"",
                                   // Nothing takes no operand: the next binding follows at once
                                   "Action", "\"Left Button Up\"", "Mapto", "\"Nothing\"",
                                   "Action", "\"Right Button Down\"", "Mapto", "\"Command\"", "Value", "\"Print\""}));
    EXPECT_EQ(Keys("RBD"), "4|57637|Paste");
    EXPECT_EQ(Keys("LBD"), "4|40240|Copy Special");
    EXPECT_EQ(Keys("MBP"), "2|40000|<F1>\x1B[A");
    EXPECT_EQ(Keys("MBR"), "2|40000|ls -l");
    EXPECT_EQ(Keys("LBR"), "1|0|");
    EXPECT_EQ(Keys("RBP"), "4|57607|Print");
    EXPECT_EQ(Report(), "");
}

TEST_F(MouseConverter, EveryEventNameHasItsCode)
{
    PropertyList statement = {"Mouse"};
    const char* const names[] = {"Left Button Down",   "Left Button Up",   "Left Double-Click",
                                 "Right Button Down",  "Right Button Up",  "Right Double-Click",
                                 "Middle Button Down", "Middle Button Up", "Middle Double-Click"};
    for (const char* name : names)
        statement.insert(statement.end(), {"Action", "\"" + std::string(name) + "\"", "Mapto", "\"String\"", "Value",
                                           "\"" + std::string(name) + "\""});
    Convert(m_mouse, statement);
    const char* const codes[] = {"LBP", "LBR", "LBD", "RBP", "RBR", "RBD", "MBP", "MBR", "MBD"};
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(Keys(codes[i]), std::string("2|40000|") + names[i]) << codes[i];
}

TEST_F(MouseConverter, VtFunctionsAndUnknownKindsAreSkippedSilently)
{
    Convert(m_mouse, {"Mouse", "Action", "\"Right Double-Click\"", "Mapto", "\"VTFunction\"", "Value", "\"Do\"",
                      "Action", "\"Left Button Down\"", "Mapto", "\"Launch\"", "Value", "\"x\"",
                      "Action", "\"Left Button Up\"", "Mapto", "\"String\"", "Value", "\"y\""});
    EXPECT_EQ(Value("RBDAction"), "<absent>");
    EXPECT_EQ(Value("LBPAction"), "<absent>");
    EXPECT_EQ(Keys("LBR"), "2|40000|y");
    EXPECT_EQ(Report(), "");
    EXPECT_EQ(m_mouse.m_unconverted, 0);
}

// Within one search for a binding, the event and the kind keep the last value Unquote accepted (it
// refuses one letter): a binding skipped for its kind lends them to the next one. A new search
// starts with no event.
TEST_F(MouseConverter, SkippedBindingsLendTheirEventAndKind)
{
    Convert(m_mouse, {"Mouse", "Action", "\"Left Button Up\"", "Mapto", "\"Bogus\"", "Value", "\"x\"",
                      "Action", "X", "Mapto", "\"String\"", "Value", "\"up\"",
                      // the kind stays "Bogus": skipped as well
                      "Action", "\"Right Button Up\"", "Mapto", "\"Bogus\"", "Value", "\"x\"",
                      "Action", "\"Middle Double-Click\"", "Mapto", "S", "Value", "\"s\"",
                      "Action", "\"Right Button Down\"", "Mapto", "\"VTFunction\"", "Value", "\"Do\"",
                      "Action", "\"Left Button Down\"", "Mapto", "N", "Value", "\"n\"",
                      // after a binding written, a one-letter event is no event at all
                      "Action", "\"Left Double-Click\"", "Mapto", "\"String\"", "Value", "\"a\"",
                      "Action", "Y", "Mapto", "\"String\"", "Value", "\"b\""});
    EXPECT_EQ(Keys("LBR"), "2|40000|up");
    EXPECT_EQ(Value("RBRAction"), "<absent>");
    EXPECT_EQ(Value("MBDAction"), "<absent>");
    EXPECT_EQ(Value("RBPAction"), "<absent>");
    EXPECT_EQ(Value("LBPAction"), "<absent>"); // N reads as "VTFunction", which the mouse skips
    EXPECT_EQ(Keys("LBD"), "2|40000|a");
    EXPECT_EQ(Keys(""), "2|40000|b");
    EXPECT_EQ(Report(), "");
}

TEST_F(MouseConverter, UnknownEventIsItsOwnCodeAndTheLaterBindingWins)
{
    Convert(m_mouse, {"Mouse", "Action", "\"Wheel Up\"", "Mapto", "\"String\"", "Value", "\"up\"",
                      "Action", "\"Left Button Down\"", "Mapto", "\"String\"", "Value", "\"first\"",
                      "Action", "\"LEFT BUTTON DOWN\"", "Mapto", "\"String\"", "Value", "\"second\""});
    EXPECT_EQ(Keys("Wheel Up"), "2|40000|up");
    EXPECT_EQ(Keys("LBP"), "2|40000|second");
}

TEST_F(MouseConverter, BindingWithoutMaptoDoesNotStopTheOthers)
{
    Convert(m_mouse, {"Mouse", "Action", "\"Left Button Down\"", "Value", "\"x\"",
                      "Action", "\"Right Button Up\"", "Mapto", "\"String\"", "Value", "\"r\"",
                      "Action", "\"Middle Button Up\""});
    EXPECT_EQ(Value("LBPAction"), "<absent>");
    EXPECT_EQ(Keys("RBR"), "2|40000|r");
    EXPECT_EQ(Value("MBRAction"), "<absent>");
}

TEST_F(MouseConverter, BindingCutShortAtTheEndWritesNothing)
{
    // The operand is missing: the position runs past the end and the binding is not written.
    Convert(m_mouse, {"Mouse", "Action", "\"Left Button Down\"", "Mapto", "\"String\""});
    EXPECT_EQ(Value("LBPAction"), "<absent>");
    // "Nothing" needs no operand, so it may end the statement.
    Convert(m_mouse, {"Mouse", "Action", "\"Left Button Up\"", "Mapto", "\"Nothing\""});
    EXPECT_EQ(Keys("LBR"), "1|0|");
}

TEST_F(MouseConverter, MacrosAreNamedAfterTheEventAndANumber)
{
    InstallTranslator();
    WriteFile(m_desk.QimSessions() + kSep + "LOGON.qtm", "SEND(\"me^M\")\r\n");
    std::srand(7); // the library never seeds the generator; the test may
    Convert(m_mouse, {"Mouse", "Action", "\"Left Button Down\"", "Mapto", "\"Macro\"", "Value",
                      "\"RUNMACRO(\\\"LOGON.QTM\\\")\"",
                      "Action", "\"Right Button Down\"", "Mapto", "\"Macro\"", "Value", "\"RUNMACRO(\\\"NONE.QTM\\\")\"",
                      "Action", "\"Middle Button Down\"", "Mapto", "\"Macro\"", "Value", "\"SEND(\\\"hi\\\")\""});
    std::srand(7);
    const std::string expected = m_desk.Macros() + kSep + "LBP" + std::to_string(std::rand() % 1000) + ".tbm";
    EXPECT_EQ(Keys("LBP"), "3|40010|" + expected);
    EXPECT_TRUE(FileExists(expected));
    // A macro file that is not there: nothing written, nothing reported.
    EXPECT_EQ(Value("RBPAction"), "<absent>");
    // Inline macro text goes through the translator too.
    EXPECT_TRUE(std::regex_match(Value("MBPActionString"), std::regex(".*MBP[0-9]{1,3}\\.tbm"))) << Value("MBPActionString");
    EXPECT_EQ(Report(), "");
}

TEST_F(MouseConverter, MacroThatCannotBeTranslatedIsReported)
{
    Convert(m_mouse, {"Mouse", "Action", "\"Left Button Down\"", "Mapto", "\"Macro\"", "Value", "\"SEND(\\\"x\\\")\"",
                      "Action", "\"Left Button Up\"", "Mapto", "\"String\"", "Value", "\"u\""});
    EXPECT_EQ(Value("LBPAction"), "<absent>");
    EXPECT_EQ(Keys("LBR"), "2|40000|u");
    EXPECT_EQ(Report(), NativeText("Unable to convert macro:\tSEND(\"x\")\n"));
    EXPECT_EQ(m_mouse.m_unconverted, 1);
}

} // namespace
