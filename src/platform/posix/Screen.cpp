#include "platform/Screen.h"

// Without a window system the metrics are those of a common Windows desktop: a screen of 96 pixels
// per inch on both axes, a border of one pixel, and Arial of cell height 9 drawn 8 pixels wide per
// "W" (its widest letter, the one the converters measure) and 9 pixels high. So a button ten
// characters wide comes out 88 x 20 pixels, as it does on such a desktop.
namespace {
constexpr int kPixelsPerInch = 96;
constexpr int kBorderWidth = 1;
constexpr int kLetterWidth = 8;
constexpr int kTextHeight = 9;
} // namespace

namespace platform {

bool MeasureText(const FontSpec&, const std::string& text, TextExtent& extent)
{
    extent.cx = static_cast<int>(text.size()) * kLetterWidth;
    extent.cy = kTextHeight;
    return true;
}

int ScreenPixelsPerInch(bool) { return kPixelsPerInch; }

int BorderWidth() { return kBorderWidth; }

} // namespace platform
