#include "platform/Bitmaps.h"

#include "platform/posix/EmbeddedBitmaps.h"

namespace platform {

bool CropResourceToDib4(int resourceId, long long left, int width, int height, std::string& dib)
{
    dib.clear();
    const std::string* bmp = EmbeddedBitmap(resourceId);
    return bmp && CropBmpToDib4(*bmp, left, width, height, dib);
}

} // namespace platform
