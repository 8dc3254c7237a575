#include "translator/StatementReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Runs the reader over text, handed over in pieces of at most three bytes so that statements run
// across the reads; injectEditKeys is set by a sink that sees a Keyboard statement with the VT
// editing keypad, as the dispatcher does.
std::vector<std::string> Read(const std::string& text, bool inject = false)
{
    std::vector<std::string> statements;
    std::size_t pos = 0;
    bool injectEditKeys = inject;
    StatementReader reader(
        [&](char* buffer, std::size_t size) {
            const std::size_t n = std::min({size, std::size_t{3}, text.size() - pos});
            text.copy(buffer, n, pos);
            pos += n;
            return n;
        },
        [&](std::string& statement) {
            statements.push_back(statement);
            if (statement.rfind("Keyboard(", 0) == 0 && statement.find("EditpadArrangement=\"VT\"") != std::string::npos)
                injectEditKeys = true;
        },
        injectEditKeys);
    reader.Run();
    return statements;
}

using Statements = std::vector<std::string>;

TEST(StatementReader, JoinsLinesDropsBlanksOutsideQuotesAndHoldsTheKeyboardMap)
{
    EXPECT_EQ(Read("Display.Colors( Background=1, Title=\"My (old) session\" )\n"
                   "Keyboard.Mapping( PCKey=\"F1 [070]\",\n"
                   "    MapTo=\"Sequence\", Value=\"x\" )\n"
                   "Terminal( Name=My Host )\n"),
              (Statements{"Display.Colors(Background=1,Title=\"My (old) session\")", "Terminal(Name=MyHost)",
                          "Keyboard.Mapping(PCKey=\"F1 [070]\",MapTo=\"Sequence\",Value=\"x\")"}));
}

TEST(StatementReader, EmptyLinesTabsAndALastLineWithoutLineFeed)
{
    EXPECT_EQ(Read("\n\n\tA( X=1 )\n\nB( Y=2 )"), (Statements{"A(X=1)"}));
    EXPECT_EQ(Read(""), Statements{});
}

TEST(StatementReader, EscapedQuoteBeforeACommaStaysInsideTheValue)
{
    // \", keeps the quoted value open, so the blank after it survives; \\", closes it.
    EXPECT_EQ(Read("A( V=\"say \\\", then\", W=1 )\n"), (Statements{"A(V=\"say \\\", then\",W=1)"}));
    EXPECT_EQ(Read("A( V=\"dir\\\\\", W=1 )\n"), (Statements{"A(V=\"dir\\\\\",W=1)"}));
}

TEST(StatementReader, JoinedQuotedPiecesKeepTheirBlanks)
{
    EXPECT_EQ(Read("A( V=\"ab c\"+\"d e\" )\n"), (Statements{"A(V=\"ab c\"+\"d e\")"}));
    // After a closing quote blanks are kept until the next comma ends the value.
    EXPECT_EQ(Read("A( V=\"ab\" + \"d\" )\n"), (Statements{"A(V=\"ab\" + \"d\")"}));
}

TEST(StatementReader, StrayClosingParenthesisJoinsLinesUntilBalanced)
{
    // Blanks are kept too once a statement's parentheses closed at depth 0.
    EXPECT_EQ(Read("A( X=1 ))\nB( Y=2 )\nC(\nD( Z=3 )\n"), (Statements{"A(X=1))B( Y=2 )C(", "D(Z=3)"}));
}

TEST(StatementReader, MenuIsMergedWithTheSystemMenu)
{
    EXPECT_EQ(Read("Menus( Item=\"File\" )\nTerminal( X=1 )\nSystemMenu( Item=\"Close\" )\n"),
              (Statements{"Terminal(X=1)", "Menus(Item=\"File\",SystemMenu=SystemMenu,Item=\"Close\")"}));
    EXPECT_EQ(Read("SystemMenu( Item=\"Close\" )\n"), (Statements{"SystemMenu=SystemMenu,Item=\"Close\""}));
    // Only the text before "(" is a group name: a single-value line mentioning a menu passes on.
    EXPECT_EQ(Read("Title=\"My Menus\"\n"), (Statements{"Title=\"My Menus\""}));
    // Without a system menu the held menu goes at the end, before the keyboard map.
    EXPECT_EQ(Read("Keyboard.Mapping( K=1 )\nMenus( Item=\"File\" )\n"),
              (Statements{"Menus(Item=\"File\")", "Keyboard.Mapping(K=1)"}));
    // A menu after the system menu stays held for good.
    EXPECT_EQ(Read("SystemMenu( Item=\"Close\" )\nMenus( Item=\"File\" )\n"),
              (Statements{"SystemMenu=SystemMenu,Item=\"Close\""}));
}

TEST(StatementReader, VtEditingKeypadAddsFiveMappingsOnlyWhenAskedFirst)
{
    const std::string mapped = "Keyboard.Mapping(PCKey=\"F1 [070]\"" + StatementReader::EditKeypadMappings() + ")";
    EXPECT_EQ(Read("Keyboard( EditpadArrangement=\"VT\" )\nKeyboard.Mapping( PCKey=\"F1 [070]\" )\n").back(), mapped);
    EXPECT_EQ(Read("Keyboard.Mapping( PCKey=\"F1 [070]\" )\nKeyboard( EditpadArrangement=\"VT\" )\n").back(),
              "Keyboard.Mapping(PCKey=\"F1 [070]\")");
    EXPECT_EQ(StatementReader::EditKeypadMappings(),
              ",PCKey=\"Insert [12D]\", MapTo=\"Sequence\", Value=\"\xAB" "Find\xBB\","
              "PCKey=\"Home [124]\", MapTo=\"Sequence\", Value=\"\xAB" "Insert\xBB\","
              "PCKey=\"Page Up [121]\", MapTo=\"Sequence\", Value=\"\xAB" "Remove\xBB\","
              "PCKey=\"Delete [12E]\", MapTo=\"Sequence\", Value=\"\xAB" "Select\xBB\","
              "PCKey=\"End [123]\", MapTo=\"Sequence\", Value=\"\xAB" "Prev\xBB\" ");
}

} // namespace
