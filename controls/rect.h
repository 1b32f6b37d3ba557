#pragma once

#include <QRect>
#include <algorithm>

namespace orvane {

// A rectangle with exclusive right and bottom edges: a client area of width w has right == w.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }

    constexpr CRect Offset(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    // The common part of two rectangles; empty rectangles come out as all zeros.
    constexpr CRect Intersect(const CRect& other) const {
        const CRect common{std::max(left, other.left), std::max(top, other.top),
                           std::min(right, other.right), std::min(bottom, other.bottom)};
        return common.IsRectEmpty() ? CRect{} : common;
    }

    constexpr bool operator==(const CRect&) const = default;

    QRect ToQRect() const { return {left, top, Width(), Height()}; }
    static CRect FromQRect(const QRect& rc) {
        return {rc.left(), rc.top(), rc.left() + rc.width(), rc.top() + rc.height()};
    }
};

} // namespace orvane
