#pragma once
// The BMP files built into the library as its bitmap resources (generated at build time from the
// files under src/bars/images).
#include <string>

namespace platform {

// The bytes of the BMP file built in under resourceId, or null.
const std::string* EmbeddedBitmap(int resourceId);

} // namespace platform
