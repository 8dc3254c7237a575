// Button images: the 4-bit bitmap layout, the crop out of a strip, hostile BMP input, and, on
// Windows, our own conversion against the platform's byte for byte.
#include "bars/ButtonImages.h"
#include "platform/Bitmaps.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using namespace testing_support;

std::string StripFile(int strip)
{
    return std::string(QTCM_STRIPS_DIR) + "/strip" + std::to_string(strip) + ".bmp";
}

std::uint32_t Le32(const std::string& b, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

// The palette index of pixel (x, y), y from the top, of a bottom-up 4-bit bitmap.
unsigned Pixel(const std::string& dib, int x, int y)
{
    const auto width = static_cast<int>(Le32(dib, 4)), height = static_cast<int>(Le32(dib, 8));
    const std::size_t stride = static_cast<std::size_t>((width * 4 + 31) / 32 * 4);
    const auto byte = static_cast<unsigned char>(dib[104 + static_cast<std::size_t>(height - 1 - y) * stride +
                                                     static_cast<std::size_t>(x / 2)]);
    return x % 2 ? byte & 0x0F : byte >> 4;
}

TEST(ButtonImage, LayoutOfASmallAndALargeImage)
{
    EXPECT_EQ(platform::Dib4Size(16, 15), 224u);
    EXPECT_EQ(platform::Dib4Size(24, 23), 380u);
    const std::string small = bars::ButtonImage(0, bars::kButtonStrips[0]);
    ASSERT_EQ(small.size(), 224u);
    EXPECT_EQ(Le32(small, 0), 40u);
    EXPECT_EQ(Le32(small, 4), 16u);
    EXPECT_EQ(Le32(small, 8), 15u);
    EXPECT_EQ(small.substr(12, 4), std::string("\x01\x00\x04\x00", 4));
    EXPECT_EQ(Le32(small, 16), 0u); // no compression
    // The standard palette: black first, dark blue (blue, green, red) fifth, white last.
    EXPECT_EQ(small.substr(40, 4), std::string(4, '\0'));
    EXPECT_EQ(small.substr(40 + 4 * 4, 4), std::string("\x80\x00\x00\x00", 4));
    EXPECT_EQ(small.substr(40 + 15 * 4, 4), std::string("\xFF\xFF\xFF\x00", 4));
    const std::string large = bars::ButtonImage(3, bars::kButtonStrips[2]);
    ASSERT_EQ(large.size(), 380u);
    EXPECT_EQ(Le32(large, 4), 24u);
    EXPECT_EQ(Le32(large, 8), 23u);
}

TEST(ButtonImage, CellIsTheFramedNumberWithoutTheSpareRow)
{
    // Strip 1 frames its images in dark blue (4) on light grey (8); strip 3 in dark red (1). The spare
    // bottom row of every strip is yellow (11) and must never be copied.
    const std::string image = bars::ButtonImage(1, bars::kButtonStrips[0]);
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(Pixel(image, x, 0), 4u) << x;
        EXPECT_EQ(Pixel(image, x, 14), 4u) << x;
    }
    EXPECT_EQ(Pixel(image, 0, 7), 4u);
    EXPECT_EQ(Pixel(image, 1, 1), 8u);
    // "1" in a 3 x 5 font, centred: its stem is the column at x = 7, rows 5 to 9.
    for (int y = 5; y < 10; ++y)
        EXPECT_EQ(Pixel(image, 7, y), 0u) << y;
    EXPECT_EQ(Pixel(image, 8, 6), 8u);
    const std::string large = bars::ButtonImage(157, bars::kButtonStrips[2]);
    EXPECT_EQ(Pixel(large, 23, 22), 1u);
    for (const bars::ButtonStrip& strip : bars::kButtonStrips)
        for (const long long n : {0LL, 77LL, 157LL}) {
            const std::string dib = bars::ButtonImage(n, strip);
            for (int y = 0; y < strip.height; ++y)
                for (int x = 0; x < strip.width; ++x)
                    ASSERT_NE(Pixel(dib, x, y), 11u) << strip.resourceId << " " << n << " " << x << "," << y;
        }
}

TEST(ButtonImage, HostileBitmapsAreRefused)
{
    const std::string bmp = ReadFile(StripFile(1));
    std::string dib;
    ASSERT_TRUE(platform::CropBmpToDib4(bmp, 0, 16, 15, dib));
    for (const std::size_t cut : {std::size_t{0}, std::size_t{2}, std::size_t{53}, std::size_t{117}, bmp.size() - 1}) {
        EXPECT_FALSE(platform::CropBmpToDib4(bmp.substr(0, cut), 0, 16, 15, dib)) << cut;
        EXPECT_TRUE(dib.empty());
    }
    std::string huge = bmp;
    huge[18 + 3] = 0x7F; // width
    EXPECT_FALSE(platform::CropBmpToDib4(huge, 0, 16, 15, dib));
    std::string offset = bmp;
    offset[10 + 3] = 0x7F; // pixel data far past the end
    EXPECT_FALSE(platform::CropBmpToDib4(offset, 0, 16, 15, dib));
    EXPECT_FALSE(platform::CropBmpToDib4(bmp, 0, 0, 15, dib));
    EXPECT_FALSE(platform::CropBmpToDib4(bmp, 0, 16, 100000, dib));
}

// Under Windows the library's images come from its resources through the platform's own
// conversion; it must give the bytes our conversion gives from the same strip files.
TEST(ButtonImage, PlatformConversionMatchesOurs)
{
    const std::string files[4] = {ReadFile(StripFile(1)), ReadFile(StripFile(2)), ReadFile(StripFile(3)),
                                  ReadFile(StripFile(4))};
    for (int s = 0; s < 4; ++s) {
        const bars::ButtonStrip& strip = bars::kButtonStrips[s];
        for (const long long n : {0LL, 1LL, 42LL, 157LL, 158LL, -1LL}) {
            std::string platformDib, ourDib;
            ASSERT_TRUE(platform::CropResourceToDib4(strip.resourceId, n * strip.cellWidth, strip.width, strip.height,
                                                     platformDib))
                << strip.resourceId;
            ASSERT_TRUE(platform::CropBmpToDib4(files[s], n * strip.cellWidth, strip.width, strip.height, ourDib));
            ASSERT_EQ(platformDib.size(), ourDib.size());
            for (std::size_t i = 0; i < ourDib.size(); ++i)
                ASSERT_EQ(static_cast<unsigned char>(platformDib[i]), static_cast<unsigned char>(ourDib[i]))
                    << "strip " << s + 1 << ", image " << n << ", byte " << i;
        }
    }
}

} // namespace
