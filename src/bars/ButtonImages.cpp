#include "bars/ButtonImages.h"

#include "platform/Bitmaps.h"

namespace bars {

std::string ButtonImage(long long n, const ButtonStrip& strip)
{
    std::string dib;
    // Far outside the strip every cell is the same black one; keep the position in range.
    constexpr long long kFar = 1LL << 30;
    const long long left = n < -kFar ? -kFar : n > kFar ? kFar : n * strip.cellWidth;
    if (!platform::CropResourceToDib4(strip.resourceId, left, strip.width, strip.height, dib))
        dib.assign(platform::Dib4Size(strip.width, strip.height), '\0');
    return dib;
}

} // namespace bars
