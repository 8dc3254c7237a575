// The menu reader of systems without the Windows menu functions: resource libraries as windres
// builds them (32- and 64-bit, standard and extended templates), templates made byte by byte, and
// libraries cut short or corrupted, which must be refused without a read past their bytes.
#include "platform/MenuResource.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testing_support;

std::string Library(const std::string& name)
{
    if (name.rfind("torqa", 0) == 0)
        return ReadFile(std::string(QTCM_EXAMPLES_DIR) + "/torqa/" + name);
    return ReadFile(std::string(QTCM_TESTDATA_DIR) + "/menus/" + name);
}

std::string Caption(const platform::MenuTemplate& menu, unsigned item, unsigned flags)
{
    char buffer[256] = "";
    const int copied = menu.GetMenuString(item, buffer, sizeof buffer, flags);
    EXPECT_EQ(copied, menu.GetMenuString(item, nullptr, 0, flags)) << "item " << item;
    return std::string(buffer, copied > 0 ? copied : 0);
}

// Little-endian pieces of a hand-made template.
std::string U16(unsigned value) { return std::string{char(value & 0xFF), char(value >> 8)}; }
std::string Wide(const std::string& ascii)
{
    std::string out;
    for (char c : ascii)
        out += U16(static_cast<unsigned char>(c));
    return out + U16(0);
}

TEST(MenuResource, ExampleLibraryInBothWidths)
{
    for (const char* name : {"torqa.dlr", "torqa64.dlr"}) {
        SCOPED_TRACE(name);
        std::string error;
        auto menu = platform::ReadMenuResource(Library(name), 130, error);
        ASSERT_TRUE(menu) << error;
        const char* tops[] = {"&File", "&Edit", "&View", "&Tools", "&Window", "&Options", "&Help"};
        for (unsigned i = 0; i < 7; ++i)
            EXPECT_EQ(Caption(*menu, i, platform::kMenuByPosition), tops[i]);
        EXPECT_EQ(Caption(*menu, 7, platform::kMenuByPosition), "");
        EXPECT_EQ(Caption(*menu, 57600, platform::kMenuByCommand), "&New Session...\tCtrl+N");
        EXPECT_EQ(Caption(*menu, 57664, platform::kMenuByCommand), "&About TORQA!...");
        // Inside a popup of a popup.
        EXPECT_EQ(Caption(*menu, 33622, platform::kMenuByCommand), "R&ecord...");
        EXPECT_EQ(Caption(*menu, 12345, platform::kMenuByCommand), "");
        // A standard template's popups have no command number, not even 0.
        EXPECT_EQ(menu->GetMenuString(0, nullptr, 0, platform::kMenuByCommand), 0);
        EXPECT_EQ(menu->Items().size(), 7u);
        EXPECT_EQ(menu->Items()[0].items.size(), 17u);
    }
    std::string error;
    EXPECT_FALSE(platform::ReadMenuResource(Library("torqa.dlr"), 131, error));
    EXPECT_EQ(error, "no menu 131");
}

TEST(MenuResource, ExtendedTemplateCaptionsInWindows1252)
{
    std::string error;
    auto menu = platform::ReadMenuResource(Library("extended.dlr"), 130, error);
    ASSERT_TRUE(menu) << error;
    EXPECT_EQ(Caption(*menu, 0, platform::kMenuByPosition), "&Fichier");
    EXPECT_EQ(Caption(*menu, 1, platform::kMenuByPosition), "\xC9&dition");
    EXPECT_EQ(Caption(*menu, 2, platform::kMenuByPosition), "&Aide directe");
    EXPECT_EQ(Caption(*menu, 3, platform::kMenuByPosition), "");
    EXPECT_EQ(Caption(*menu, 57601, platform::kMenuByCommand), "&Ouvrir une session\x85\tCtrl+O");
    EXPECT_EQ(Caption(*menu, 57607, platform::kMenuByCommand), "Imprimer \x80 \xA5 \xE9");
    EXPECT_EQ(Caption(*menu, 4001, platform::kMenuByCommand), "? ? \x96 \x93x\x94");
    // 4000 twice: the one inside the submenu comes first in the search.
    EXPECT_EQ(Caption(*menu, 4000, platform::kMenuByCommand), "Int\xE9rieur ? ?");
    // A popup with the number answers only when nothing else on its level does: the submenu's
    // level is searched to its end before "Edition" with its item 1001 is reached.
    EXPECT_EQ(Caption(*menu, 1001, platform::kMenuByCommand), "Sous-&menu");
    EXPECT_EQ(Caption(*menu, 1002, platform::kMenuByCommand), "\xC9&dition");
    EXPECT_EQ(Caption(*menu, 4002, platform::kMenuByCommand), "Vide");
}

