#include "translator/CQITokenizer.h"
#include "translator/CQITranslator.h"

#include <gtest/gtest.h>

namespace {

PropertyList Tokens(const CQITokenizer& tokenizer, const std::string& statement)
{
    TokenList tokens;
    tokenizer.Tokenize(statement, tokens);
    return PropertyList(tokens.begin(), tokens.end());
}

PropertyList Tokens(const std::string& statement) { return Tokens(CQITokenizer::ForStatements(), statement); }

PropertyList Properties(const std::string& statement)
{
    TokenList tokens;
    CQITokenizer::ForStatements().Tokenize(statement, tokens);
    PropertyList properties;
    BuildPropertyList(tokens, properties);
    return properties;
}

TEST(Tokenizer, DelimitersAreTokensAndALineFeedStops)
{
    EXPECT_EQ(Tokens("A( B=1, C )\nD=2"), (PropertyList{"A", "(", " B", "=", "1", ",", " C ", ")"}));
    // Separators kept at the end of their token, empty tokens kept, ignored characters taken out of
    // the middle of a token, a stop character and a zero byte ending the text.
    const CQITokenizer custom(" ", true, "x", ";", ",", true, false);
    EXPECT_EQ(Tokens(custom, "a b,,cxd"), (PropertyList{"a ", "b", ",", "", ",", "cd"}));
    EXPECT_EQ(Tokens(custom, "xaxbx ,c;d"), (PropertyList{"ab ", "", ",", "c"}));
    EXPECT_EQ(Tokens(custom, std::string("ab\0cd", 5)), (PropertyList{"ab"}));
    const CQITokenizer dropping(" ", false, "", "", ",", false, false);
    EXPECT_EQ(Tokens(dropping, "a b ,, c"), (PropertyList{"ab", ",", ",", "c"}));
}

TEST(PropertyList, QuotedTextWithDelimitersIsJoinedAgain)
{
    EXPECT_EQ(Properties("Display.Colors(Background=1,Title=\"My (old) session\")"),
              (PropertyList{"Display.Colors", "Background", "1", "Title", "\"My (old) session\""}));
    EXPECT_EQ(Properties("A(Value=\"a,b\",X=1)"), (PropertyList{"A", "Value", "\"a,b\"", "X", "1"}));
    EXPECT_EQ(Properties("A(Value=\"f(x)=1\")"), (PropertyList{"A", "Value", "\"f(x)=1\""}));
    EXPECT_EQ(Properties("A(Value=\"x\")"), (PropertyList{"A", "Value", "\"x\""}));
    // A lone quote both begins and ends with a quote: it is the whole value, and the text after the
    // delimiter becomes the next property.
    EXPECT_EQ(Properties("Display(Value=\",Lines=30\")"),
              (PropertyList{"Display", "Value", "\"", "Lines", "30\""}));
}

TEST(PropertyList, StatementsWithoutGroup)
{
    EXPECT_EQ(Properties("SystemMenu=SystemMenu,Item=\"Close\""),
              (PropertyList{"SystemMenu", "SystemMenu", "Item", "\"Close\""}));
    EXPECT_EQ(Properties("StatusBar=True"), (PropertyList{"StatusBar", "True"}));
}

TEST(PropertyList, MissingValuesAndUnclosedQuotesStayInsideTheTokens)
{
    EXPECT_EQ(Properties("A(B=1,C=)"), (PropertyList{"A", "B", "1", "C", ""}));
    EXPECT_EQ(Properties("A(B=1,C)"), (PropertyList{"A", "B", "1,C"})); // no "=": C is part of B's value
    EXPECT_EQ(Properties("A(B=)"), (PropertyList{"A", "B", ""}));
    EXPECT_EQ(Properties("A(Value=\"open,X=1)"), (PropertyList{"A", "Value", "\"open,X=1"}));
    // An unquoted Value keeps its text like any other key.
    EXPECT_EQ(Properties("A(Value=plain,X=1)"), (PropertyList{"A", "Value", "plain", "X", "1"}));
}

TEST(PropertyList, LongTokensAndManyProperties)
{
    const std::string big(5000, 'x');
    EXPECT_EQ(Properties("A(B=" + big + ")"), (PropertyList{"A", "B", big}));
    std::string statement = "A(";
    for (int i = 0; i < 500; ++i)
        statement += (i ? "," : "") + std::string("K") + std::to_string(i) + "=" + std::to_string(i);
    const PropertyList properties = Properties(statement + ")");
    ASSERT_EQ(properties.size(), 1001u);
    EXPECT_EQ(properties[999], "K499");
    EXPECT_EQ(properties[1000], "499");
}

} // namespace
