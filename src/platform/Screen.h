#pragma once
// What the button converters need to know about the screen: how large a text is in a font, how
// many pixels make an inch, and how wide a window border is.
#include <string>

namespace platform {

// A font as the converters describe it; the fields follow the logical font of the platform.
struct FontSpec {
    std::string face;
    int height = 0;      // cell height in logical units of the screen
    int weight = 400;
    int charSet = 1;     // default character set
    int pitchAndFamily = 0;
};

struct TextExtent {
    int cx = 0;
    int cy = 0;
};

// The width and height in pixels of text drawn in font; false when it cannot be measured.
bool MeasureText(const FontSpec& font, const std::string& text, TextExtent& extent);
// Pixels per inch of the screen across (horizontal) and down (vertical).
int ScreenPixelsPerInch(bool horizontal);
// The width of a window border, in pixels.
int BorderWidth();

} // namespace platform