TEST(MenuResource, LengthProtocolOfTheCaptionQuestion)
{
    std::string error;
    auto menu = platform::ReadMenuResource(Library("torqa.dlr"), 130, error);
    ASSERT_TRUE(menu);
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(menu->GetMenuString(0, nullptr, 100, platform::kMenuByPosition), 5);
    EXPECT_EQ(menu->GetMenuString(0, buffer, 0, platform::kMenuByPosition), 5);
    EXPECT_EQ(std::string(buffer), "xxxxxxx");
    EXPECT_EQ(menu->GetMenuString(0, buffer, 1, platform::kMenuByPosition), 0);
    EXPECT_EQ(std::string(buffer), "");
    EXPECT_EQ(menu->GetMenuString(0, buffer, 4, platform::kMenuByPosition), 3);
    EXPECT_EQ(std::string(buffer), "&Fi");
}

TEST(MenuTemplate, StandardTemplateByteByByte)
{
    // Header with 2 extra bytes; popup "A" holding "b" (5) and a separator; then "C" (7), the last.
    const std::string data = U16(0) + U16(2) + "zz" + U16(0x10) + Wide("A") + U16(0) + U16(5) + Wide("b") +
                             U16(0x80) + U16(0) + Wide("") + U16(0x80) + U16(7) + Wide("C");
    std::vector<platform::MenuNode> items;
    std::string error;
    ASSERT_TRUE(platform::ParseMenuTemplate(data, items, error)) << error;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0].popup);
    ASSERT_EQ(items[0].items.size(), 2u);
    EXPECT_EQ(items[0].items[0].caption, "b");
    EXPECT_EQ(items[0].items[0].id, 5u);
    EXPECT_EQ(items[0].items[1].caption, "");
    EXPECT_EQ(items[1].caption, "C");
    EXPECT_EQ(items[1].id, 7u);

    // Every shorter piece is refused, saying where it ends.
    for (std::size_t size = 0; size < data.size(); ++size) {
        EXPECT_FALSE(platform::ParseMenuTemplate(data.substr(0, size), items, error)) << size;
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(items.empty());
    }
    EXPECT_FALSE(platform::ParseMenuTemplate(U16(2) + U16(0), items, error));
    EXPECT_EQ(error, "unknown menu template version 2");
}

TEST(MenuTemplate, NestingBeyondAnyMenuIsRefused)
{
    std::string data = U16(0) + U16(0);
    for (int level = 0; level < 100; ++level)
        data += U16(0x90) + Wide("p");
    data += U16(0x80) + U16(1) + Wide("leaf");
    std::vector<platform::MenuNode> items;
    std::string error;
    EXPECT_FALSE(platform::ParseMenuTemplate(data, items, error));
    EXPECT_NE(error.find("nested too deeply"), std::string::npos) << error;
}

TEST(MenuResource, NotALibrary)
{
    std::string error;
    EXPECT_FALSE(platform::ReadMenuResource("", 130, error));
    EXPECT_EQ(error, "not a Windows library (no MZ header)");
    EXPECT_FALSE(platform::ReadMenuResource("[Session]\r\nTitle=x\r\n", 130, error));
    std::string image = Library("torqa.dlr");
    image[0x3C] = '\x7F'; // the PE header's offset now points into nothing
    EXPECT_FALSE(platform::ReadMenuResource(image, 130, error));
    EXPECT_EQ(error, "not a PE file (no PE signature)");
}

// Every prefix of the libraries: refused, or, where the cut misses the menu, the same menu.
TEST(MenuResource, CutShortLibrariesNeverReadPastTheirEnd)
{
    for (const char* name : {"torqa.dlr", "extended64.dlr"}) {
        const std::string image = Library(name);
        std::string error;
        auto whole = platform::ReadMenuResource(image, 130, error);
        ASSERT_TRUE(whole);
        int refused = 0;
        for (std::size_t size = 0; size < image.size(); ++size) {
            const std::string cut = image.substr(0, size); // its own allocation, so a read past it shows
            auto menu = platform::ReadMenuResource(cut, 130, error);
            if (!menu) {
                ++refused;
                EXPECT_FALSE(error.empty());
                continue;
            }
            for (unsigned i = 0; i < 8; ++i)
                EXPECT_EQ(Caption(*menu, i, platform::kMenuByPosition), Caption(*whole, i, platform::kMenuByPosition));
        }
        EXPECT_GT(refused, 0);
    }
}

// Every byte of the libraries' headers and resource section (from 0xA00 on) overwritten in turn
// with 0x00 and 0xFF: any answer but a crash or a read past the bytes.

} // namespace
