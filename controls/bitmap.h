#pragma once

#include <QImage>
#include <QString>

namespace orvane {

class CDC;

// A bitmap that drawing contexts draw into: either colour (32 bits per pixel, of which 24 carry
// the colour) or monochrome (1 bit per pixel, 1 = white, 0 = black). An empty bitmap holds no
// picture; the picture goes with the object.
class CBitmap {
public:
    CBitmap() = default;
    virtual ~CBitmap() = default;
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // A black bitmap in the format of the one selected into pDC: monochrome when that one is
    // monochrome, colour otherwise (also when pDC holds none).
    bool CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    // One plane of 1 bit per pixel gives a monochrome bitmap, one plane of 32 bits a colour
    // one; other layouts are not offered. The pixels start black.
    bool CreateBitmap(int nWidth, int nHeight, unsigned nPlanes, unsigned nBitcount);
    // Takes over a loaded picture as a colour bitmap.
    bool Attach(const QImage& image);
    // Loads a picture from a file or a Qt resource path (":/...").
    bool LoadBitmap(const QString& strPath);
    void DeleteObject() { m_image = QImage(); }

    bool IsNull() const { return m_image.isNull(); }
    bool IsMonochrome() const { return m_image.format() == QImage::Format_Mono; }

    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
};

} // namespace orvane
