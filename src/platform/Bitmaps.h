#pragma once
// Button images: one rectangle of a bitmap resource of the library, as a 4-bit device-independent
// bitmap laid out the way the platform lays one out: a 40-byte header, a palette of 16 four-byte
// entries, then the pixel rows bottom-up, each padded to a multiple of four bytes. Pixels outside
// the resource's bitmap are black.
#include <cstddef>
#include <string>

namespace platform {

// The size in bytes of such a bitmap of width x height pixels.
std::size_t Dib4Size(int width, int height);

// False when the resource is missing or cannot be converted; dib is then empty.
bool CropResourceToDib4(int resourceId, long long left, int width, int height, std::string& dib);

// The same conversion from the bytes of a BMP file (any bit depth the strips use: 4 or 8 bits
// with a palette, or 24 bits), without the platform: what the posix backend runs, and what the
// Windows tests compare with the platform's own conversion.
bool CropBmpToDib4(const std::string& bmp, long long left, int width, int height, std::string& dib);

} // namespace platform
