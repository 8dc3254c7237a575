#pragma once
// The TORQA! QuickPad file (".tqp"): its fields, the writer that lays them out, and the reader and
// the text dump that read them back (qtcm inspect and qtcm preview use those).
#include "formats/ReadResult.h"
#include "formats/Rect16.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

// Positions and sizes are in 1/288 inch.
struct QuickPadButton {
    std::uint16_t actionId = 0;
    std::uint16_t textColour = 0; // palette index
    std::string value;            // the action text
    Rect16 place;
    std::string caption;
};

struct QuickPad {
    int marginX = 0, marginY = 0;
    int width = 0, height = 0;
    std::uint16_t background = 0; // palette index
    std::string name;             // the pad file's own name, without folder and extension
    std::vector<QuickPadButton> buttons;
};

std::string QuickPadBytes(const QuickPad& pad);
ReadResult ReadQuickPad(std::string_view bytes, QuickPad& pad);
// Every field as text.
ReadResult DumpQuickPad(std::string_view bytes, std::string& text);

} // namespace formats
