// The TORQA! menu's captions through this build's menus backend against the rows below, written
// from the resource scripts; on Windows (and under Wine) the real menu functions answer too, and
// both backends are compared on every position and every command number of the libraries.
#include "platform/MenuResource.h"
#include "platform/Menus.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace testing_support;

// The resource libraries in the width of this test program, so the real functions can load them.
const bool k64 = sizeof(void*) == 8;
std::string ExampleLibrary() { return std::string(QTCM_EXAMPLES_DIR) + kSep + "torqa" + kSep + (k64 ? "torqa64.dlr" : "torqa.dlr"); }
std::string ExtendedLibrary() { return std::string(QTCM_TESTDATA_DIR) + kSep + "menus" + kSep + (k64 ? "extended64.dlr" : "extended.dlr"); }

#ifdef _WIN32
constexpr bool kRealMenuFunctions = true; // this build's backend is the platform's own
#else
constexpr bool kRealMenuFunctions = false;
#endif

struct CaptionRow {
    bool extended; // the extended template library, else the example one
    unsigned flags;
    unsigned item;
    const char* caption;        // what our resource reader answers
    const char* windowsCaption; // where the real menu functions answer otherwise, their answer
};

// The real functions convert to the ANSI code page with Windows' best-fit mapping (a letter the
// code page lacks becomes a similar one where there is one: U+015C S, U+015D s, U+03A9 O); our
// reader writes "?" for every such character. Wine follows the best-fit table Windows publishes
// for code page 1252, so its answers are those of a US-English Windows.

constexpr unsigned P = platform::kMenuByPosition;
constexpr unsigned C = platform::kMenuByCommand;

const CaptionRow kRows[] = {
    {false, P, 0, "&File", nullptr},
    {false, P, 4, "&Window", nullptr},
    {false, P, 6, "&Help", nullptr},
    {false, P, 7, "", nullptr},
    {false, C, 57601, "&Open Session...\tCtrl+O", nullptr},
    {false, C, 57616, "Recent Sessions", nullptr},
    {false, C, 33628, "&Cancel", nullptr},          // in a popup of a popup
    {false, C, 34004, "Transfer &Options...", nullptr},
    {false, C, 1, "", nullptr},
    {true, P, 0, "&Fichier", nullptr},
    {true, P, 1, "\xC9&dition", nullptr},
    {true, P, 3, "", nullptr},                      // a popup without a caption
    {true, C, 57601, "&Ouvrir une session\x85\tCtrl+O", nullptr},
    {true, C, 57607, "Imprimer \x80 \xA5 \xE9", nullptr},
    {true, C, 4000, "Int\xE9rieur ? ?", "Int\xE9rieur ? O"}, // the first of two items with the number
    {true, C, 4001, "? ? \x96 \x93x\x94", "S s \x96 \x93x\x94"},
    {true, C, 1001, "Sous-&menu", nullptr},         // a popup's own number, before a later item's
    {true, C, 1002, "\xC9&dition", nullptr},
    {true, C, 4002, "Vide", nullptr},
};

std::string Caption(const platform::MenuTemplate& menu, unsigned item, unsigned flags)
{
    const int length = menu.GetMenuString(item, nullptr, 0, flags);
    std::string buffer(2 * static_cast<std::size_t>(length > 0 ? length : 0) + 2, '\0');
    const int copied = menu.GetMenuString(item, buffer.data(), static_cast<int>(buffer.size()), flags);
    EXPECT_EQ(copied, length) << "item " << item;
    return buffer.substr(0, copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void CollectIds(const std::vector<platform::MenuNode>& items, std::set<unsigned>& ids)
{
    for (const platform::MenuNode& item : items) {
        ids.insert(item.id);
        CollectIds(item.items, ids);
    }
}

TEST(MenuBackends, CaptionsAsTheScriptsSayThem)
{
    std::string why;
    const auto example = platform::LoadMenuTemplate(ExampleLibrary(), 130, &why);
    ASSERT_TRUE(example) << why;
    const auto extended = platform::LoadMenuTemplate(ExtendedLibrary(), 130, &why);
    ASSERT_TRUE(extended) << why;
    for (const CaptionRow& row : kRows) {
        SCOPED_TRACE(std::string(row.extended ? "extended " : "example ") + (row.flags == P ? "position " : "command ") +
                     std::to_string(row.item));
        const char* expected = kRealMenuFunctions && row.windowsCaption ? row.windowsCaption : row.caption;
        EXPECT_EQ(Caption(row.extended ? *extended : *example, row.item, row.flags), expected);
    }
}

TEST(MenuBackends, MissingLibraryOrMenuMeansNoMenu)
{
    std::string why;
    EXPECT_FALSE(platform::LoadMenuTemplate(ExampleLibrary() + ".none", 130, &why));
    EXPECT_FALSE(why.empty());
    EXPECT_FALSE(platform::LoadMenuTemplate(ExampleLibrary(), 131, &why));
    EXPECT_FALSE(why.empty());
}

// Both backends, every position and every number of the libraries (and numbers they lack).
TEST(MenuBackends, ResourceReaderAgreesWithThisPlatform)
{
    for (const std::string& path : {ExampleLibrary(), ExtendedLibrary()}) {
        SCOPED_TRACE(path);
        std::string error;
        const auto ours = platform::ReadMenuResource(ReadFile(path), 130, error);
        ASSERT_TRUE(ours) << error;
        const auto native = platform::LoadMenuTemplate(path, 130);
        ASSERT_TRUE(native);
        for (unsigned position = 0; position < 10; ++position)
            EXPECT_EQ(Caption(*ours, position, P), Caption(*native, position, P)) << "position " << position;
        std::set<unsigned> ids = {2, 999, 40000, 65535};
        CollectIds(ours->Items(), ids);
        ids.erase(0xFFFFFFFFu); // a standard template's popups carry no number
        for (unsigned id : ids) {
            const CaptionRow* known = nullptr;
            for (const CaptionRow& row : kRows)
                if (row.windowsCaption && row.flags == C && row.item == id && path == ExtendedLibrary() && row.extended)
                    known = &row;
            const std::string real = Caption(*native, id, C);
            if (known && kRealMenuFunctions)
                EXPECT_EQ(real, known->windowsCaption) << "command " << id;
            else
                EXPECT_EQ(Caption(*ours, id, C), real) << "command " << id;
        }
    }
}

} // namespace
