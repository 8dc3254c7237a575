// The menu converter as the dispatcher uses it: where the document goes and how the session file
// names it, what a missing TORQA! menu does, and the menu path table read through the example
// TORQA! main menu.
#include "menus/MenuDesk.h"
#include "menus/MenuPaths.h"
#include "platform/Notice.h"
#include "platform/Profile.h"
#include "translator/ConverterRegistry.h"

#include <vector>

namespace {

using namespace testing_support;

std::string SessionValueOf(const std::string& session, const std::string& key)
{
    return platform::ReadProfileValue("Session", key, "<absent>", session);
}

class MenuConverter : public MenuDesk {
protected:
    std::string SessionFile(const std::string& name)
    {
        const std::string path = m_desk.Sessions() + kSep + name;
        WriteFile(path, "[Session]\r\nTitle=\r\n");
        return path;
    }
};

struct Mapped {
    bool ok;
    std::string path;
    int id;
    std::string caption;
    int itemFlag;
    bool operator==(const Mapped&) const = default;
};

void PrintTo(const Mapped& m, std::ostream* os)
{
    *os << (m.ok ? "ok " : "failed ") << m.path << " | " << m.id << " | " << m.caption << " | " << m.itemFlag;
}

Mapped Map(const CQIMenuConverter& converter, const std::string& source)
{
    Mapped m{false, source, 99, "unset", 9};
    m.ok = MapMenuPath(converter.MenuTemplate(), m.path, m.id, m.caption, m.itemFlag);
    return m;
}

TEST_F(MenuConverter, MenuPathTableThroughTheTorqaMenu)
{
    const CQIMenuConverter& c = m_converter;
    EXPECT_EQ(Map(c, "File"), (Mapped{true, "&File", -1, "&File", 0}));
    EXPECT_EQ(Map(c, "File.Print"), (Mapped{true, "&File.&Print...\tCtrl+P", 57607, "&Print...\tCtrl+P", 1}));
    // "&" marks and "%s" go before the look-up; a "+" drops the last two characters.
    EXPECT_EQ(Map(c, "&File.&Print"), Map(c, "File.Print"));
    EXPECT_EQ(Map(c, "File.%sPrint"), Map(c, "File.Print"));
    EXPECT_EQ(Map(c, "File.Print+1"), Map(c, "File.Print"));
    EXPECT_FALSE(Map(c, "file.print").ok); // case counts
    EXPECT_FALSE(Map(c, "Help.About").ok);
    EXPECT_EQ(Map(c, "Help.About "), (Mapped{true, "&Help.&About TORQA!...", 57664, "&About TORQA!...", 1}));
    EXPECT_EQ(Map(c, "Help. Help"), (Mapped{true, "&Help.&Help Topics\tF1", 57666, "&Help Topics\tF1", 1}));
    EXPECT_EQ(Map(c, "Tools.Macro.Run"), (Mapped{true, "&Tools.*", 0, "", 1}));
    EXPECT_EQ(Map(c, "Options.Mouse"), (Mapped{true, "&Options.C&ustomize Session...", 32947, "C&ustomize Session...", 1}));
    EXPECT_EQ(Map(c, "Options"), (Mapped{true, "&Options", -1, "&Options", 0}));
    EXPECT_EQ(Map(c, "*"), (Mapped{true, "*", -1, "&Help", 0}));
    EXPECT_EQ(Map(c, "View.*"), (Mapped{true, "&View.*", 0, "", 1}));
    EXPECT_FALSE(Map(c, "").ok);
    EXPECT_FALSE(Map(c, "Window").ok); // QIM! has no such menu
}

TEST_F(MenuConverter, DocumentBesideTheSessionAndTheTwoKeys)
{
    const std::string session = SessionFile("Work.tdp");
    EXPECT_TRUE(m_converter.Convert({"Menus", "Position", "\"File\"", "Hide", "True"}, session.c_str(),
                                     m_desk.Schemes().c_str()));
    EXPECT_EQ(ReadFile(m_desk.Schemes() + kSep + "WORK.cmu"),
              std::string(kStart) +
                  "<Submenu Caption=\"&amp;File\" Intrinsic=\"true\" Hidden=\"True\" Position=\"&amp;File\"  />"
                  "</Menu>" + kDefaultSystemMenu + kEnd);
    EXPECT_EQ(SessionValueOf(session, "Menu"), "WORK.cmu");
    EXPECT_EQ(SessionValueOf(session, "UseCustomMenu"), "1");
    // The keys follow the section's existing key.
    EXPECT_EQ(ReadFile(session), "[Session]\r\nTitle=\r\nMenu=WORK.cmu\r\nUseCustomMenu=1\r\n");

    // A second statement for the same session writes the same document again, and the same keys.
    EXPECT_TRUE(m_converter.Convert({"SystemMenu", "SystemMenu", "Close", "False"}, session.c_str(),
                                     m_desk.Schemes().c_str()));
    EXPECT_EQ(ReadFile(m_desk.Schemes() + kSep + "WORK.cmu"),
              std::string(kStart) + "</Menu><SystemMenu Close=\"False\"  />" + kEnd);
    EXPECT_EQ(ReadFile(session), "[Session]\r\nTitle=\r\nMenu=WORK.cmu\r\nUseCustomMenu=1\r\n");
}

TEST_F(MenuConverter, DocumentNames)
{
    // Every "TDP" of the upper-cased name becomes "cmu".
    const std::string twice = SessionFile("TDPX.TDP");
    EXPECT_TRUE(m_converter.Convert({"Menus"}, twice.c_str(), m_desk.Schemes().c_str()));
    EXPECT_TRUE(FileExists(m_desk.Schemes() + kSep + "cmuX.cmu"));
    EXPECT_EQ(SessionValueOf(twice, "Menu"), "cmuX.cmu");
    // A scheme directory ending in a separator gives a doubled one, which the file system takes.
    const std::string mixed = SessionFile("mixed.Tdp");
    EXPECT_TRUE(m_converter.Convert({"Menus"}, mixed.c_str(), (m_desk.Schemes() + kSep).c_str()));
    EXPECT_TRUE(FileExists(m_desk.Schemes() + kSep + "MIXED.cmu"));
    EXPECT_EQ(SessionValueOf(mixed, "Menu"), "MIXED.cmu");
}

TEST_F(MenuConverter, DocumentThatCannotBeCreatedWritesNoKeys)
{
    std::vector<std::string> notices;
    platform::SetNoticeHandler(&CollectNotice, &notices);
    const std::string session = SessionFile("Lost.TDP");
    const std::string missing = m_desk.Path("no-such-folder");
    EXPECT_FALSE(m_converter.Convert({"Menus"}, session.c_str(), missing.c_str()));
    platform::SetNoticeHandler(nullptr, nullptr);
    EXPECT_EQ(SessionValueOf(session, "Menu"), "<absent>");
    EXPECT_EQ(SessionValueOf(session, "UseCustomMenu"), "<absent>");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("LOST.cmu"), std::string::npos) << notices[0];
    EXPECT_EQ(Report(), "");
}

