// qtcm inspect's reader of custom menu documents: the tree it shows, and the documents it refuses.
#include "menus/MenuDocumentDump.h"

#include <gtest/gtest.h>

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

TEST(MenuDocumentDump, DocumentsThatAreNotWellFormed)
{
    EXPECT_EQ(Refusal(""), "no element");
    EXPECT_EQ(Refusal("<CustomMenu ><Menu></CustomMenu>"), "byte 32: </CustomMenu> closes <Menu>");
    EXPECT_EQ(Refusal("<CustomMenu ><Menu>"), "byte 19: the document ends with <Menu> still open");
    EXPECT_EQ(Refusal("<A x=\"1\"y=\"2\" />"), "byte 8: an attribute name expected in <A>");
    EXPECT_EQ(Refusal("<A x=\"a<b\" />"), "byte 7: '<' inside a value");
    EXPECT_EQ(Refusal("<A x=\"&nbsp;\" />"), "byte 6: unknown reference &nbsp;");
    EXPECT_EQ(Refusal("<A x=\"&#0;\" />"), "byte 6: unknown reference &#0;");
    EXPECT_EQ(Refusal("<A x=\"1 />"), "byte 10: the document ends inside a value");
    EXPECT_EQ(Refusal("<A /><B />"), "byte 5: a second element after the document's end");
    EXPECT_EQ(Refusal("<A>text</A>"), "byte 3: text outside a tag");
    // An element written inside the system menu's start tag.
    EXPECT_EQ(Refusal("<SystemMenu Close=\"False\" <Command  /> />"),
              "byte 26: an attribute name expected in <SystemMenu>");
}

} // namespace
