// The QuickPad and toolbar files: their writers against files laid out by hand, the readers and
// dumps (qtcm inspect), files cut short or of another kind, and the previews drawn from them.
#include "formats/BarPreview.h"
#include "formats/QuickPad.h"
#include "formats/Toolbar.h"
#include "support/HexBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace {

using formats::ReadStatus;

using testing_support::Be16;
using testing_support::Counted;
using testing_support::CountedZ;

// A pad of two buttons, 8 pixels wide and high at 96 per inch (24 file units), side by side.
std::string HandMadePad()
{
    std::string bytes = std::string("QPAD\x02\x00\x00", 7) + Be16(12) + Be16(12) + std::string("\x01\x00", 2) +
                        Be16(3) + Be16(90) + Be16(60) + "S\x02" + Be16(7) + Counted("Pad") + Counted("VRX3270");
    const char* captions[2] = {"One", "T\"wo"};
    for (int i = 0; i < 2; ++i)
        bytes += std::string("B\x03", 2) + Be16(i ? 0xE122 : 40000) + Be16(0) + std::string("\x00\x00S\x02", 4) +
                 Be16(0) + Counted(i ? "Copy" : "a\r") + "\x02" + Be16(12) + Be16(12 + 30 * i) + Be16(36) +
                 Be16(36 + 30 * i) + "\x01" + Be16(9) + Be16(0) + Be16(2) + CountedZ("Arial") + CountedZ(captions[i]) +
                 "\x02" + CountedZ("");
    return bytes;
}

std::string HandMadeToolbar()
{
    std::string bytes = std::string("QPAD\x01\x00\x00\x00\x00\x00\x00\x00\x00", 13) + Be16(1) + Be16(27) + Be16(30) +
                        std::string("\x00\xFF\xFF\xFF", 4) + Counted("Bar") + Counted("nx3270");
    bytes += std::string("N\x03", 2) + Be16(40010) + Be16(0) + std::string("\x00\x00S\x02", 4) + Be16(0) +
             Counted("m.tbm") + "\x01" + Be16(4) + Be16(8) + Be16(26) + Be16(32) + Be16(5) + Be16(10) + Be16(35) +
             Be16(42) + "\x02" + CountedZ("Run");
    // Image blocks with bitmaps of 1 x 1 pixel (header, palette, one padded row).
    std::string dib = std::string("\x28\x00\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00\x01\x00\x04\x00", 16);
    dib += std::string(24, '\0') + std::string(64, '\0') + std::string("\xF0\x00\x00\x00", 4);
    for (int i = 0; i < 4; ++i)
        bytes += std::string("\x01\x00\x01W\x00\x00\x00", 7) + static_cast<char>(dib.size()) + dib;
    return bytes;
}

formats::QuickPad ReadPad(const std::string& bytes)
{
    formats::QuickPad pad;
    const formats::ReadResult result = formats::ReadQuickPad(bytes, pad);
    EXPECT_TRUE(result) << result.Describe();
    return pad;
}

TEST(BarFiles, QuickPadWriterAndDump)
{
    // What the reader reads, the writer writes again byte for byte.
    EXPECT_EQ(formats::QuickPadBytes(ReadPad(HandMadePad())), HandMadePad());
    std::string text;
    ASSERT_TRUE(formats::DumpQuickPad(HandMadePad(), text));
    EXPECT_EQ(text, "QuickPad (QPAD version 2), 2 button(s); sizes in 1/288 inch\n"
                    "  margins     12 across, 12 down\n"
                    "  size        90 x 60\n"
                    "  background  palette index 7\n"
                    "  name        \"Pad\"\n"
                    "  label       \"VRX3270\"\n"
                    "button 1\n"
                    "  caption     \"One\"\n"
                    "  rectangle   top 12, left 12, bottom 36, right 36\n"
                    "  action      40000\n"
                    "  text        \"a\\r\"\n"
                    "  colour      palette index 0\n"
                    "  font        \"Arial\" 9\n"
                    "button 2\n"
                    "  caption     \"T\\\"wo\"\n"
                    "  rectangle   top 12, left 42, bottom 36, right 66\n"
                    "  action      57634\n"
                    "  text        \"Copy\"\n"
                    "  colour      palette index 0\n"
                    "  font        \"Arial\" 9\n");
}

TEST(BarFiles, ToolbarWriterAndDump)
{
    formats::Toolbar toolbar;
    ASSERT_TRUE(formats::ReadToolbar(HandMadeToolbar(), toolbar));
    EXPECT_EQ(formats::ToolbarBytes(toolbar), HandMadeToolbar());
    std::string text;
    ASSERT_TRUE(formats::DumpToolbar(HandMadeToolbar(), text));
    EXPECT_NE(text.find("  tooltip     \"Run\"\n  small       top 4, left 8, bottom 26, right 32\n"
                        "  large       top 5, left 10, bottom 35, right 42\n  action      40010\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  image 4     1 x 1, 4 bits, 108 bytes (large, highlighted)\n"), std::string::npos) << text;
}

