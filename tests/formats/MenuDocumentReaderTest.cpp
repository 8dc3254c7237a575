// The custom menu document's reader and dump (qtcm inspect): the tree it shows, and the documents
// it refuses, with their status and byte.
#include "formats/MenuDocument.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using formats::ReadStatus;

std::string Dump(const std::string& document)
{
    std::string text;
    const formats::ReadResult result = formats::menu::DumpMenuDocument(document, text);
    EXPECT_TRUE(result) << result.Describe();
    return text;
}

formats::ReadResult Refusal(const std::string& document)
{
    std::string text = "left over";
    const formats::ReadResult result = formats::menu::DumpMenuDocument(document, text);
    EXPECT_FALSE(result) << document;
    EXPECT_EQ(text, "");
    return result;
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
    const formats::ReadResult open = Refusal(document.substr(0, document.size() - 4));
    EXPECT_EQ(open.status, ReadStatus::Truncated);
    EXPECT_EQ(open.offset, 7 * kDepth - 4);
}

TEST(MenuDocumentDump, DocumentsThatAreNotWellFormed)
{
    struct Row {
        const char* document;
        ReadStatus status;
        std::size_t offset;
    };
    const Row rows[] = {
        {"", ReadStatus::Truncated, 0},                                        // no element
        {"<CustomMenu ><Menu></CustomMenu>", ReadStatus::Malformed, 32},       // closes the wrong element
        {"<CustomMenu ><Menu>", ReadStatus::Truncated, 19},                    // still open
        {"<A x=\"1\"y=\"2\" />", ReadStatus::Malformed, 8},                  // attributes not apart
        {"<A x=\"1 />", ReadStatus::Truncated, 10},                            // inside a value
        {"<A /><B />", ReadStatus::Malformed, 5},                              // a second root
        {"<A>text</A>", ReadStatus::Malformed, 3},                             // text outside a tag
        {"<A x=1 />", ReadStatus::Malformed, 5},                               // an unquoted value
        {"<SystemMenu Close=\"False\" <Command  /> />", ReadStatus::Malformed, 26}, // an element in a tag
    };
    for (const Row& row : rows) {
        const formats::ReadResult result = Refusal(row.document);
        EXPECT_EQ(result.status, row.status) << row.document << ": " << result.Describe();
        EXPECT_EQ(result.offset, row.offset) << row.document << ": " << result.Describe();
    }
}

} // namespace
