#pragma once
// The toolbar's four button image strips, built into the library as bitmap resources: each a row of
// 158 images, of which a button's image number picks the cell.
#include <string>

namespace bars {

struct ButtonStrip {
    int resourceId;
    int cellWidth;   // pixels from one image's left edge to the next one's
    int width;       // the part of a cell copied into the file
    int height;
    int stripWidth;  // the whole strip
    int stripHeight;
};

constexpr int kImagesPerStrip = 158;

// In the order the file holds a button's images: small, small highlighted, large, large highlighted.
constexpr ButtonStrip kButtonStrips[4] = {
    {130, 16, 16, 15, 2529, 16},
    {133, 16, 16, 15, 2529, 16},
    {131, 24, 24, 23, 3792, 24},
    {132, 24, 24, 23, 3792, 24},
};

// Image n of a strip as a 4-bit device-independent bitmap; an image number outside the strip gives
// what lies there (black past the strip's end). When the platform cannot make the bitmap, the
// bytes are zeros of the right size, so the file's layout stays intact.
std::string ButtonImage(long long n, const ButtonStrip& strip);

} // namespace bars
