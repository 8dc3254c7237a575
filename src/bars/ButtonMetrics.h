#pragma once
// The sizes of bar buttons: a button measured from its font, and screen pixels in the bar files'
// unit, 1/288 inch.
namespace platform {
struct FontSpec;
struct TextExtent;
} // namespace platform

// The size in screen pixels of a button that holds widthInChars letters "W" of font, with its borders.
void MeasureButton(const platform::FontSpec& font, platform::TextExtent& size, int widthInChars);
// Screen pixels on one axis in 1/288 inch.
int ScalePixels(int pixels, bool horizontal);
