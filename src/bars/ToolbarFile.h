#pragma once
// The TORQA! toolbar file (".ttb"): its fields, the writer that lays them out and the reader and
// dumper that read them back (qtcm inspect and qtcm preview use those).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace bars {

struct Rect16 {
    int top = 0, left = 0, bottom = 0, right = 0;
};

struct ToolbarButton {
    std::uint16_t actionId = 0;
    std::uint16_t textColour = 0; // palette index
    std::string value;            // the action text
    Rect16 small, large;          // pixels
    std::string tooltip;
    // The button's images from the four strips: small, small highlighted, large, large highlighted;
    // each a 4-bit device-independent bitmap (little-endian, as the platform lays it out).
    std::array<std::string, 4> images;
};

struct Toolbar {
    unsigned buttonCount = 0; // every button of the statement, converted or not
    unsigned itemSpace = 0;   // 26 per button and 6 per separator, plus 1
    std::string name;         // the toolbar file's own name, without folder and extension
    std::vector<ToolbarButton> buttons;
};

std::string ToolbarBytes(const Toolbar& toolbar);
// False with a message saying what is wrong and at which byte.
bool ReadToolbar(const std::string& bytes, Toolbar& toolbar, std::string& error);
// Every field as text, for qtcm inspect; images by their size and bit depth.
bool DumpToolbar(const std::string& bytes, std::string& text, std::string& error);

// Width, height and bits per pixel from the header of a device-independent bitmap.
bool DibGeometry(const std::string& dib, int& width, int& height, int& bitsPerPixel);

} // namespace bars
