// Bit-block transfers: the three raster operations, the colour/monochrome conversions and the
// placement of source and target rectangles.

#include "canvas.h"
#include "controls/dc.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Canvas;

struct RasterCase {
    const char* szName;
    DWORD dwRop;
    COLORREF crExpected; // for source 0x55F00F onto target 0xFF3333
};
void PrintTo(const RasterCase& c, std::ostream* pOut) {
    *pOut << c.szName;
}

class RasterOperation : public ::testing::TestWithParam<RasterCase> {};

TEST_P(RasterOperation, CombinesColourPixelsBitwise) {
    Canvas source(1, 1, RGB(0x0F, 0xF0, 0x55));
    Canvas target(1, 1, RGB(0x33, 0x33, 0xFF));
    ASSERT_TRUE(target.dc.BitBlt(0, 0, 1, 1, &source.dc, 0, 0, GetParam().dwRop));
    EXPECT_EQ(target.At(0, 0), GetParam().crExpected);
    EXPECT_EQ(qAlpha(target.bitmap.Image().pixel(0, 0)), 255) << "pictures stay opaque";
}

INSTANTIATE_TEST_SUITE_P(DrawingContext, RasterOperation,
                         ::testing::Values(RasterCase{"Copy", SRCCOPY, RGB(0x0F, 0xF0, 0x55)},
                                           RasterCase{"Invert", SRCINVERT, RGB(0x3C, 0xC3, 0xAA)},
                                           RasterCase{"And", SRCAND, RGB(0x03, 0x30, 0x55)}),
                         [](const auto& row) { return std::string(row.param.szName); });

TEST(BitBlt, RejectsOtherRasterOperations) {
    Canvas source(1, 1, RGB(1, 2, 3));
    Canvas target(1, 1, RGB(4, 5, 6));
    EXPECT_FALSE(target.dc.BitBlt(0, 0, 1, 1, &source.dc, 0, 0, 0x00EE0086 /* SRCPAINT */));
    EXPECT_EQ(target.At(0, 0), RGB(4, 5, 6));
}

// Colour into monochrome: exactly the source's background colour becomes 1.
TEST(BitBlt, ColourToMonochromeMarksTheSourceBackgroundColour) {
    constexpr COLORREF kKey = RGB(236, 233, 216);
    const COLORREF aPixels[] = {
        kKey, RGB(237, 233, 216), RGB(236, 232, 216), RGB(236, 233, 217), RGB(0, 0, 0), kKey};
    constexpr int kCount = static_cast<int>(std::size(aPixels));
    Canvas source(kCount, 1, 0);
    for (int x = 0; x < kCount; ++x) {
        source.Set(x, 0, aPixels[x]);
    }
    source.dc.SetBkColor(kKey);
    Canvas mask(kCount, 1, RGB(0, 0, 0), 1);

    mask.dc.BitBlt(0, 0, kCount, 1, &source.dc, 0, 0, SRCCOPY);

    for (int x = 0; x < kCount; ++x) {
        EXPECT_EQ(mask.BitAt(x, 0), aPixels[x] == kKey ? 1 : 0) << "pixel " << x;
    }
}

// Monochrome into colour: 1 takes the target's background colour, 0 its text colour.
TEST(BitBlt, MonochromeToColourUsesTheTargetColours) {
    Canvas mask(2, 1, RGB(0, 0, 0), 1);
    mask.bitmap.Image().setPixel(1, 0, 1u);
    mask.dc.SetBkColor(RGB(9, 9, 9)); // the source's colours play no part
    mask.dc.SetTextColor(RGB(8, 8, 8));
    Canvas target(2, 1, RGB(0, 0, 0));
    target.dc.SetBkColor(RGB(0x12, 0x34, 0x56));
    target.dc.SetTextColor(RGB(0xAB, 0xCD, 0xEF));

    target.dc.BitBlt(0, 0, 2, 1, &mask.dc, 0, 0, SRCCOPY);

    EXPECT_EQ(target.At(0, 0), RGB(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(target.At(1, 0), RGB(0x12, 0x34, 0x56));
}

TEST(BitBlt, MonochromeRasterOperationsWorkOnBits) {
    Canvas source(4, 1, RGB(0, 0, 0), 1);
    Canvas target(4, 1, RGB(0, 0, 0), 1);
    // source 0011, target 0101
    source.bitmap.Image().setPixel(2, 0, 1u);
    source.bitmap.Image().setPixel(3, 0, 1u);
    target.bitmap.Image().setPixel(1, 0, 1u);
    target.bitmap.Image().setPixel(3, 0, 1u);

    target.dc.BitBlt(0, 0, 4, 1, &source.dc, 0, 0, SRCINVERT);

    EXPECT_EQ(target.BitAt(0, 0), 0);
    EXPECT_EQ(target.BitAt(1, 0), 1);
    EXPECT_EQ(target.BitAt(2, 0), 1);
    EXPECT_EQ(target.BitAt(3, 0), 0);
}

// Source and target points are logical; only pixels inside both bitmaps and the target's clip
// rectangle move.
TEST(BitBlt, PlacesAndClipsTheTransfer) {
    constexpr COLORREF kPaper = RGB(1, 1, 1);
    Canvas source(3, 3, 0);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            source.Set(x, y,
                       RGB(static_cast<std::uint8_t>(10 * x), static_cast<std::uint8_t>(y), 7));
        }
    }
    source.dc.SetWindowOrg(-10, 0); // logical (-10, 0) is pixel (0, 0)
    Canvas target(5, 5, kPaper);
    target.dc.SetWindowOrg(100, 100);
    target.dc.IntersectClipRect({100, 100, 104, 105}); // pixel column 4 is off limits

    // 4 x 4 from logical (-9, 1) = source pixel (1, 1), to logical (102, 101) = pixel (2, 1).
    target.dc.BitBlt(102, 101, 4, 4, &source.dc, -9, 1, SRCCOPY);

    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const int sx = x - 1;
            const int sy = y;
            const bool bCopied = x >= 2 && x < 4 && y >= 1 && sx < 3 && sy < 3;
            const COLORREF crExpected =
                bCopied ? RGB(static_cast<std::uint8_t>(10 * sx), static_cast<std::uint8_t>(sy), 7)
                        : kPaper;
            EXPECT_EQ(target.At(x, y), crExpected) << "at " << x << "," << y;
        }
    }
}

} // namespace
} // namespace orvane
