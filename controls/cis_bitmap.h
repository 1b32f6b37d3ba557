#pragma once

#include "controls/bitmap.h"
#include "controls/colorref.h"

namespace orvane {

class CDC;

// A bitmap that draws itself with one colour transparent: pixels of the key colour leave the
// target as it was, all others replace it. Works through a monochrome mask and three
// transfers, never touching single pixels, so it behaves the same on any surface.
class CCISBitmap : public CBitmap {
public:
    CCISBitmap();
    ~CCISBitmap() override = default;

    // The size of the held bitmap; 0 without one.
    int Width() const { return Image().width(); }
    int Height() const { return Image().height(); }

    // Draws the whole bitmap with its top-left corner at (x, y) of pDC, leaving every pixel of
    // crColour unpainted. pDC's text and background colours are the same afterwards.
    virtual void DrawTransparent(CDC* pDC, int x, int y, COLORREF crColour);

private:
    // The target's colours while the mask is applied: they turn mask bits into all-ones where
    // the key was and all-zeros elsewhere.
    COLORREF m_crMaskForeground;
    COLORREF m_crMaskBackground;
};

} // namespace orvane
