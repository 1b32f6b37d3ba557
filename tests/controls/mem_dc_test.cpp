// The off-screen drawing surface: drawing reaches the target only at destruction, in one
// piece covering the target's clip box; a printing target is drawn on directly.

#include "canvas.h"
#include "controls/mem_dc.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::Canvas;

constexpr COLORREF kBefore = RGB(50, 60, 70);
constexpr COLORREF kTargetBk = RGB(0x11, 0x22, 0x33);
constexpr COLORREF kInk = RGB(240, 10, 10);

TEST(MemDC, DrawingReachesTheTargetOnlyWhenDestroyed) {
    Canvas target(8, 4, kBefore);
    {
        CMemDC memDC(&target.dc);
        memDC.FillSolidRect({0, 0, 4, 4}, kInk);
        EXPECT_EQ(target.At(0, 0), kBefore);
        EXPECT_EQ(target.At(7, 3), kBefore);
    }
    EXPECT_EQ(target.At(0, 0), kInk);
    EXPECT_EQ(target.At(3, 3), kInk);
}

// The copy replaces the whole clip box: what the caller leaves undrawn comes out in the target's
// background colour as it was when the surface was made, whatever the target showed before.
TEST(MemDC, UndrawnPixelsComeOutInTheTargetsBackgroundColour) {
    Canvas target(8, 4, kBefore);
    target.dc.SetBkColor(kTargetBk);
    {
        CMemDC memDC(&target.dc);
        target.dc.SetBkColor(kInk); // later changes do not count
        memDC.FillSolidRect({0, 0, 2, 4}, kInk);
    }
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(target.At(x, 2), x < 2 ? kInk : kTargetBk) << "column " << x;
    }
}

// A repaint of columns 100 to 199 of a target: the surface covers just that box, drawing at
// x = 100 lands in the surface's first column and back at x = 100, drawing outside is lost.
TEST(MemDC, ClipBoxAwayFromTheOrigin) {
    Canvas target(300, 10, kBefore);
    target.dc.SetBkColor(kTargetBk);
    target.dc.IntersectClipRect({100, 2, 200, 8});
    {
        CMemDC memDC(&target.dc);
        CRect rcBounds;
        memDC.GetClipBox(&rcBounds);
        EXPECT_EQ(rcBounds, CRect(100, 2, 200, 8));
        const QImage& surface = memDC.GetCurrentBitmap()->Image();
        EXPECT_EQ(surface.size(), QSize(100, 6));

        memDC.FillSolidRect({0, 0, 101, 10}, kInk); // reaches into the box by one column
        EXPECT_EQ(FromQRgb(surface.pixel(0, 0)), kInk);
        EXPECT_EQ(FromQRgb(surface.pixel(1, 0)), kTargetBk);
    }
    for (int x = 0; x < 300; ++x) {
        const COLORREF crInside = x == 100 ? kInk : kTargetBk;
        EXPECT_EQ(target.At(x, 1), kBefore) << "column " << x << " above the box";
        EXPECT_EQ(target.At(x, 5), x >= 100 && x < 200 ? crInside : kBefore) << "column " << x;
        EXPECT_EQ(target.At(x, 8), kBefore) << "column " << x << " below the box";
    }
}

TEST(MemDC, EmptyClipBoxLeavesTheTargetUnchanged) {
    Canvas target(6, 6, kBefore);
    target.dc.IntersectClipRect({3, 3, 3, 6});
    {
        CMemDC memDC(&target.dc);
        memDC.FillSolidRect({0, 0, 6, 6}, kInk);
    }
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(target.At(x, y), kBefore) << "at " << x << "," << y;
        }
    }
}

TEST(MemDC, PrintingTargetIsDrawnOnDirectlyAndSurvives) {
    Canvas target(4, 4, kBefore);
    target.dc.m_bPrinting = true;
    const HDC hTarget = target.dc.m_hDC;
    {
        CMemDC memDC(&target.dc);
        EXPECT_TRUE(memDC.m_bPrinting);
        memDC.FillSolidRect({0, 0, 1, 1}, kInk);
        EXPECT_EQ(target.At(0, 0), kInk) << "not drawn at once";
        EXPECT_EQ(target.At(1, 1), kBefore) << "the background must not be filled";
    }
    ASSERT_EQ(target.dc.m_hDC, hTarget);
    target.dc.FillSolidRect({1, 1, 2, 2}, kInk); // the context still works
    EXPECT_EQ(target.At(1, 1), kInk);
}

} // namespace
} // namespace orvane
