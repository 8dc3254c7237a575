#pragma once
// The TORQA! QuickPad file (".tqp"): its fields, the writer that lays them out and the reader and
// dumper that read them back (qtcm inspect and qtcm preview use those).
#include <cstdint>
#include <string>
#include <vector>

namespace bars {

// Positions and sizes are in 1/288 inch.
struct QuickPadButton {
    std::uint16_t actionId = 0;
    std::uint16_t textColour = 0; // palette index
    std::string value;            // the action text
    int top = 0, left = 0, bottom = 0, right = 0;
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
// False with a message saying what is wrong and at which byte.
bool ReadQuickPad(const std::string& bytes, QuickPad& pad, std::string& error);
// Every field as text, for qtcm inspect.
bool DumpQuickPad(const std::string& bytes, std::string& text, std::string& error);

} // namespace bars
