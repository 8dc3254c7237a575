// How a QIM! action becomes a TORQA! action identifier and text.
#include "actions/ActionConversion.h"
#include "actions/ActionIds.h"
#include "actions/CQIMacroLibrary.h"
#include "actions/MacroReportPath.h"
#include "converters/CQIConverter.h"
#include "platform/Installer.h"

#include "support/TestDesk.h"
#include "support/TestReport.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

struct Device : CQIConverter {
    bool Convert(const PropertyList&, const char*, const char*) override { return true; }
};

std::pair<std::string, bool> Resolve(const std::string& operand)
{
    Device device;
    device.m_sourceSessionDir = "SRC";
    std::string text;
    bool isFile = false;
    device.ResolveMacroReference(operand, text, isFile);
    return {text, isFile};
}

const std::string kSrc = std::string("SRC") + kSep;

TEST(ResolveMacroReference, MacroFiles)
{
    EXPECT_EQ(Resolve("RUNMACRO(\"x.QTM\")"), std::make_pair(kSrc + "x.qtm", true));
    EXPECT_EQ(Resolve("runmacro(\"x.qtm\")"), std::make_pair(kSrc + "x.qtm", true));
    EXPECT_EQ(Resolve("RUNMACRO(\"..\\m\\x.qtm\")"), std::make_pair(std::string("..\\m\\x.qtm"), true));
    EXPECT_EQ(Resolve("RUNMACRO(\"C:\\MACROS\\LOGIN.QTM\")"), std::make_pair(std::string("C:\\MACROS\\LOGIN.qtm"), true));
    EXPECT_EQ(Resolve("LOGIN(1)"), std::make_pair(kSrc + "LOGIN.qtm", true));
}

TEST(ResolveMacroReference, InlineTextIsDecoded)
{
    EXPECT_EQ(Resolve("Wait(5)"), std::make_pair(std::string("Wait(5)"), false));
    EXPECT_EQ(Resolve("SEND(\\\"abc^M\\\")"), std::make_pair(std::string("SEND(\"abc\r\")"), false));
    EXPECT_EQ(Resolve("a^9b^12c^1234"), std::make_pair(std::string("a\tb\x0c" "c{4"), false));
    EXPECT_EQ(Resolve("x\\\\y\\z\\"), std::make_pair(std::string("x\\y\\z\\"), false));
    EXPECT_EQ(Resolve("^[^255"), std::make_pair(std::string("\x1b\xff"), false));
}

TEST(ActionIds, CommandsAndGuillemets)
{
    EXPECT_EQ(CommandIdFromName("Copy"), 0xE122);
    EXPECT_EQ(CommandIdFromName("copy"), COMMAND_ID_UNMAPPED);
    EXPECT_EQ(CommandIdFromName("Copy Special"), COMMAND_ID_UNMAPPED);
    EXPECT_EQ(CommandIdFromName("Korvanesta on the Web"), 0xE708);
    EXPECT_EQ(CommandIdFromName("Graphics Options"), CommandIdFromName("Terminal Options"));
    std::string text = "plain text";
    ConvertGuillemets(text);
    EXPECT_EQ(text, "plain text");
    text = "\xAB" "F1\xBB";
    ConvertGuillemets(text);
    EXPECT_EQ(text, "<F1>");
    RemoveChar(text, '<');
    EXPECT_EQ(text, "F1>");
}

class Actions : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SetComponentLookup(&platform::RegistryComponentPath);
        m_device.m_sourceSessionDir = m_desk.QimSessions();
        m_report.OpenEmpty(m_desk.Path("report.txt"), false);
        m_device.m_reportFile = &m_report;
    }
    void TearDown() override
    {
        MacroReportPath().clear(); // process-wide: later runs would append this test's macro report
        platform::SetComponentLookup(nullptr);
    }
    std::string Report() { return m_report.Text(); }
    void InstallTranslator()
    {
        m_desk.AddComponent(CQIMacroLibrary::kComponentId, QTCM_MACRO_TRANSLATOR);
    }
    TestDesk m_desk;
    Device m_device;
    TestReport m_report;
    ActionChoices m_choices;
};

