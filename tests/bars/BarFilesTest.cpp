// The readers of the QuickPad and toolbar files (qtcm inspect) and the previews drawn from them:
// files made by hand, files cut short or of another kind, and the SVG read back.
#include "bars/BarPreview.h"
#include "bars/QuickPadFile.h"
#include "bars/ToolbarFile.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

std::string Be16(unsigned v) { return {static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)}; }
std::string Counted(const std::string& text) { return Be16(static_cast<unsigned>(text.size())) + text; }
std::string CountedZ(const std::string& text) { return Counted(text + '\0'); }

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

TEST(BarFiles, QuickPadDumpShowsEveryField)
{
    std::string text, error;
    ASSERT_TRUE(bars::DumpQuickPad(HandMadePad(), text, error)) << error;
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

TEST(BarFiles, ToolbarDumpShowsImagesBySize)
{
    std::string text, error;
    ASSERT_TRUE(bars::DumpToolbar(HandMadeToolbar(), text, error)) << error;
    EXPECT_NE(text.find("  tooltip     \"Run\"\n  small       top 4, left 8, bottom 26, right 32\n"
                        "  large       top 5, left 10, bottom 35, right 42\n  action      40010\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  image 4     1 x 1, 4 bits, 108 bytes (large, highlighted)\n"), std::string::npos) << text;
}

TEST(BarFiles, CutShortOrForeignFilesAreRefusedWithAPlace)
{
    const std::string pad = HandMadePad();
    const std::size_t headerEnd = 7 + 2 + 2 + 2 + 2 + 2 + 2 + 2 + 2 + 5 + 9;
    std::string text, error;
    for (std::size_t cut = 1; cut < pad.size(); ++cut) {
        const bool boundary = cut == headerEnd || cut == headerEnd + 50; // after the header, after button 1
        const bool read = bars::DumpQuickPad(pad.substr(0, cut), text, error);
        EXPECT_EQ(read, boundary) << cut;
        if (!read) {
            EXPECT_EQ(error.rfind("at byte ", 0), 0u) << error;
        }
    }
    const std::string toolbar = HandMadeToolbar();
    for (std::size_t cut = 1; cut < toolbar.size(); ++cut)
        EXPECT_EQ(bars::DumpToolbar(toolbar.substr(0, cut), text, error), cut == 36u) << cut;

    // Each reader refuses the other's file, and a changed constant is named.
    EXPECT_FALSE(bars::DumpToolbar(pad, text, error));
    EXPECT_EQ(error, "at byte 4: the version (1 for a toolbar) should be 1, not 2");
    EXPECT_FALSE(bars::DumpQuickPad(toolbar, text, error));
    std::string badFont = pad;
    badFont[headerEnd + 37] = 'X'; // a letter of "Arial"
    EXPECT_FALSE(bars::DumpQuickPad(badFont, text, error));
    EXPECT_NE(error.find("Arial"), std::string::npos) << error;
    EXPECT_FALSE(bars::DumpQuickPad("MZ\x90", text, error));
    EXPECT_FALSE(bars::DumpQuickPad("", text, error));
    // An image count past the end of the file.
    std::string longImage = toolbar;
    longImage[toolbar.size() - 108 - 4] = 0x7F;
    EXPECT_FALSE(bars::DumpToolbar(longImage, text, error));
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
    std::string svg, error;
    ASSERT_TRUE(bars::PreviewSvg(".TQP", HandMadePad(), svg, error)) << error;
    const std::vector<SvgRect> buttons = Rects(svg, "button");
    ASSERT_EQ(buttons.size(), 2u);
    // File units of 1/288 inch drawn at 96 pixels per inch.
    EXPECT_DOUBLE_EQ(buttons[0].x, 4);
    EXPECT_DOUBLE_EQ(buttons[1].x, 14);
    EXPECT_DOUBLE_EQ(buttons[1].y, 4);
    EXPECT_DOUBLE_EQ(buttons[1].width, 8);
    EXPECT_NE(svg.find(">T&quot;wo</text>"), std::string::npos);

    ASSERT_TRUE(bars::PreviewSvg(".ttb", HandMadeToolbar(), svg, error)) << error;
    const std::vector<SvgRect> tools = Rects(svg, "button");
    ASSERT_EQ(tools.size(), 1u);
    EXPECT_DOUBLE_EQ(tools[0].x, 8);
    EXPECT_DOUBLE_EQ(tools[0].width, 24);
    EXPECT_EQ(Rects(svg, "large-button").size(), 1u);
    EXPECT_NE(svg.find("href=\"data:image/bmp;base64,Qk"), std::string::npos); // "BM"
    EXPECT_NE(svg.find("<title>Run</title>"), std::string::npos);

    EXPECT_FALSE(bars::PreviewSvg(".tkm", HandMadePad(), svg, error));
    EXPECT_FALSE(bars::PreviewSvg(".ttb", HandMadePad(), svg, error));
}

} // namespace
