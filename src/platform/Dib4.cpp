#include "platform/Bitmaps.h"

#include "formats/Bytes.h"

#include <array>
#include <cstdint>
#include <vector>

namespace platform {

namespace {

struct Rgb {
    unsigned char r, g, b;
};

// The palette the platform gives a 4-bit bitmap made from a screen image: the 16 colours of the
// standard palette in the platform's order (grey before light grey).
constexpr std::array<Rgb, 16> kStandardPalette = {{
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0x80, 0x80, 0x80},
    {0xC0, 0xC0, 0xC0}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
}};

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;

// The palette entry nearest to a colour (the first of equally near ones), as the platform matches.
unsigned NearestIndex(const Rgb& c)
{
    unsigned best = 0;
    long bestDistance = -1;
    for (unsigned i = 0; i < kStandardPalette.size(); ++i) {
        const Rgb& p = kStandardPalette[i];
        const long dr = c.r - p.r, dg = c.g - p.g, db = c.b - p.b;
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// A BMP file read far enough to give each pixel's colour; every offset is checked against the size.
class BmpImage {
public:
    bool Load(const std::string& bmp)
    {
        formats::ByteReader in(bmp, formats::ByteOrder::Little);
        std::uint32_t pixelsAt = 0, headerSize = 0, width = 0, height = 0, compression = 0, used = 0;
        unsigned planes = 0;
        if (!in.ExpectMagic("BM") || !in.Skip(8) || !in.U32(pixelsAt) || !in.U32(headerSize) || !in.U32(width) ||
            !in.U32(height) || !in.U16(planes) || !in.U16(m_bits) || !in.U32(compression) || !in.Skip(12) ||
            !in.U32(used))
            return false;
        const auto signedWidth = static_cast<std::int32_t>(width);
        const auto signedHeight = static_cast<std::int32_t>(height);
        if (headerSize < kInfoHeader || headerSize > bmp.size() || compression != 0 || signedWidth <= 0 ||
            signedHeight == 0 || signedWidth > 1 << 16 || signedHeight > 1 << 16 || signedHeight < -(1 << 16))
            return false;
        if (m_bits != 4 && m_bits != 8 && m_bits != 24)
            return false;
        m_width = signedWidth;
        m_bottomUp = signedHeight > 0;
        m_height = signedHeight > 0 ? signedHeight : -signedHeight;
        m_stride = (static_cast<std::size_t>(m_width) * m_bits + 31) / 32 * 4;
        if (m_bits <= 8) {
            if (used == 0 || used > (1u << m_bits))
                used = 1u << m_bits;
            if (!in.Seek(kFileHeader + headerSize) || !in.Has(in.Offset(), used * 4ull))
                return false;
            m_palette.resize(used);
            for (Rgb& colour : m_palette) {
                unsigned blue = 0, green = 0, red = 0;
                in.U8(blue);
                in.U8(green);
                in.U8(red);
                in.Skip(1);
                colour = {static_cast<unsigned char>(red), static_cast<unsigned char>(green),
                          static_cast<unsigned char>(blue)};
            }
        }
        m_pixelsAt = pixelsAt;
        // In 64 bits: a 32-bit size_t could wrap on a forged width and height.
        const unsigned long long pixelBytes = static_cast<unsigned long long>(m_stride) * static_cast<unsigned long long>(m_height);
        if (!in.Has(m_pixelsAt, pixelBytes))
            return false;
        m_bmp = &bmp;
        return true;
    }

    // The colour at (x, y), y counted from the top; black outside the image.
    Rgb At(long long x, long long y) const
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return {0, 0, 0};
        const long long row = m_bottomUp ? m_height - 1 - y : y;
        const std::size_t at = m_pixelsAt + static_cast<std::size_t>(row) * m_stride;
        const std::string& b = *m_bmp;
        if (m_bits == 24) {
            const std::size_t p = at + static_cast<std::size_t>(x) * 3;
            return {static_cast<unsigned char>(b[p + 2]), static_cast<unsigned char>(b[p + 1]),
                    static_cast<unsigned char>(b[p])};
        }
        unsigned index = 0;
        if (m_bits == 8) {
            index = static_cast<unsigned char>(b[at + static_cast<std::size_t>(x)]);
        } else {
            const auto byte = static_cast<unsigned char>(b[at + static_cast<std::size_t>(x / 2)]);
            index = x % 2 ? byte & 0x0F : byte >> 4;
        }
        return index < m_palette.size() ? m_palette[index] : Rgb{0, 0, 0};
    }

private:
    const std::string* m_bmp = nullptr;
    std::vector<Rgb> m_palette;
    long long m_width = 0, m_height = 0;
    unsigned m_bits = 0;
    bool m_bottomUp = true;
    std::size_t m_stride = 0;
    std::size_t m_pixelsAt = 0;
};

} // namespace

std::size_t Dib4Size(int width, int height)
{
    if (width <= 0 || height <= 0)
        return 0;
    return (static_cast<std::size_t>(width) * 4 + 31) / 32 * 4 * static_cast<std::size_t>(height) + kInfoHeader +
           kStandardPalette.size() * 4;
}

bool CropBmpToDib4(const std::string& bmp, long long left, int width, int height, std::string& dib)
{
    dib.clear();
    BmpImage image;
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096 || !image.Load(bmp))
        return false;
    const std::size_t stride = (static_cast<std::size_t>(width) * 4 + 31) / 32 * 4;
    // The header as the platform fills it for a 4-bit conversion: the image size is set, the
    // resolution and colour counts stay 0.
    formats::ByteWriter out(formats::ByteOrder::Little);
    out.U32(kInfoHeader);
    out.U32(static_cast<std::uint32_t>(width));
    out.U32(static_cast<std::uint32_t>(height));
    out.U16(1);
    out.U16(4);
    out.U32(0);
    out.U32(static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height)));
    for (int i = 0; i < 4; ++i)
        out.U32(0);
    for (const Rgb& c : kStandardPalette) {
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const unsigned index = NearestIndex(image.At(left + x, y));
            row[static_cast<std::size_t>(x / 2)] = static_cast<char>(
                static_cast<unsigned char>(row[static_cast<std::size_t>(x / 2)]) | (x % 2 ? index : index << 4));
        }
        out.Bytes(row);
    }
    dib = out.Take();
    return true;
}

} // namespace platform
