#include "converters/CQIConverter.h"
#include "converters/NameTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

int IndexOf(int tableId, const char* text) { return CQIConverter::FindName(text, tableId); }

// First map row for a (group, property) given by name; group "" means a
// single-value statement.
const PropertyMapRow* FindRow(const char* group, const char* property) {
    const int g = *group ? IndexOf(kGroupNames, group) : 0;
    const int p = IndexOf(*group ? kPropertyNames : kStatementNames, property);
    for (const PropertyMapRow& row : PropertyMap) {
        if (row.group == g && row.property == p) return &row;
    }
    return nullptr;
}

std::string Target(const PropertyMapRow& row) {
    return std::string(SectionNames[row.section]) + " / " + KeyNames[row.key] + " / " +
           std::to_string(row.kind);
}

}  // namespace

TEST(NameTablesTest, OnlyTheFirstEntryIsEmpty) {
    for (const int id : {kStatementNames, kGroupNames, kPropertyNames, kSectionNames, kKeyNames, kFileExtensions,
                         kMacroKeywords}) {
        SCOPED_TRACE(id);
        const NameTable table = GetNameTable(id);
        ASSERT_NE(table.names, nullptr);
        // Only entry 0 of tables 1..6 is empty; no name carries stray blanks.
        for (std::size_t i = 0; i < table.count; ++i) {
            ASSERT_NE(table.names[i], nullptr) << i;
            const std::string name = table.names[i];
            if (i == 0 && id != kMacroKeywords) {
                EXPECT_TRUE(name.empty());
                continue;
            }
            ASSERT_FALSE(name.empty()) << i;
            EXPECT_NE(name.front(), ' ') << name;
            EXPECT_NE(name.back(), ' ') << name;
        }
    }
    for (int id : {-1, 0, 7, 9}) {
        const NameTable none = GetNameTable(id);
        EXPECT_EQ(none.names, nullptr);
        EXPECT_EQ(none.count, 0u);
    }
}

TEST(NameTablesTest, EntriesSitAtTheirIndices) {
    EXPECT_STREQ(StatementNames[1], "AutoConnect");
    EXPECT_STREQ(StatementNames[13], "VTStatusLine");
    EXPECT_STREQ(GroupNames[13], "Display.Colors");
    EXPECT_STREQ(GroupNames[54], "ViewInfo");
    EXPECT_STREQ(PropertyNames[1], "AbortOutput");
    EXPECT_STREQ(PropertyNames[305], "WindowRequest");
    EXPECT_STREQ(SectionNames[1], "Color Scheme");
    EXPECT_STREQ(SectionNames[14], "Terminal");
    EXPECT_STREQ(KeyNames[1], "8BitQuoteChar");
    EXPECT_STREQ(KeyNames[408], "ActionID");
    EXPECT_STREQ(FileExtensions[1], "tdp");
    EXPECT_STREQ(FileExtensions[7], "cmu");
    EXPECT_STREQ(MacroKeywords[0], "ABORT");
    EXPECT_STREQ(MacroKeywords[141], "WAIT");

    EXPECT_EQ(IndexOf(kMacroKeywords, "EXITQIM"), 59);
}

TEST(NameTablesTest, CaseInsensitiveDuplicatesResolveToFirstEntry) {
    std::vector<std::string> found;
    for (int id : {1, 2, 3, 4, 5, 6, 8}) {
        const NameTable table = GetNameTable(id);
        for (std::size_t i = 1; i < table.count; ++i) {
            const int first = IndexOf(id, table.names[i]);
            if (first != static_cast<int>(i))
                found.push_back(std::string(table.names[first]) + "=" + table.names[i]);
        }
    }
    EXPECT_EQ(found, (std::vector<std::string>{"Fontsize=FontSize", "Colorred=ColorRed",
                                                "ErrorRetryLimit=ErrorRetryLimit"}));
    EXPECT_STREQ(PropertyNames[IndexOf(kPropertyNames, "fontsize")], "Fontsize");
    EXPECT_STREQ(KeyNames[IndexOf(kKeyNames, "COLORRED")], "Colorred");
}

TEST(PropertyMapTest, RowsStayWithinTheirTables) {
    for (const PropertyMapRow& row : PropertyMap) {
        const std::size_t properties = row.group == 0 ? std::size(StatementNames) : std::size(PropertyNames);
        EXPECT_GE(row.group, 0);
        EXPECT_LT(row.group, 55);
        EXPECT_GT(row.property, 0);
        EXPECT_LT(static_cast<std::size_t>(row.property), properties);
        EXPECT_GE(row.section, 0);
        EXPECT_LT(row.section, 15);
        EXPECT_GE(row.key, 0);
        EXPECT_LT(row.key, 409);
        // Kinds run 0..33; 2 is unused.
        EXPECT_GE(row.kind, 0);
        EXPECT_LE(row.kind, 33);
        EXPECT_NE(row.kind, 2);
    }
}