TEST_F(Actions, TextCommandAndNothing)
{
    Action a = ConvertAction(m_device, "\"Sequence\"", "\"\xAB" "Find\xBB^M\"", m_choices);
    EXPECT_EQ(a.outcome, Action::Outcome::Converted);
    EXPECT_EQ(a.id, ACTION_ID_TEXT);
    EXPECT_EQ(a.text, "<Find>\r");
    a = ConvertAction(m_device, "\"vtfunction\"", "\"Do\"", m_choices);
    EXPECT_EQ(a.text, "<Do>");
    a = ConvertAction(m_device, "\"Command\"", "\"&Copy\"", m_choices);
    EXPECT_EQ(a.id, 0xE122);
    EXPECT_EQ(a.text, "Copy");
    a = ConvertAction(m_device, "\"Nothing\"", "PCKey", m_choices);
    EXPECT_EQ(a.id, 0);
    EXPECT_FALSE(a.usesOperand);
    EXPECT_EQ(a.outcome, Action::Outcome::Converted);

    // Unknown kinds are reported unless the device says otherwise; so is VTFunction for a mouse.
    EXPECT_EQ(ConvertAction(m_device, "\"Launch\"", "\"x\"", m_choices).outcome, Action::Outcome::Skipped);
    ActionChoices mouse;
    mouse.acceptVtFunction = mouse.reportUnknownKind = false;
    EXPECT_EQ(ConvertAction(m_device, "\"VTFunction\"", "\"Do\"", mouse).outcome, Action::Outcome::Skipped);
    EXPECT_EQ(Report(), "Unconverted property:\tValue=Launch\n");
}

TEST_F(Actions, MacrosWithoutATranslator)
{
    // A macro file that cannot be read: abandoned without a report, or kept as the operand.
    EXPECT_EQ(ConvertAction(m_device, "\"Macro\"", "\"RUNMACRO(\\\"NONE.QTM\\\")\"", m_choices).outcome,
              Action::Outcome::Skipped);
    ActionChoices pad;
    pad.abandonWhenMacroFileMissing = false;
    Action a = ConvertAction(m_device, "\"Macro\"", "\"RUNMACRO(\\\"NONE.QTM\\\")\"", pad);
    EXPECT_EQ(a.outcome, Action::Outcome::Converted);
    EXPECT_EQ(a.id, ACTION_ID_MACRO);
    EXPECT_EQ(a.text, "RUNMACRO(\"NONE.QTM\")");
    // Inline macro text and no translator installed: reported with the device's code.
    pad.macroFailureReport = CQIConverter::kUnconverted;
    EXPECT_EQ(ConvertAction(m_device, "\"Macro\"", "\"SEND(\\\"x\\\")\"", m_choices).outcome, Action::Outcome::Failed);
    EXPECT_EQ(ConvertAction(m_device, "\"Macro\"", "\"SEND(\\\"y\\\")\"", pad).outcome, Action::Outcome::Failed);
    EXPECT_EQ(Report(), "Unable to convert macro:\tSEND(\"x\")\nUnconverted property:\tSEND(\"y\")\n");
    EXPECT_EQ(m_device.m_unconverted, 2);
}

TEST_F(Actions, MacroFilesGoThroughTheTranslator)
{
    InstallTranslator();
    WriteFile(m_desk.QimSessions() + kSep + "LOGON.qtm", "SEND(\"me^M\")\r\n");
    m_choices.nameHint = "F5";
    Action a = ConvertAction(m_device, "\"Macro\"", "\"RUNMACRO(\\\"LOGON.QTM\\\")\"", m_choices);
    EXPECT_EQ(a.outcome, Action::Outcome::Converted);
    EXPECT_TRUE(a.macroTranslated);
    EXPECT_EQ(a.text, m_desk.Macros() + kSep + "F5.tbm");
    EXPECT_TRUE(FileExists(a.text));
}

} // namespace
