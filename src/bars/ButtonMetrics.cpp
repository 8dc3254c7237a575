#include "bars/ButtonMetrics.h"

#include "platform/Screen.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// A button wider than this many letters is measured as this wide, so that the measured text stays
// a reasonable size. Up to it a button is measured as wide as the statement asks; positions past
// the file's 16-bit fields wrap there.
constexpr int kMaxButtonChars = 65535;

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = (c < 0 ? -c : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -c : c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

} // namespace

void MeasureButton(const platform::FontSpec& font, platform::TextExtent& size, int widthInChars)
{
    const std::string text(static_cast<std::size_t>(std::clamp(widthInChars, 0, kMaxButtonChars)), 'W');
    platform::TextExtent extent;
    if (!platform::MeasureText(font, text, extent))
        extent = {};
    const int border = platform::BorderWidth();
    size.cx = extent.cx + 8 * border;
    size.cy = MulDiv(extent.cy, platform::ScreenPixelsPerInch(false), 72) + 8 * border;
}

int ScalePixels(int pixels, bool horizontal)
{
    const int perInch = platform::ScreenPixelsPerInch(horizontal);
    if (perInch <= 0)
        return 0;
    // Single precision, truncated toward zero: the numbers the files have always held.
    const float inches = static_cast<float>(pixels) / static_cast<float>(perInch);
    const float units = inches * 288.0f;
    // A result past the integer range (a pad millions of pixels wide) is the processor's
    // "indefinite" integer, the smallest one, rather than undefined behaviour.
    if (!(units > -2147483648.0f && units < 2147483648.0f))
        return std::numeric_limits<int>::min();
    return static_cast<int>(units);
}
