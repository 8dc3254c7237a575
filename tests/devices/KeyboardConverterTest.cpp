// The "Keyboard.Mapping" statement into a key map: the bytes of each kind of entry, the header the
// session's class and layout decide, the session keys, and the bindings that must be left out,
// reported, or must not disturb their neighbours.
#include "devices/CQIKeyboardConverter.h"
#include "formats/KeyMap.h"
#include "platform/Keyboard.h"
#include "platform/Profile.h"

#include "support/ConverterDesk.h"
#include "support/HexBytes.h"

#include <algorithm>
#include <filesystem>

namespace {

using namespace testing_support;

// The header of a key map for a PC keyboard, terminal model "420" and "VT420.DLL".
const std::string kHeader420 = HexBytes("4B4D4150 02 0001 00  0003 343230  0009 56543432302E444C4C");

class KeyboardConverter : public ConverterDesk {
protected:
    KeyboardConverter() : ConverterDesk(DeskWithClass("QT420.Session.5.10")) {}
    std::string KeyMapPath() const { return m_desk.Schemes() + kSep + "MYSESS.tkm"; }
    std::string KeyMap() const { return ReadFile(KeyMapPath()); }
    // The key map as qtcm inspect shows it, or the reader's complaint.
    std::string Dump() const
    {
        std::string text;
        const formats::ReadResult read = formats::DumpKeyMap(KeyMap(), text, &platform::KeyNameForScanCode);
        return read ? text : "error: " + read.Describe();
    }
    CQIKeyboardConverter m_pc{""};
};

TEST_F(KeyboardConverter, OneStringBindingByteForByte)
{
    EXPECT_TRUE(Convert(m_pc, {"Keyboard.Mapping", "PCKey", "\"F1\"", "MapTo", "\"String\"", "Value", "\"abc\""}));
    EXPECT_EQ(KeyMap(), kHeader420 + HexBytes("4B01"
                                              "9C40 00 00 08 003B 0070 0000 0003 0000 00000000 003B 0070 0000 00"
                                              "616263"));
    EXPECT_EQ(Value("PrimaryKeyMap"), "MYSESS.tkm");
    EXPECT_EQ(Value("KeyMap"), "MYSESS.tkm");
    EXPECT_EQ(Report(), "");
}

TEST_F(KeyboardConverter, EachActionKindAndItsEntry)
{
    EXPECT_TRUE(Convert(m_pc, {"Keyboard.Mapping", "Reset", "False",
                               // a code with Ctrl and Alt on an extended key
                               "PCKey", "\"Ctrl+Alt+Insert [B2D]\"", "MapTo", "\"VTFunction\"", "Value", "\"Find\"",
                               // a command: its name is the description, there is no text
                               "PCKey", "\"Ctrl+P [250]\"", "MapTo", "\"Command\"", "Value", "\"&Print\"",
                               // the next binding does not inherit the command's name
                               "PCKey", "\"[470]\"", "MapTo", "\"Sequence\"", "Value", "\"\xAB" "Do\xBB^M\"",
                               "PCKey", "\"Page Up\"", "MapTo", "\"Command\"", "Value", "\"Links\""}));
    EXPECT_EQ(KeyMap(), kHeader420 + HexBytes("4B01 9C40 00 06 08 0152 002D 0000 0006 0000 00000000 0152 002D 0000 06"
                                              "3C46696E643E"
                                              "4B01 E107 00 02 08 0019 0050 0000 0000 0005 00000000 0019 0050 0000 02"
                                              "5072696E74"
                                              "4B01 9C40 00 01 08 003B 0070 0000 0005 0000 00000000 003B 0070 0000 01"
                                              "3C446F3E0D"
                                              // an unmapped command keeps its name; Page Up found by name
                                              "4B01 9D30 00 00 08 0149 0021 0000 0000 0005 00000000 0149 0021 0000 00"
                                              "4C696E6B73"));
    EXPECT_EQ(Report(), "");
}

TEST_F(KeyboardConverter, KeyboardTypeComesFromTheLayout)
{
    for (const char* layout : {"LK250", "lk450", "LK411/LK412"})
        EXPECT_EQ(CQIKeyboardConverter(layout).KeyboardType(), 14) << layout;
    for (const char* layout : {"", "Enhanced", "PowerStation", "LK450 ", "LK411"})
        EXPECT_EQ(CQIKeyboardConverter(layout).KeyboardType(), 1) << layout;

    CQIKeyboardConverter vt("LK450");
    EXPECT_TRUE(Convert(vt, {"Keyboard.Mapping", "PCKey", "\"F1\"", "MapTo", "\"String\"", "Value", "\"abc\""}));
    EXPECT_EQ(KeyMap().substr(0, 8), HexBytes("4B4D4150 02 000E 00"));
}

TEST_F(KeyboardConverter, NothingConsumesNoOperandAndALeadingOneLosesNothing)
{
    // The first binding gives nothing to write; the map is still made from the ones after it, and a
    // "Nothing" directly followed by the next "PCKey" leaves that binding whole.
    EXPECT_TRUE(Convert(m_pc, {"Keyboard.Mapping", "PCKey", "\"Pause [013]\"", "MapTo", "\"Nothing\"",
                               "PCKey", "\"F2 [071]\"", "MapTo", "\"String\"", "Value", "\"b\"",
                               "PCKey", "\"F3 [072]\"", "MapTo", "\"Nothing\""}));
    EXPECT_EQ(Dump(), "key map version 2, keyboard type 1, terminal model \"420\", emulation library \"VT420.DLL\"\n"
                      "F2\tmodifiers 0\tscan 0x03C\tvk 0x71\taction 40000\ttext \"b\"\tdescription \"\"\n"
                      "1 binding\n");
}

TEST_F(KeyboardConverter, EmptyStatementsMakeNoKeyMap)
{
    for (const PropertyList& statement :
         {PropertyList{"Keyboard.Mapping"}, PropertyList{"Keyboard.Mapping", "Reset", "False", "Separateleft", "False"},
          PropertyList{"Keyboard.Mapping", "PCKey", "\"F1\"", "MapTo", "\"Nothing\""}}) {
        EXPECT_FALSE(Convert(m_pc, statement));
        EXPECT_FALSE(FileExists(KeyMapPath()));
        EXPECT_EQ(Value("KeyMap"), "<absent>");
    }
    EXPECT_EQ(Report(), "");
}

// Each binding is read by place: "PCKey", the key, then two properties whose names are not looked
// at, the kind's and the operand's. Within one search for a binding, the key and the kind keep the
// last value Unquote accepted (it refuses one letter), so a binding passed over lends them to the
// next one; a new search starts afresh.
TEST_F(KeyboardConverter, BindingsAreReadByPlaceAndLeftOutOnesLendTheirValues)
{
    struct Row {
        const char* what;
        PropertyList bindings;
        std::string entries; // the dump's lines between its header and its count
        std::string report;
    };
    const std::string f1 = "F1\tmodifiers 0\tscan 0x03B\tvk 0x70\taction 40000\t";
    const std::string f2 = "F2\tmodifiers 0\tscan 0x03C\tvk 0x71\taction 40000\t";
    const std::string f3 = "F3\tmodifiers 0\tscan 0x03D\tvk 0x72\taction 40000\t";
    const std::string f5 = "F5\tmodifiers 0\tscan 0x03F\tvk 0x74\taction 40000\t";
    const Row rows[] = {
        {"unknown kinds are reported and left out",
         {"PCKey", "\"F1 [070]\"", "MapTo", "\"Launch\"", "Value", "\"x\"",
          "PCKey", "\"F2 [071]\"", "MapTo", "\"String\"", "Value", "\"b\"",
          "PCKey", "\"F3 [072]\"", "MapTo", "\"Toolbar\"", "Value", "\"y\""},
         f2 + "text \"b\"\tdescription \"\"\n",
         "Unconverted property:\tValue=Launch\nUnconverted property:\tValue=Toolbar\n"},
        {"no operand: the next binding's key text is the operand and that binding is passed over",
         {"PCKey", "\"F1 [070]\"", "MapTo", "\"String\"",
          "PCKey", "\"F2 [071]\"", "MapTo", "\"String\"", "Value", "\"b\""},
         f1 + "text \"F2 [071]\"\tdescription \"\"\n", ""},
        {"no kind: the next binding's key text is the kind",
         {"PCKey", "\"F3 [072]\"",
          "PCKey", "\"F4 [073]\"", "MapTo", "\"VTFunction\"", "Value", "\"PF4\"",
          "PCKey", "\"F5 [074]\"", "MapTo", "\"String\"", "Value", "\"e\""},
         f5 + "text \"e\"\tdescription \"\"\n", "Unconverted property:\tValue=F4 [073]\n"},
        {"a one-letter key after a binding passed over keeps that binding's key",
         {"PCKey", "\"F2 [071]\"", "MapTo", "\"Bogus\"", "Value", "\"x\"",
          "PCKey", "A", "MapTo", "\"String\"", "Value", "\"y\""},
         f2 + "text \"y\"\tdescription \"\"\n", "Unconverted property:\tValue=Bogus\n"},
        {"a one-letter kind after a binding passed over keeps that binding's kind",
         {"PCKey", "\"F1 [070]\"", "MapTo", "\"Bogus\"", "Value", "\"x\"",
          "PCKey", "\"F2 [071]\"", "MapTo", "S", "Value", "\"s\"",
          "PCKey", "\"F3 [072]\"", "MapTo", "\"String\"", "Value", "\"c\""},
         f3 + "text \"c\"\tdescription \"\"\n",
         "Unconverted property:\tValue=Bogus\nUnconverted property:\tValue=Bogus\n"},
        {"a binding written lends nothing: the next search reads a one-letter key as none",
         {"PCKey", "\"F1 [070]\"", "MapTo", "\"String\"", "Value", "\"a\"",
          "PCKey", "B", "MapTo", "\"String\"", "Value", "\"b\""},
         f1 + "text \"a\"\tdescription \"\"\n"
              "(no name)\tmodifiers 0\tscan 0x000\tvk 0x00\taction 40000\ttext \"b\"\tdescription \"\"\n",
         ""},
        {"a last binding cut short after its kind has an empty operand and is left out",
         {"PCKey", "\"F1 [070]\"", "MapTo", "\"String\"", "Value", "\"a\"",
          "PCKey", "\"F5 [074]\"", "MapTo", "\"String\""},
         f1 + "text \"a\"\tdescription \"\"\n", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        PropertyList statement = {"Keyboard.Mapping"};
        statement.insert(statement.end(), row.bindings.begin(), row.bindings.end());
        EXPECT_TRUE(Convert(m_pc, statement));
        const std::string dump = Dump();
        const std::size_t count = std::count(row.entries.begin(), row.entries.end(), '\n');
        EXPECT_EQ(dump.substr(dump.find('\n') + 1),
                  row.entries + std::to_string(count) + (count == 1 ? " binding\n" : " bindings\n"));
        EXPECT_EQ(Report(), NativeText(row.report));
        ASSERT_TRUE(m_report.OpenEmpty(m_desk.Path("report.txt"), true)); // the next row's own
    }
}

TEST_F(KeyboardConverter, TerminalModelFromTheSessionClass)
{
    struct Row {
        const char* className;
        std::int32_t terminalModel;
        const char* model;
        const char* library;
    };
    for (const Row& row : {Row{"QT340.Session.5.10", 420, "340", "VT340.DLL"},
                           Row{"QIM.QT420.5.00", 340, "420", "VT420.DLL"},
                           Row{"QT700/98.Session", 420, "HP", "HP.DLL"},
                           Row{"QIMVT.Session.5.10", 420, "QIMVT.Session.5.10", ""},
                           // no class name: the session's own terminal model decides
                           Row{"", 420, "420", "VT420.DLL"},
                           Row{"", 340, "340", "VT340.DLL"}}) {
        TestDesk desk(DeskWithClass(row.className));
        CQIKeyboardConverter converter("");
        converter.m_terminalModel = row.terminalModel;
        std::string model, library;
        converter.TerminalModel(model, library);
        EXPECT_EQ(model, row.model) << row.className;
        EXPECT_EQ(library, row.library) << row.className;
    }
}

TEST_F(KeyboardConverter, HpClassAnswersWhenTheVtClassIsEmpty)
{
    // No class for VT session files: the one registered for HP session files names the model.
    TestDesk desk(DeskWithClass(""));
    desk.AddRegistry("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\Classes\\.qhc]\r\n@=\"QT700/98.Session.5.10\"\r\n");
    std::string model, library;
    m_pc.TerminalModel(model, library);
    EXPECT_EQ(model, "HP");
    EXPECT_EQ(library, "HP.DLL");
}

TEST_F(KeyboardConverter, SessionWithoutANameWritesNothing)
{
    EXPECT_FALSE(m_pc.Convert({"Keyboard.Mapping", "PCKey", "\"F1\"", "MapTo", "\"String\"", "Value", "\"a\""},
                              (m_desk.Sessions() + kSep).c_str(), m_desk.Schemes().c_str()));
    EXPECT_EQ(m_pc.m_unconverted, 1);
    EXPECT_TRUE(std::filesystem::is_empty(m_desk.Schemes()));
}

TEST_F(KeyboardConverter, KeyMapWrittenTwiceIntoOneSchemeDirectory)
{
    const PropertyList two = {"Keyboard.Mapping", "PCKey", "\"F1 [070]\"", "MapTo", "\"String\"", "Value", "\"one\"",
                              "PCKey", "\"F2 [071]\"", "MapTo", "\"String\"", "Value", "\"two\""};
    const PropertyList one = {"Keyboard.Mapping", "PCKey", "\"F3 [072]\"", "MapTo", "\"String\"", "Value", "\"x\""};
    EXPECT_TRUE(Convert(m_pc, two));
    const std::size_t first = KeyMap().size();
    // The same session name again: the map is replaced whole, nothing of the longer one stays.
    EXPECT_TRUE(Convert(m_pc, one));
    EXPECT_LT(KeyMap().size(), first);
    EXPECT_NE(Dump().find("F3\t"), std::string::npos);
    EXPECT_NE(Dump().find("\n1 binding\n"), std::string::npos);
    // Another session beside it gets a map of its own.
    const std::string other = m_desk.Sessions() + kSep + "MYSESS1.TDP";
    m_pc.Convert(two, other.c_str(), m_desk.Schemes().c_str());
    EXPECT_EQ(ReadFile(m_desk.Schemes() + kSep + "MYSESS1.tkm").size(), first);
    EXPECT_EQ(platform::ReadProfileValue("Session", "KeyMap", "", other), "MYSESS1.tkm");
}

TEST_F(KeyboardConverter, SchemeDirectoryThatCannotBeWritten)
{
    const PropertyList statement = {"Keyboard.Mapping", "PCKey", "\"F1\"", "MapTo", "\"String\"", "Value", "\"a\""};
    EXPECT_FALSE(m_pc.Convert(statement, m_session.c_str(), m_desk.Path("missing").c_str()));
    ASSERT_EQ(m_notices.size(), 1u);
    EXPECT_NE(m_notices[0].find("MYSESS.tkm"), std::string::npos) << m_notices[0];
    EXPECT_EQ(Value("KeyMap"), "<absent>");
}

TEST_F(KeyboardConverter, MacroBindings)
{
    InstallTranslator();
    WriteFile(m_desk.QimSessions() + kSep + "LOGON.qtm", "SEND(\"me^M\")\r\n");
    WriteFile(m_desk.QimSessions() + kSep + "EMPTY.qtm", "");
    EXPECT_TRUE(Convert(m_pc, {"Keyboard.Mapping",
                               // named after the key text, brackets and all
                               "PCKey", "\"F12 [07B]\"", "MapTo", "\"Macro\"", "Value", "\"RUNMACRO(\\\"LOGON.QTM\\\")\"",
                               // an empty macro is not translated: no text, the operand in the description
                               "PCKey", "\"F11 [07A]\"", "MapTo", "\"Macro\"", "Value", "\"RUNMACRO(\\\"EMPTY.QTM\\\")\"",
                               // a macro file that is not there: left out, not reported
                               "PCKey", "\"F10 [079]\"", "MapTo", "\"Macro\"", "Value", "\"RUNMACRO(\\\"NONE.QTM\\\")\""}));
    const std::string macro = m_desk.Macros() + kSep + "F12 [07B].tbm";
    EXPECT_TRUE(FileExists(macro));
    const std::string text = Dump();
    std::string escaped;
    for (char c : macro) {
        if (c == '\\')
            escaped.push_back('\\');
        escaped.push_back(c);
    }
    EXPECT_NE(text.find("F12\tmodifiers 0\tscan 0x058\tvk 0x7B\taction 40010\ttext \"" + escaped +
                        "\"\tdescription \"Run Macro <" + escaped + ">\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("F11\tmodifiers 0\tscan 0x057\tvk 0x7A\taction 40010\ttext \"\"\tdescription "
                        "\"Run Macro <RUNMACRO(\\\"EMPTY.QTM\\\")>\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\n2 bindings\n"), std::string::npos);
    EXPECT_EQ(Report(), "");
}

TEST_F(KeyboardConverter, MacroThatCannotBeTranslatedIsReported)
{
    // No macro translator installed.
    EXPECT_TRUE(Convert(m_pc, {"Keyboard.Mapping", "PCKey", "\"F1 [070]\"", "MapTo", "\"Macro\"", "Value",
                               "\"SEND(\\\"x\\\")\"", "PCKey", "\"F2 [071]\"", "MapTo", "\"String\"", "Value", "\"b\""}));
    EXPECT_NE(Dump().find("\n1 binding\n"), std::string::npos);
    EXPECT_EQ(Report(), NativeText("Unable to convert macro:\tSEND(\"x\")\n"));
    EXPECT_EQ(m_pc.m_unconverted, 1);
}

TEST_F(KeyboardConverter, HostileKeyTextsAndLongStatements)
{
    PropertyList statement = {"Keyboard.Mapping",
                              "PCKey", "\"" + std::string(2000, 'K') + "\"", "MapTo", "\"String\"", "Value", "\"a\"",
                              "PCKey", "\"Insert [12D\"", "MapTo", "\"String\"", "Value", "\"b\"",
                              "PCKey", "\"\xC4" "F1\xFF [\xE9]\"", "MapTo", "\"String\"", "Value", "\"c\"",
                              "PCKey", "\"[" + std::string(2000, 'F') + "]\"", "MapTo", "\"String\"", "Value", "\"d\"",
                              "PCKey", "\"F1\"", "MapTo", "\"String\"", "Value", "\"" + std::string(70000, 'x') + "\""};
    for (int i = 0; i < 500; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "\"[%03X]\"", 0x41 + i % 26);
        statement.insert(statement.end(), {"PCKey", key, "MapTo", "\"String\"", "Value", "\"" + std::to_string(i) + "\""});
    }
    EXPECT_TRUE(Convert(m_pc, statement));
    const std::string text = Dump();
    // Unknown and unreadable keys keep their bindings with zero key fields; a code of many digits
    // keeps its last ones (0xFF: no scan code); a text too long for the map is reported instead.
    EXPECT_EQ(text.find("(no name)\tmodifiers 0\tscan 0x000\tvk 0x00\taction 40000\ttext \"a\""), text.find('\n') + 1);
    EXPECT_NE(text.find("(no name)\tmodifiers 7\tscan 0x100\tvk 0xFF\taction 40000\ttext \"d\""), std::string::npos);
    EXPECT_NE(text.find("\tvk 0x41\taction 40000\ttext \"0\""), std::string::npos);
    EXPECT_NE(text.find("\n504 bindings\n"), std::string::npos) << text.substr(text.size() - 100);
    EXPECT_EQ(Report(), NativeText("Unconverted property:\tPCKey=F1\n"));
}

} // namespace
