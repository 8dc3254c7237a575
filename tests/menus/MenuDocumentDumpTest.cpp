// qtcm inspect's reader of custom menu documents: the tree it shows, and the documents it refuses.
#include "menus/MenuDocumentDump.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string Dump(const std::string& document)
{
    std::string text, error;
    EXPECT_TRUE(DumpMenuDocument(document, text, error)) << error;
    return text;
}

std::string Refusal(const std::string& document)
{
    std::string text = "left over", error;
    EXPECT_FALSE(DumpMenuDocument(document, text, error)) << document;
    EXPECT_EQ(text, "");
    return error;
}

TEST(MenuDocumentDump, TreeWithDecodedValues)
{
    EXPECT_EQ(Dump("<CustomMenu Version=\"1\" ><Menu><Command Caption=\"&amp;Copy\tC&#233;&quot;\\\" Hidden=\"x\"  />"
                   "<Separator  /></Menu><SystemMenu Close=\"False\"  /></CustomMenu>"),
              "CustomMenu  Version=\"1\"\n"
              "  Menu\n"
              "    Command  Caption=\"&Copy\\tC\\xE9\\\"\\\\\"  Hidden=\"x\"\n"
              "    Separator\n"
              "  SystemMenu  Close=\"False\"\n");
}

// The converter writes a key sequence's key names, and separator, system-menu and macro file
// values, without escaping them: such values are shown as they stand.
TEST(MenuDocumentDump, ValuesWrittenUnescaped)
{
    EXPECT_EQ(Dump("<CustomMenu ><Menu><Sequence Value=\"<F5>PAY&amp;RUN\" Caption=\"&amp;Run\"  />"
                   "<Separator Caption=\"Tom & Jerry &nbsp; &#0; &#65\"  /></Menu>"
                   "<SystemMenu Close=\"a&b;\"  /></CustomMenu>"),
              "CustomMenu\n"
              "  Menu\n"
              "    Sequence  Value=\"<F5>PAY&RUN\"  Caption=\"&Run\"\n"
              "    Separator  Caption=\"Tom & Jerry &nbsp; &#0; &#65\"\n"
              "  SystemMenu  Close=\"a&b;\"\n");
}

TEST(MenuDocumentDump, TheHandWrittenMenusDocumentIsShownWhole)
{
    const std::string text =
        Dump(testing_support::ReadFile(std::string(QTCM_TESTDATA_DIR) + "/golden/menus/MENUS.cmu.expected"));
    EXPECT_NE(text.find("\n    Sequence  Caption=\"&Run Payroll\"  Value=\"<F5>PAYRUN\"  Hidden="), std::string::npos)
        << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 14); // the root, Menu, 11 entries, SystemMenu
}

// Elements nested deeper than anyone reads by eye are shown with their depth, so the text stays
// about the size of the document however deep it goes.
TEST(MenuDocumentDump, DeeplyNestedElements)
{
    constexpr std::size_t kDepth = 20000;
    std::string document;
    for (std::size_t i = 0; i < kDepth; ++i)
        document += "<a>";
    for (std::size_t i = 0; i < kDepth; ++i)
        document += "</a>";
    const std::string text = Dump(document);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(kDepth));
    EXPECT_LT(text.size(), 100 * kDepth);
    EXPECT_NE(text.find("\n" + std::string(64, ' ') + "a\n"), std::string::npos);          // depth 32
    EXPECT_NE(text.find("\n" + std::string(64, ' ') + "[33] a\n"), std::string::npos);     // depth 33
    EXPECT_NE(text.find("\n" + std::string(64, ' ') + "[19999] a\n"), std::string::npos); // the innermost
    EXPECT_EQ(Refusal(document.substr(0, document.size() - 4)),
              "byte " + std::to_string(7 * kDepth - 4) + ": the document ends with <a> still open");
}

TEST(MenuDocumentDump, DocumentsThatAreNotWellFormed)
{
    EXPECT_EQ(Refusal(""), "no element");
    EXPECT_EQ(Refusal("<CustomMenu ><Menu></CustomMenu>"), "byte 32: </CustomMenu> closes <Menu>");
    EXPECT_EQ(Refusal("<CustomMenu ><Menu>"), "byte 19: the document ends with <Menu> still open");
    EXPECT_EQ(Refusal("<A x=\"1\"y=\"2\" />"), "byte 8: an attribute name expected in <A>");
    EXPECT_EQ(Refusal("<A x=\"1 />"), "byte 10: the document ends inside a value");
    EXPECT_EQ(Refusal("<A /><B />"), "byte 5: a second element after the document's end");
    EXPECT_EQ(Refusal("<A>text</A>"), "byte 3: text outside a tag");
    // An element written inside the system menu's start tag.
    EXPECT_EQ(Refusal("<SystemMenu Close=\"False\" <Command  /> />"),
              "byte 26: an attribute name expected in <SystemMenu>");
}

} // namespace