TEST_F(MenuConverter, MenusAndSystemMenuShareOneConverter)
{
    CConverterRegistry registry;
    CQIConverter* menus = registry.GetConverter("Menus");
    ASSERT_NE(dynamic_cast<CQIMenuConverter*>(menus), nullptr);
    EXPECT_EQ(registry.GetConverter("systemmenu"), menus);
    EXPECT_EQ(registry.GetConverter("MENUS"), menus);
}

// Without the TORQA! menu no path maps: the first entry ends the walk, and a system-menu part
// after it is lost; a statement without entries keeps its system-menu part.
class MenuConverterWithoutMenu : public MenuDesk {
protected:
    MenuConverterWithoutMenu() : MenuDesk(false) {}
};

TEST_F(MenuConverterWithoutMenu, EntriesEndTheWalkButTheDocumentIsWritten)
{
    EXPECT_EQ(m_converter.MenuTemplate(), nullptr);
    int id = 0, flag = 0;
    std::string path = "File", caption;
    EXPECT_FALSE(MapMenuPath(m_converter.MenuTemplate(), path, id, caption, flag));

    const std::string session = m_desk.Sessions() + kSep + "Bare.TDP";
    WriteFile(session, "");
    EXPECT_TRUE(m_converter.Convert({"Menus", "Position", "\"File\"", "Hide", "True", "SystemMenu", "SystemMenu",
                                      "Close", "False"},
                                     session.c_str(), m_desk.Schemes().c_str()));
    EXPECT_EQ(ReadFile(m_desk.Schemes() + kSep + "BARE.cmu"), std::string(kStart) + "</Menu>" + kDefaultSystemMenu + kEnd);
    EXPECT_EQ(SessionValueOf(session, "Menu"), "BARE.cmu");
    EXPECT_EQ(SessionValueOf(session, "UseCustomMenu"), "1");
    EXPECT_EQ(Document({"Menus", "Reset", "False", "SystemMenu", "SystemMenu", "Close", "False"}),
              std::string(kStart) + "</Menu><SystemMenu Close=\"False\"  />" + kEnd);
}

class MenuConverterNoInstallation : public MenuDesk {
protected:
    MenuConverterNoInstallation() : MenuDesk(true, NoInstallPath()) {}
    static DeskOptions NoInstallPath()
    {
        DeskOptions options;
        options.withInstallPath = false;
        return options;
    }
};

TEST_F(MenuConverterNoInstallation, UnknownInstallationMeansNoMenu)
{
    EXPECT_EQ(m_converter.MenuTemplate(), nullptr);
}

} // namespace