TEST(BarFiles, FilesThatAreNotBars)
{
    using Reader = formats::ReadResult (*)(std::string_view, std::string&);
    const std::string pad = HandMadePad();
    const std::string toolbar = HandMadeToolbar();
    const std::size_t padHeaderEnd = 7 + 2 + 2 + 2 + 2 + 2 + 2 + 2 + 2 + 5 + 9;
    std::string badFont = pad, longImage = toolbar, grey = toolbar;
    badFont[padHeaderEnd + 37] = 'X';            // a letter of "Arial"
    longImage[toolbar.size() - 108 - 4] = 0x7F; // an image size past the end of the file
    grey[22] = '\xC0';                          // the background
    struct Row {
        const char* what;
        Reader read;
        std::string bytes;
        ReadStatus status;
        std::size_t offset;
    };
    const Row rows[] = {
        {"a toolbar read as a pad", &formats::DumpQuickPad, toolbar, ReadStatus::UnknownVersion, 4},
        {"a pad read as a toolbar", &formats::DumpToolbar, pad, ReadStatus::UnknownVersion, 4},
        {"a library", &formats::DumpQuickPad, "MZ\x90", ReadStatus::NotThisFormat, 0},
        {"nothing", &formats::DumpToolbar, "", ReadStatus::NotThisFormat, 0},
        {"another font", &formats::DumpQuickPad, badFont, ReadStatus::UnexpectedValue, padHeaderEnd + 32},
        {"an image past the end", &formats::DumpToolbar, longImage, ReadStatus::Truncated, toolbar.size() - 108},
        {"a grey toolbar", &formats::DumpToolbar, grey, ReadStatus::UnexpectedValue, 19},
    };
    for (const Row& row : rows) {
        std::string text = "left over";
        const formats::ReadResult result = row.read(row.bytes, text);
        EXPECT_EQ(result.status, row.status) << row.what << ": " << result.Describe();
        EXPECT_EQ(result.offset, row.offset) << row.what << ": " << result.Describe();
        EXPECT_EQ(text, "") << row.what;
    }
}

TEST(BarFiles, EveryCutIsTruncatedExceptAtABlockEnd)
{
    struct Row {
        formats::ReadResult (*read)(std::string_view, std::string&);
        std::string bytes;
        std::vector<std::size_t> whole; // sizes that end after a block
    };
    const std::size_t padHeaderEnd = 7 + 2 + 2 + 2 + 2 + 2 + 2 + 2 + 2 + 5 + 9;
    const Row rows[] = {
        {&formats::DumpQuickPad, HandMadePad(), {padHeaderEnd, padHeaderEnd + 50}},
        {&formats::DumpToolbar, HandMadeToolbar(), {36}},
    };
    for (const Row& row : rows)
        for (std::size_t cut = 4; cut < row.bytes.size(); ++cut) {
            std::string text;
            const formats::ReadResult result = row.read(row.bytes.substr(0, cut), text);
            const bool whole = std::find(row.whole.begin(), row.whole.end(), cut) != row.whole.end();
            EXPECT_EQ(result.status, whole ? ReadStatus::Ok : ReadStatus::Truncated) << cut << ": " << result.Describe();
            EXPECT_LE(result.offset, cut);
        }
}

struct SvgRect {
    double x, y, width, height;
};

std::vector<SvgRect> Rects(const std::string& svg, const std::string& cls)
{
    std::vector<SvgRect> out;
    const std::regex rect("<rect class=\"" + cls +
                          "\" x=\"([-0-9.]+)\" y=\"([-0-9.]+)\" width=\"([-0-9.]+)\" height=\"([-0-9.]+)\"");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), rect); it != std::sregex_iterator(); ++it)
        out.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), std::stod((*it)[4])});
    return out;
}

TEST(BarFiles, PreviewsPlaceEveryButton)
{
    std::string svg;
    ASSERT_TRUE(formats::QuickPadPreview(HandMadePad(), svg));
    const std::vector<SvgRect> buttons = Rects(svg, "button");
    ASSERT_EQ(buttons.size(), 2u);
    // File units of 1/288 inch drawn at 96 pixels per inch.
    EXPECT_DOUBLE_EQ(buttons[0].x, 4);
    EXPECT_DOUBLE_EQ(buttons[1].x, 14);
    EXPECT_DOUBLE_EQ(buttons[1].y, 4);
    EXPECT_DOUBLE_EQ(buttons[1].width, 8);
    EXPECT_NE(svg.find(">T&quot;wo</text>"), std::string::npos);

    ASSERT_TRUE(formats::ToolbarPreview(HandMadeToolbar(), svg));
    const std::vector<SvgRect> tools = Rects(svg, "button");
    ASSERT_EQ(tools.size(), 1u);
    EXPECT_DOUBLE_EQ(tools[0].x, 8);
    EXPECT_DOUBLE_EQ(tools[0].width, 24);
    EXPECT_EQ(Rects(svg, "large-button").size(), 1u);
    EXPECT_NE(svg.find("href=\"data:image/bmp;base64,Qk"), std::string::npos); // "BM"
    EXPECT_NE(svg.find("<title>Run</title>"), std::string::npos);

    // A long value widens the drawing so that its legend is not cut; a carriage return shows as ^M.
    formats::Toolbar toolbar;
    ASSERT_TRUE(formats::ReadToolbar(HandMadeToolbar(), toolbar));
    toolbar.buttons[0].value = std::string(200, 'x') + "\r";
    ASSERT_TRUE(formats::ToolbarPreview(formats::ToolbarBytes(toolbar), svg));
    EXPECT_NE(svg.find(std::string(200, 'x') + "^M</text>"), std::string::npos);
    const std::regex widthOf("<svg [^>]*width=\"([0-9.]+)\"");
    std::smatch width;
    ASSERT_TRUE(std::regex_search(svg, width, widthOf));
    EXPECT_GE(std::stod(width[1]), 32 + 7 * 220.0);

    EXPECT_EQ(formats::ToolbarPreview(HandMadePad(), svg).status, ReadStatus::UnknownVersion);
    EXPECT_EQ(svg, "");
}

} // namespace
