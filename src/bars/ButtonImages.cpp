#include "bars/ButtonImages.h"

#include "platform/Bitmaps.h"

#include <map>
#include <tuple>

namespace bars {

namespace {

// Each image is cut from its strip once in a process: a toolbar's buttons, and a batch's toolbars,
// mostly show the same few images. Past this many different images the rest are cut each time.
constexpr std::size_t kKeptImages = 4096;

using ImageKey = std::tuple<int, long long, int, int>; // resource, left edge, width, height

std::string CutImage(const ImageKey& key)
{
    const auto& [resourceId, left, width, height] = key;
    std::string dib;
    if (!platform::CropResourceToDib4(resourceId, left, width, height, dib))
        dib.assign(platform::Dib4Size(width, height), '\0');
    return dib;
}

} // namespace

std::string ButtonImage(long long n, const ButtonStrip& strip)
{
    // Far outside the strip every cell is the same black one; keep the position in range.
    constexpr long long kFar = 1LL << 30;
    const long long left = n < -kFar ? -kFar : n > kFar ? kFar : n * strip.cellWidth;
    const ImageKey key{strip.resourceId, left, strip.width, strip.height};
    static std::map<ImageKey, std::string> kept;
    if (const auto found = kept.find(key); found != kept.end())
        return found->second;
    std::string dib = CutImage(key);
    if (kept.size() < kKeptImages)
        kept.emplace(key, dib);
    return dib;
}

} // namespace bars
