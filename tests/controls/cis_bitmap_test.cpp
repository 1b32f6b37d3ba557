// The transparent bitmap: key-coloured pixels leave the target alone, all others are copied.

#include "canvas.h"
#include "controls/cis_bitmap.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Canvas;

constexpr COLORREF kKey = RGB(236, 233, 216);
constexpr COLORREF kTargetFace = RGB(0x2A, 0x7F, 0xC0);

QImage Picture(int nWidth, int nHeight, COLORREF crFill) {
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    image.fill(ToQRgb(crFill));
    return image;
}

// A target whose pixels all differ, so that a pixel copied from the wrong place shows.
void PaintPattern(Canvas& target) {
    const QSize size = target.bitmap.Image().size();
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            target.Set(
                x, y,
                RGB(static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 9), 0x40));
        }
    }
}

TEST(CISBitmap, KeyPixelsStayTransparentAndTheRestIsCopied) {
    // A picture with the key as background, one picture pixel in each row, and a row without
    // any key pixel.
    QImage picture = Picture(4, 3, kKey);
    picture.setPixel(1, 0, ToQRgb(RGB(0, 0, 0)));
    picture.setPixel(2, 1, ToQRgb(RGB(255, 255, 255)));
    for (int x = 0; x < 4; ++x) {
        picture.setPixel(x, 2, ToQRgb(RGB(static_cast<std::uint8_t>(x), 100, 200)));
    }
    CCISBitmap bitmap;
    ASSERT_TRUE(bitmap.Attach(picture));

    Canvas target(8, 6, 0);
    PaintPattern(target);
    const QImage before = target.bitmap.Image().copy();

    bitmap.DrawTransparent(&target.dc, 3, 2, kKey);

    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool bInPicture = x >= 3 && x < 7 && y >= 2 && y < 5;
            const QRgb rgbPicture = bInPicture ? picture.pixel(x - 3, y - 2) : 0;
            const bool bDrawn = bInPicture && FromQRgb(rgbPicture) != kKey;
            const COLORREF crExpected = FromQRgb(bDrawn ? rgbPicture : before.pixel(x, y));
            EXPECT_EQ(target.At(x, y), crExpected) << "at " << x << "," << y;
        }
    }
}

TEST(CISBitmap, PictureEntirelyOfTheKeyLeavesTheTargetUnchanged) {
    CCISBitmap bitmap;
    bitmap.Attach(Picture(5, 5, kKey));
    Canvas target(5, 5, kTargetFace);

    bitmap.DrawTransparent(&target.dc, 0, 0, kKey);

    EXPECT_EQ(target.bitmap.Image(), Picture(5, 5, kTargetFace));
}

// The key is matched exactly: a colour one step away in any channel is drawn, and colours that
// merely look alike through the mask colours (black, white) are not confused with it.
class NearKey : public ::testing::TestWithParam<COLORREF> {};

TEST_P(NearKey, IsDrawn) {
    QImage picture = Picture(2, 1, kKey);
    picture.setPixel(1, 0, ToQRgb(GetParam()));
    CCISBitmap bitmap;
    bitmap.Attach(picture);
    Canvas target(2, 1, kTargetFace);

    bitmap.DrawTransparent(&target.dc, 0, 0, kKey);

    EXPECT_EQ(target.At(0, 0), kTargetFace);
    EXPECT_EQ(target.At(1, 0), GetParam());
}

INSTANTIATE_TEST_SUITE_P(CISBitmap, NearKey,
                         ::testing::Values(RGB(237, 233, 216), RGB(235, 233, 216),
                                           RGB(236, 234, 216), RGB(236, 232, 216),
                                           RGB(236, 233, 217), RGB(236, 233, 215),
                                           RGB(255, 255, 255), RGB(0, 0, 0), kTargetFace));

// The mask needs black text and a white background on the target; the call must neither be
// thrown off by other colours there nor leave its own behind.
TEST(CISBitmap, RestoresTheTargetsColours) {
    QImage picture = Picture(2, 1, kKey);
    picture.setPixel(1, 0, ToQRgb(RGB(9, 8, 7)));
    CCISBitmap bitmap;
    bitmap.Attach(picture);
    Canvas target(2, 1, kTargetFace);
    target.dc.SetBkColor(RGB(1, 2, 3));
    target.dc.SetTextColor(RGB(4, 5, 6));

    bitmap.DrawTransparent(&target.dc, 0, 0, kKey);

    EXPECT_EQ(target.dc.GetBkColor(), RGB(1, 2, 3));
    EXPECT_EQ(target.dc.GetTextColor(), RGB(4, 5, 6));
    EXPECT_EQ(target.At(0, 0), kTargetFace);
    EXPECT_EQ(target.At(1, 0), RGB(9, 8, 7));
}

TEST(CISBitmap, WithoutABitmapHasNoSizeAndDrawsNothing) {
    CCISBitmap bitmap;
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 0);
    Canvas target(3, 3, kTargetFace);
    target.dc.SetBkColor(RGB(1, 2, 3));

    bitmap.DrawTransparent(&target.dc, 0, 0, kKey);

    EXPECT_EQ(target.bitmap.Image(), Picture(3, 3, kTargetFace));
    EXPECT_EQ(target.dc.GetBkColor(), RGB(1, 2, 3));
}

TEST(CISBitmap, SizeIsThatOfTheHeldBitmap) {
    CCISBitmap bitmap;
    bitmap.Attach(Picture(144, 98, kKey));
    EXPECT_EQ(bitmap.Width(), 144);
    EXPECT_EQ(bitmap.Height(), 98);
}

} // namespace
} // namespace orvane
