#pragma once
// The TORQA! toolbar file (".ttb"): its fields, the writer that lays them out, and the reader and
// the text dump that read them back (qtcm inspect and qtcm preview use those).
#include "formats/ReadResult.h"
#include "formats/Rect16.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

struct ToolbarButton {
    std::uint16_t actionId = 0;
    std::uint16_t textColour = 0; // palette index
    std::string value;            // the action text
    Rect16 small, large; // pixels
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
ReadResult ReadToolbar(std::string_view bytes, Toolbar& toolbar);
// Every field as text; images by their size and bit depth.
ReadResult DumpToolbar(std::string_view bytes, std::string& text);

// Width, height and bits per pixel from the header of a device-independent bitmap.
bool DibGeometry(std::string_view dib, int& width, int& height, int& bitsPerPixel);

} // namespace formats
