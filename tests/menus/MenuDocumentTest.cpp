// The custom menu document built from menu statements: each expected text is written out from the
// rules, against the example TORQA! main menu (File, Edit, View, Tools, Window, Options, Help).
#include "formats/MenuDocument.h"
#include "menus/MenuDesk.h"

#include <algorithm>

namespace {

using namespace testing_support;

class MenuDocument : public MenuDesk {};

// A statement's tokens and the document's entries (between "<Menu>" and "</Menu>") and system menu
// (the default one where a row gives none).
struct DocumentRow {
    const char* what;
    PropertyList tokens;
    std::string entries;
    const char* systemMenu = nullptr;
};

const DocumentRow kDocuments[] = {
    {"a merged statement hides a top-level menu",
     {"Menus", "Position", "\"File\"", "Hide", "True", "SystemMenu", "SystemMenu", "Close", "False"},
     "<Submenu Caption=\"&amp;File\" Intrinsic=\"true\" Hidden=\"True\" Position=\"&amp;File\"  />",
     "<SystemMenu Close=\"False\"  />"},
    {"an empty statement", {"Menus"}, ""},
    {"a system-menu statement on its own closes the menu once", {"SystemMenu", "SystemMenu", "Item", "\"Close\""}, "",
     "<SystemMenu Item=\"Close\"  />"},
    // Session and layout entries are left out (exact case); a one-character value is refused by the
    // unquoting and the previous value stands.
    {"system-menu entries",
     {"Menus", "SystemMenu", "SystemMenu", "Restore", "False", "Move", "1", "OpenSession", "False", "OpenLayouts",
      "True", "SaveLayout", "\"x\"", "openSession", "True", "Close", "True"},
     "", "<SystemMenu Restore=\"False\" Move=\"False\" openSession=\"True\" Close=\"True\"  />"},
    {"entries after the system-menu part are its attributes",
     {"Menus", "SystemMenu", "SystemMenu", "Close", "False", "Position", "\"File\"", "Hide", "True"}, "",
     "<SystemMenu Close=\"False\" Position=\"File\" Hide=\"True\"  />"},
    // The walker looks at every token, values included: a bare value "Position" in the system-menu
    // part starts an entry there. A mapped one writes its element inside the system menu's start
    // tag; an unmapped one stops that walk, and the document writer walks on from its path.
    {"a bare Position value mapped inside the system menu",
     {"Menus", "SystemMenu", "SystemMenu", "Item", "Position", "\"File\"", "Hide", "True"}, "",
     "<SystemMenu Item=\"Position\" "
     "<Submenu Caption=\"&amp;File\" Intrinsic=\"true\" Hidden=\"True\" Position=\"&amp;File\"  /> />"},
    {"a bare Position value unmapped inside the system menu",
     {"Menus", "SystemMenu", "SystemMenu", "Item", "Position", "\"Nope\"", "Close", "False"}, "",
     "<SystemMenu Item=\"Position\" Close=\"False\"  />"},
    // "Hide" is compared with its case: the last entry ends without an element.
    {"hidden commands and menu-wide paths",
     {"Menus", "Position", "\"File.Open Layout\"", "Hide", "True", "Position", "\"Help.*\"", "Hide", "True",
      "Position", "\"&Edit.&Copy\"", "Hide", "\"False\"", "Position", "\"View\"", "hide", "True"},
     "<Command Caption=\"Open &amp;Layout...\" ActionID=\"32789\" Checked=\"false\" Enabled=\"true\" "
     "Intrinsic=\"true\" Hidden=\"True\" Position=\"&amp;File.Open &amp;Layout...\"  />"
     "<Command Caption=\"&amp;Copy\tCtrl+C\" ActionID=\"57634\" Checked=\"false\" Enabled=\"true\" "
     "Intrinsic=\"true\" Hidden=\"False\" Position=\"&amp;Edit.&amp;Copy\tCtrl+C\"  />"},
    {"a path outside the table ends the walk",
     {"Menus", "Position", "\"Help\"", "Hide", "True", "Position", "\"Fiel\"", "Hide", "True", "Position", "\"File\"",
      "Hide", "True", "SystemMenu", "SystemMenu", "Close", "False"},
     "<Submenu Caption=\"&amp;Help\" Intrinsic=\"true\" Hidden=\"True\" Position=\"&amp;Help\"  />"},
    {"an added submenu writes itself before its children",
     {"Menus", "Position", "\"Tools\"", "Add", "\"Menu\"", "Caption", "\"&Payroll\"", "Add", "\"Command\"",
      "Caption", "\"&Print\"", "Value", "\"Print\"", "Add", "\"Menu\"", "Caption", "\"Sub\"", "Add", "\"Separator\"",
      "Add", "\"End\"", "Add", "\"End\"", "Position", "\"Help.*\"", "Add", "\"Sequence\"", "Caption", "\"Go\"",
      "Value", "\"\xAB" "F1\xBB\""},
     "<Submenu Caption=\"&amp;Payroll\" Hidden=\"false\" Enabled=\"true\" Checked=\"false\" "
     "Position=\"&amp;Tools\" Intrinsic=\"false\"  />"
     "<Command Caption=\"&amp;Print\" ActionID=\"57607\" Hidden=\"False\" Enabled=\"True\" "
     "Checked=\"False\" Position=\"&amp;Payroll.*\" Intrinsic=\"False\"  />"
     "<Submenu Caption=\"Sub\" Hidden=\"false\" Enabled=\"true\" Checked=\"false\" "
     "Position=\"&amp;Payroll.*\" Intrinsic=\"false\"  />"
     "<Separator Hidden=\"False\" Enabled=\"True\" Checked=\"False\" Position=\"&amp;Payroll.Sub.*\" "
     "Intrinsic=\"False\"  />"
     "<Sequence Caption=\"Go\" Value=\"<F1>\" ActionID=\"40000\" Position=\"&amp;Help.*\" "
     "Intrinsic=\"False\" Hidden=\"False\" Enabled=\"True\" Checked=\"False\"  />"},
    // Under an item path the submenu's children go under the top-level caption and its own caption.
    {"a submenu inside a menu",
     {"Menus", "Position", "\"File.Print\"", "Add", "\"Menu\"", "Hide", "\"True\"", "Caption", "\"Mine\"", "Add",
      "\"Separator\"", "Add", "\"End\""},
     "<Submenu Hidden=\"True\" Caption=\"Mine\" Enabled=\"true\" Checked=\"false\" "
     "Position=\"&amp;File.&amp;Print...\tCtrl+P\" Intrinsic=\"false\"  />"
     "<Separator Hidden=\"False\" Enabled=\"True\" Checked=\"False\" Position=\"&amp;File.Mine.*\" "
     "Intrinsic=\"False\"  />"},
    // The first child's path stays empty; the caption, too late for the element already written,
    // only names the later children's path.
    {"a caption after the first child",
     {"Menus", "Position", "\"Tools\"", "Add", "\"Menu\"", "Add", "\"Menu\"", "Add", "\"End\"", "Caption", "\"Late\"",
      "Add", "\"Separator\"", "Add", "\"End\""},
     "<Submenu Hidden=\"false\" Enabled=\"true\" Checked=\"false\" Position=\"&amp;Tools\" Intrinsic=\"false\"  />"
     "<Submenu Hidden=\"false\" Enabled=\"true\" Checked=\"false\" Position=\"\" Intrinsic=\"false\"  />"
     "<Separator Hidden=\"False\" Enabled=\"True\" Checked=\"False\" Position=\"Late.*\" Intrinsic=\"False\"  />"},
    {"a submenu's last child running into the end",
     {"Menus", "Position", "\"Tools\"", "Add", "\"Menu\"", "Caption", "\"X\"", "Add", "\"Separator\""},
     "<Submenu Caption=\"X\" Hidden=\"false\" Enabled=\"true\" Checked=\"false\" Position=\"&amp;Tools\" "
     "Intrinsic=\"false\"  />"
     "<Separator Position=\"X.*\" Intrinsic=\"False\" Hidden=\"False\" Enabled=\"True\" Checked=\"False\"  />"},
    {"a submenu without End or children leaves nothing and takes the rest",
     {"Menus", "Position", "\"Tools\"", "Add", "\"Menu\"", "Caption", "\"X\"", "SystemMenu", "SystemMenu", "Close",
      "False"},
     ""},
    {"separator attributes follow where the entry ends",
     {"Menus", "Position", "\"Help.*\"", "Add", "\"Separator\"", "Add", "\"Separator\""},
     "<Separator Hidden=\"False\" Enabled=\"True\" Checked=\"False\" Position=\"&amp;Help.*\" Intrinsic=\"False\"  />"
     "<Separator Position=\"&amp;Help.*\" Intrinsic=\"False\" Hidden=\"False\" Enabled=\"True\" Checked=\"False\"  />"},
    {"Dim, Check, Hide and unmapped commands",
     {"Menus", "Position", "\"Edit.*\"", "Add", "\"Command\"", "Caption", "\"A\"", "Value", "\"Copy\"", "Dim",
      "\"false\"", "Add", "\"Command\"", "Value", "\"copy\"", "Dim", "True", "Check", "True", "Add", "\"Sequence\"",
      "Caption", "\"S\"", "Add", "\"Command\"", "Value", "\"Links\"", "Dim", "\"TRUE\"", "Hide", "\"True\""},
     "<Command Caption=\"A\" ActionID=\"57634\" Enabled=\"True\" Hidden=\"False\" Checked=\"False\" "
     "Position=\"&amp;Edit.*\" Intrinsic=\"False\"  />"
     "<Command ActionID=\"40240\" Enabled=\"False\" Checked=\"True\" Hidden=\"False\" Position=\"&amp;Edit.*\" "
     "Intrinsic=\"False\"  />"
     "<Sequence Caption=\"S\" Hidden=\"False\" Enabled=\"True\" Checked=\"False\" ActionID=\"40000\" "
     "Position=\"&amp;Edit.*\" Intrinsic=\"False\"  />"
     "<Command ActionID=\"40240\" Enabled=\"False\" Hidden=\"True\" Position=\"&amp;Edit.*\" Intrinsic=\"False\" "
     "Checked=\"False\"  />"},
    // Markup characters escaped first, then letters beyond ASCII as references; the soft hyphen and
    // the no-break space stay bytes. A command name's "&" reaches the look-up escaped.
    {"captions and values escaped",
     {"Menus", "Position", "\"View.*\"", "Add", "\"Command\"", "Caption", "\"a<b>&'\\\"c\xE9\xAD\xA0\xFF\"", "Value",
      "\"&Copy\"", "Extra", "\"1<2\""},
     "<Command Caption=\"a&lt;b&gt;&amp;&apos;&quot;c&#233;\xAD\xA0&#255;\" ActionID=\"40240\" Extra=\"1&lt;2\" "
     "Position=\"&amp;View.*\" Intrinsic=\"False\" Hidden=\"False\" Enabled=\"True\" Checked=\"False\"  />"},
    // A bare value spelled like a source name starts an entry of its own, cut short by the end.
    {"a bare Position at the end", {"Menus", "Foo", "Position"}, ""},
    {"a Position without its pair", {"Menus", "Position", "\"File\""}, ""},
    {"a bare SystemMenu at the end", {"Menus", "Foo", "SystemMenu", "Close"}, "", "<SystemMenu  />"},
    {"a system-menu name without its value", {"Menus", "SystemMenu", "SystemMenu", "Close"}, "", "<SystemMenu  />"},
    {"an added entry's name without its value",
     {"Menus", "Position", "\"Help.*\"", "Add", "\"Separator\"", "Caption"},
     "<Separator Position=\"&amp;Help.*\" Intrinsic=\"False\" Hidden=\"False\" Enabled=\"True\" Checked=\"False\"  />"},
};

TEST_F(MenuDocument, StatementsAndTheirDocuments)
{
    for (const DocumentRow& row : kDocuments)
        EXPECT_EQ(Document(row.tokens), kStart + row.entries + "</Menu>" +
                                            (row.systemMenu ? row.systemMenu : kDefaultSystemMenu) + kEnd)
            << row.what;
    EXPECT_EQ(formats::menu::EscapeMarkup("&amp;<>'\""), "&amp;amp;&lt;&gt;&apos;&quot;");
}

TEST_F(MenuDocument, MacroThatCannotBeTranslatedIsReportedAndKept)
{
    // No macro translator on this desk. Inline text: reported with its escaped text, kept as the
    // value. A macro file that cannot be opened: kept, not reported.
    EXPECT_EQ(Document({"Menus", "Position", "\"Tools.*\"", "Add", "\"Macro\"", "Value", "\"SEND(\\\"x\\\")\"",
                        "Add", "\"Macro\"", "Value", "\"NOSUCH(1)\""}),
              std::string(kStart) +
                  "<Macro Value=\"SEND(&quot;x&quot;)\" Hidden=\"False\" Enabled=\"True\" Checked=\"False\" "
                  "ActionID=\"40010\" Position=\"&amp;Tools.*\" Intrinsic=\"False\"  />"
                  "<Macro Value=\"NOSUCH(1)\" ActionID=\"40010\" Position=\"&amp;Tools.*\" Intrinsic=\"False\" "
                  "Hidden=\"False\" Enabled=\"True\" Checked=\"False\"  />"
                  "</Menu>" + kDefaultSystemMenu + kEnd);
    EXPECT_EQ(Report(), NativeText("Unable to convert macro:\tSEND(&quot;x&quot;)\n"));
    EXPECT_EQ(m_converter.m_unconverted, 1);
}

// Submenus nest as deep as the statement goes: each one's children take its path and caption.
TEST_F(MenuDocument, SubmenusNestAsDeepAsTheStatementGoes)
{
    constexpr int kLevels = 70;
    PropertyList tokens = {"Menus", "Position", "\"Tools\""};
    for (int i = 0; i <= kLevels; ++i)
        tokens.insert(tokens.end(), {"Add", "\"Menu\"", "Caption", "\"c" + std::to_string(i) + "\""});
    tokens.insert(tokens.end(), {"Add", "\"Separator\""});
    for (int i = 0; i <= kLevels; ++i)
        tokens.insert(tokens.end(), {"Add", "\"End\""});
    // Every submenu closed: the statement's next entry is read as usual.
    tokens.insert(tokens.end(), {"Position", "\"Help.*\"", "Add", "\"Separator\""});

    std::string expected = kStart;
    std::string path = "&amp;Tools";
    std::string children;
    for (int i = 0; i <= kLevels; ++i) {
        const std::string caption = "c" + std::to_string(i);
        expected += "<Submenu Caption=\"" + caption + "\" Hidden=\"false\" Enabled=\"true\" Checked=\"false\" Position=\"" +
                    path + "\" Intrinsic=\"false\"  />";
        children += (i == 0 ? "" : ".") + caption;
        path = children + ".*";
    }
    expected += "<Separator Hidden=\"False\" Enabled=\"True\" Checked=\"False\" Position=\"" + path +
                "\" Intrinsic=\"False\"  />"
                "<Separator Position=\"&amp;Help.*\" Intrinsic=\"False\" Hidden=\"False\" Enabled=\"True\" "
                "Checked=\"False\"  />"
                "</Menu>" +
                kDefaultSystemMenu + kEnd;
    EXPECT_EQ(Document(tokens), expected);
}

// No depth of nesting exhausts the stack (a walk that recursed once per level would, well before
// this depth), and the document it gives reads back.
TEST_F(MenuDocument, SubmenusNestedThirtyThousandDeep)
{
    constexpr std::size_t kLevels = 30000;
    PropertyList tokens = {"Menus", "Position", "\"Tools\""};
    tokens.reserve(3 + 2 * kLevels);
    for (std::size_t i = 0; i < kLevels; ++i)
        tokens.insert(tokens.end(), {"Add", "\"Menu\""});
    const std::string document = Document(tokens);
    // Each submenu is written when its child comes; the innermost has none and is not written.
    const std::string nested = "<Submenu Hidden=\"false\" Enabled=\"true\" Checked=\"false\" Position=\"\" "
                               "Intrinsic=\"false\"  />";
    const std::string top = "<Submenu Hidden=\"false\" Enabled=\"true\" Checked=\"false\" Position=\"&amp;Tools\" "
                            "Intrinsic=\"false\"  />";
    const std::string tail = std::string("</Menu>") + kDefaultSystemMenu + kEnd;
    ASSERT_EQ(document.size(), std::string(kStart).size() + top.size() + (kLevels - 2) * nested.size() + tail.size());
    EXPECT_EQ(document.substr(0, std::string(kStart).size() + top.size()), kStart + top);
    EXPECT_EQ(document.substr(document.size() - nested.size() - tail.size()), nested + tail);

    std::string text;
    ASSERT_TRUE(formats::menu::DumpMenuDocument(document, text));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(kLevels - 1 + 3));
}

