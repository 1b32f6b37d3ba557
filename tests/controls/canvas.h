#pragma once

#include "controls/bitmap.h"
#include "controls/colorref.h"
#include "controls/dc.h"

#include <QImage>

namespace orvane::test {

// A bitmap filled with one colour and a drawing context over it: the target of a test.
struct Canvas {
    CBitmap bitmap;
    CDC dc;

    Canvas(int nWidth, int nHeight, COLORREF crFill, unsigned nBitcount = 32) {
        bitmap.CreateBitmap(nWidth, nHeight, 1, nBitcount);
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect({0, 0, nWidth, nHeight}, crFill);
    }
    ~Canvas() { dc.SelectObject(nullptr); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    COLORREF At(int x, int y) const { return FromQRgb(bitmap.Image().pixel(x, y)); }
    int BitAt(int x, int y) const { return bitmap.Image().pixelIndex(x, y); }
    void Set(int x, int y, COLORREF cr) { bitmap.Image().setPixel(x, y, ToQRgb(cr)); }
};

} // namespace orvane::test
