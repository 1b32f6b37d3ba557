// The drawing context: logical coordinates, clipping, attributes, fills and text.

#include "canvas.h"
#include "controls/brush.h"
#include "controls/dc.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Canvas;

constexpr COLORREF kPaper = RGB(10, 20, 30);
constexpr COLORREF kInk = RGB(200, 100, 50);

TEST(DrawingContext, FreshContextHasThePlatformDefaults) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_EQ(dc.GetBkColor(), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetCurrentBitmap(), nullptr);
    CRect rcClip{1, 1, 2, 2};
    dc.GetClipBox(&rcClip);
    EXPECT_TRUE(rcClip.IsRectEmpty()) << "nothing to draw on without a bitmap";
}

TEST(DrawingContext, SettersReturnThePreviousValue) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SetBkColor(kPaper);
    EXPECT_EQ(dc.SetBkColor(kInk), kPaper);
    dc.SetTextColor(kInk);
    EXPECT_EQ(dc.SetTextColor(kPaper), kInk);
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetBkMode(OPAQUE), TRANSPARENT);
    dc.SetWindowOrg(3, 4);
    EXPECT_EQ(dc.SetWindowOrg(0, 0), QPoint(3, 4));
}

TEST(DrawingContext, SelectObjectReturnsTheBitmapItReplaces) {
    CBitmap first;
    CBitmap second;
    first.CreateBitmap(2, 2, 1, 32);
    second.CreateBitmap(2, 2, 1, 32);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    EXPECT_EQ(dc.SelectObject(&first), nullptr);
    EXPECT_EQ(dc.SelectObject(&second), &first);
    EXPECT_EQ(dc.SelectObject(nullptr), &second);
}

TEST(DrawingContext, WindowOriginMapsLogicalPointsOntoPixels) {
    Canvas canvas(10, 10, kPaper);
    canvas.dc.SetWindowOrg(100, 50);
    canvas.dc.FillSolidRect({100, 50, 102, 51}, kInk);

    EXPECT_EQ(canvas.At(0, 0), kInk);
    EXPECT_EQ(canvas.At(1, 0), kInk);
    EXPECT_EQ(canvas.At(2, 0), kPaper);
    EXPECT_EQ(canvas.At(0, 1), kPaper);
    CRect rcClip;
    canvas.dc.GetClipBox(&rcClip);
    EXPECT_EQ(rcClip, CRect(100, 50, 110, 60));
}

TEST(DrawingContext, DrawingStaysInsideTheClipRectangle) {
    Canvas canvas(10, 4, kPaper);
    canvas.dc.IntersectClipRect({3, 0, 6, 4});
    canvas.dc.IntersectClipRect({4, 1, 20, 20}); // narrows further, never widens
    canvas.dc.FillSolidRect({-5, -5, 50, 50}, kInk);

    CRect rcClip;
    canvas.dc.GetClipBox(&rcClip);
    EXPECT_EQ(rcClip, CRect(4, 1, 6, 4));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool bInside = x >= 4 && x < 6 && y >= 1;
            EXPECT_EQ(canvas.At(x, y), bInside ? kInk : kPaper) << "at " << x << "," << y;
        }
    }
}

TEST(DrawingContext, FillRectNeedsACreatedBrush) {
    Canvas canvas(4, 4, kPaper);
    CBrush brush;
    canvas.dc.FillRect({0, 0, 4, 4}, &brush);
    EXPECT_EQ(canvas.At(1, 1), kPaper);

    brush.CreateSolidBrush(kInk);
    canvas.dc.FillRect({1, 1, 3, 3}, &brush);
    EXPECT_EQ(canvas.At(1, 1), kInk);
    EXPECT_EQ(canvas.At(2, 2), kInk);
    EXPECT_EQ(canvas.At(3, 3), kPaper) << "right and bottom edges are exclusive";
}

// Centred text moves by half of any change of its rectangle: widening the rectangle by 20 and
// heightening it by 10 moves the text by exactly (10, 5).
TEST(DrawingContext, DrawTextCentresOnTheRectangle) {
    constexpr unsigned kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    Canvas small(80, 20, kPaper);
    Canvas large(100, 30, kPaper);
    for (Canvas* pCanvas : {&small, &large}) {
        pCanvas->dc.SetTextColor(kInk);
        pCanvas->dc.SetBkMode(TRANSPARENT);
    }
    ASSERT_GT(small.dc.DrawText("67%", {0, 0, 80, 20}, kCentred), 0);
    large.dc.DrawText("67%", {0, 0, 100, 30}, kCentred);

    ASSERT_NE(small.bitmap.Image(), Canvas(80, 20, kPaper).bitmap.Image()) << "no text drawn";
    EXPECT_EQ(large.bitmap.Image().copy(10, 5, 80, 20), small.bitmap.Image());
}

// In TRANSPARENT mode the text lands on what is there; in OPAQUE mode on a box of the
// background colour.
TEST(DrawingContext, DrawTextBoxFollowsTheBackgroundMode) {
    for (const int nMode : {TRANSPARENT, OPAQUE}) {
        Canvas canvas(80, 20, kPaper);
        canvas.dc.SetTextColor(RGB(255, 255, 255));
        canvas.dc.SetBkColor(kInk);
        canvas.dc.SetBkMode(nMode);
        canvas.dc.DrawText("13%", {0, 0, 80, 20}, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

        bool bText = false;
        bool bBox = false;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 80; ++x) {
                bText = bText || canvas.At(x, y) == RGB(255, 255, 255);
                bBox = bBox || canvas.At(x, y) == kInk;
            }
        }
        EXPECT_TRUE(bText) << "mode " << nMode;
        EXPECT_EQ(bBox, nMode == OPAQUE) << "mode " << nMode;
    }
}

} // namespace
} // namespace orvane