// Each submenu's Position repeats the path above it: deep nesting with long captions would ask for
// a document of gigabytes. Past its limit the walk stops: a notice, and no document on disk.
TEST_F(MenuDocument, ADocumentPastItsLimitIsNotWritten)
{
    const std::string caption = "\"" + std::string(4000, 'c') + "\"";
    PropertyList tokens = {"Menus", "Position", "\"Tools\""};
    for (int level = 0; level < 120; ++level) // about 4000 * 120 * 120 / 2 bytes of paths: 29 MB
        tokens.insert(tokens.end(), {"Add", "\"Menu\"", "Caption", caption});
    const std::string path = m_desk.Path("Deep.cmu");
    EXPECT_FALSE(m_converter.WriteMenuDocument(tokens, path));
    EXPECT_FALSE(FileExists(path));
    ASSERT_EQ(m_notices.size(), 1u);
    EXPECT_NE(m_notices[0].find("would pass 16 MB"), std::string::npos) << m_notices[0];
}

} // namespace

// With the macro translator installed: a macro file becomes the TORQA! macro named after it (the
// name as the rule gives it: upper case, no extension), inline text one named "Menu" and a number.
class MenuDocumentWithTranslator : public MenuDesk {
protected:
    MenuDocumentWithTranslator() { InstallTranslator(); }
};

TEST_F(MenuDocumentWithTranslator, MacroFilesAndInlineMacros)
{
    WriteFile(m_desk.QimSessions() + kSep + "Logon.qtm", "SEND(\"me^M\")\r\n");
    std::string document = Document({"Menus", "Position", "\"Tools.*\"", "Add", "\"Macro\"", "Value", "\"Logon(1)\"",
                                      "Add", "\"Macro\"", "Value", "\"SEND(\\\"x\\\")\""});
    const std::string written = m_desk.Macros() + kSep + "LOGON";
    EXPECT_TRUE(FileExists(written));
    const std::string first = "<Macro Value=\"" + written + "\" Hidden=";
    EXPECT_EQ(document.substr(std::string(kStart).size(), first.size()), first);
    const std::size_t second = document.find("<Macro Value=\"" + m_desk.Macros() + kSep + "Menu");
    ASSERT_NE(second, std::string::npos) << document;
    EXPECT_NE(document.find(".tbm\" ActionID=\"40010\"", second), std::string::npos) << document;
    EXPECT_EQ(Report(), "");
}