TEST(PropertyMapTest, RepeatedPairsRepeatTheWholeRow) {
    std::set<std::pair<int, int>> pairs;
    for (std::size_t i = 0; i < std::size(PropertyMap); ++i) {
        const PropertyMapRow& row = PropertyMap[i];
        if (pairs.insert({row.group, row.property}).second) continue;
        const PropertyMapRow* first = nullptr;
        for (std::size_t j = 0; j < i && !first; ++j) {
            if (PropertyMap[j].group == row.group && PropertyMap[j].property == row.property)
                first = &PropertyMap[j];
        }
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(0, std::memcmp(first, &row, sizeof row)) << "row " << i;
    }
}

TEST(PropertyMapTest, GroupsWithoutRows) {
    const char* const groups[] = {"CustomPrimaryDA", "CustomSecondaryDA", "Fontsize", "InverseScreen",
                                  "Keyboard.Value", "LockUserKeys", "Page", "Show", "Terminator",
                                  "UseEuroforinternationalcurrencysymbol", "UserPreferredCharacterSet"};
    std::set<int> withoutRows;
    for (int g = 1; g < 55; ++g) withoutRows.insert(g);
    for (const PropertyMapRow& row : PropertyMap) withoutRows.erase(row.group);
    std::set<int> expected;
    for (const char* group : groups) expected.insert(IndexOf(kGroupNames, group));
    EXPECT_EQ(withoutRows, expected);
}

TEST(PropertyMapTest, SampleRows) {
    // An empty name resolves to index 0, which no row uses.
    EXPECT_EQ(FindRow("", ""), nullptr);
    EXPECT_EQ(FindRow("Show", "Value"), nullptr);

    const std::pair<std::pair<const char*, const char*>, const char*> rows[] = {
        {{"CommunicationsPorts", "Port"}, " /  / 0"},
        {{"Communications.Setup", "Port"}, "Connection / Port / 24"},
        {{"Communications.Setup.Advanced", "TelnetPort"}, "Connection / Port / 24"},
        {{"Communications.Setup.Advanced", "DataBits"}, "Connection / DataBits / 6"},
        {{"Communications.Proxies", "UseSOCKSProxy"}, "Connection / WhichProxy / 26"},
        {{"ViewInfo", "PositionX"}, "Session / X / 24"},
        {{"", "Languages"}, "Document ID / Language / 31"},
        {{"", "Local"}, " /  / 0"},
        {{"NewFonts", "FontSize"}, "Terminal / FontSize / 33"},
        {{"Printer", "Fontsize"}, "Terminal / PrntFontSize / 24"},
        {{"FileTransfer.KermitOptions.Advanced", "ErrorRetryLimit"}, "File Transfer / ErrorRetryLimit / 24"},
        {{"FileTransfer.TextFileOptions", "Sendnewlinesas"}, "FT Settings Scheme / NewLine / 24"},
        {{"Display.Attributes", "Attribute"}, "Color Scheme /  / 24"},
        {{"Display.Colors", "Red"}, "Terminal / R / 16"},
        {{"Keyboard", "Layout"}, " /  / 28"},
        {{"Menus", "Hide"}, " / Hidden / 0"},
        {{"ToolbarMapping", "ShowToolTips"}, "QuickBar / ToolTips / 32"},
        {{"MacroOptions", "Startup"}, "Session / StartupScript / 24"},
        {{"InformationAboutRecording", "Donottellmeaboutthisagain"}, " /  / 0"},
    };
    for (const auto& [source, target] : rows) {
        SCOPED_TRACE(std::string(source.first) + " / " + source.second);
        const PropertyMapRow* row = FindRow(source.first, source.second);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(Target(*row), target);
    }
}

// The indexed look-up answers what a scan from the first row answers, for every pair in the map
// and for pairs it does not hold.
TEST(PropertyMapTest, LookUpFindsTheFirstRowOfEveryPair) {
    for (const PropertyMapRow& row : PropertyMap) {
        const PropertyMapRow* first = nullptr;
        for (const PropertyMapRow& candidate : PropertyMap)
            if (!first && candidate.group == row.group && candidate.property == row.property) first = &candidate;
        int section = -9, key = -9, kind = -9;
        ASSERT_TRUE(CQIConverter::FindPropertyMapping(row.group, row.property, section, key, kind));
        EXPECT_EQ(section, first->section);
        EXPECT_EQ(key, first->key);
        EXPECT_EQ(kind, first->kind);
    }
    int section = -9, key = -9, kind = -9;
    EXPECT_FALSE(CQIConverter::FindPropertyMapping(-1, PropertyMap[0].property, section, key, kind));
    EXPECT_FALSE(CQIConverter::FindPropertyMapping(PropertyMap[0].group, -1, section, key, kind));
    EXPECT_FALSE(CQIConverter::FindPropertyMapping(0x10000 + PropertyMap[0].group, PropertyMap[0].property, section, key, kind));
    EXPECT_EQ(section, -9); // untouched when there is no row
    EXPECT_EQ(IndexOf(7, ""), -1);
    EXPECT_EQ(IndexOf(9, ""), -1);
    EXPECT_EQ(IndexOf(0, ""), -1);
}
