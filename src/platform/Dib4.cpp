#include "platform/Bitmaps.h"

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

std::uint32_t Le32(const std::string& b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
unsigned Le16(const std::string& b, std::size_t at)
{
    return static_cast<unsigned>(static_cast<unsigned char>(b[at])) |
           static_cast<unsigned>(static_cast<unsigned char>(b[at + 1])) << 8;
}
void PutLe32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void PutLe16(std::string& out, unsigned v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

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
        if (bmp.size() < kFileHeader + kInfoHeader || bmp[0] != 'B' || bmp[1] != 'M')
            return false;
        const std::uint32_t headerSize = Le32(bmp, kFileHeader);
        const auto width = static_cast<std::int32_t>(Le32(bmp, kFileHeader + 4));
        const auto height = static_cast<std::int32_t>(Le32(bmp, kFileHeader + 8));
        m_bits = Le16(bmp, kFileHeader + 14);
        if (headerSize < kInfoHeader || headerSize > bmp.size() || Le32(bmp, kFileHeader + 16) != 0 || width <= 0 ||
            height == 0 ||
            width > 1 << 16 || height > 1 << 16 || height < -(1 << 16))
            return false;
        if (m_bits != 4 && m_bits != 8 && m_bits != 24)
            return false;
        m_width = width;
        m_bottomUp = height > 0;
        m_height = height > 0 ? height : -height;
        m_stride = (static_cast<std::size_t>(m_width) * m_bits + 31) / 32 * 4;
        const std::size_t paletteAt = kFileHeader + headerSize;
        if (m_bits <= 8) {
            std::uint32_t used = Le32(bmp, kFileHeader + 32);
            if (used == 0 || used > (1u << m_bits))
                used = 1u << m_bits;
            if (paletteAt + used * 4 > bmp.size())
                return false;
            m_palette.resize(used);
            for (std::uint32_t i = 0; i < used; ++i)
                m_palette[i] = {static_cast<unsigned char>(bmp[paletteAt + i * 4 + 2]),
                                static_cast<unsigned char>(bmp[paletteAt + i * 4 + 1]),
                                static_cast<unsigned char>(bmp[paletteAt + i * 4])};
        }
        m_pixelsAt = Le32(bmp, 10);
        // In 64 bits: a 32-bit size_t could wrap on a forged width and height.
        const unsigned long long pixelBytes = static_cast<unsigned long long>(m_stride) * static_cast<unsigned long long>(m_height);
        if (m_pixelsAt > bmp.size() || bmp.size() - m_pixelsAt < pixelBytes)
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
    std::string out;
    out.reserve(Dib4Size(width, height));
    // The header as the platform fills it for a 4-bit conversion: the image size is set, the
    // resolution and colour counts stay 0.
    PutLe32(out, kInfoHeader);
    PutLe32(out, static_cast<std::uint32_t>(width));
    PutLe32(out, static_cast<std::uint32_t>(height));
    PutLe16(out, 1);
    PutLe16(out, 4);
    PutLe32(out, 0);
    PutLe32(out, static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height)));
    for (int i = 0; i < 4; ++i)
        PutLe32(out, 0);
    for (const Rgb& c : kStandardPalette) {
        out.push_back(static_cast<char>(c.b));
        out.push_back(static_cast<char>(c.g));
        out.push_back(static_cast<char>(c.r));
        out.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const unsigned index = NearestIndex(image.At(left + x, y));
            row[static_cast<std::size_t>(x / 2)] = static_cast<char>(
                static_cast<unsigned char>(row[static_cast<std::size_t>(x / 2)]) | (x % 2 ? index : index << 4));
        }
        out += row;
    }
    dib = std::move(out);
    return true;
}

} // namespace platform
