// Bit-block transfers: the pixel conversions between colour and monochrome bitmaps and the
// raster operations, done on the pixel values themselves so that every result is exact.

#include "controls/bitmap.h"
#include "controls/dc.h"

namespace orvane {

namespace {

// Colour pixels are combined on their 24 colour bits; the alpha byte stays full.
constexpr QRgb kColourBits = 0x00FFFFFFu;
constexpr QRgb kOpaque = 0xFF000000u;

bool IsSupported(DWORD dwRop) {
    return dwRop == SRCCOPY || dwRop == SRCINVERT || dwRop == SRCAND;
}

std::uint32_t Combine(DWORD dwRop, std::uint32_t nSource, std::uint32_t nTarget) {
    switch (dwRop) {
    case SRCINVERT:
        return nTarget ^ nSource;
    case SRCAND:
        return nTarget & nSource;
    default:
        return nSource;
    }
}

std::uint32_t ReadPixel(const QImage& image, int x, int y) {
    if (image.format() == QImage::Format_Mono) {
        return static_cast<std::uint32_t>(image.pixelIndex(x, y));
    }
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] & kColourBits;
}

void WritePixel(QImage& image, int x, int y, std::uint32_t nValue) {
    if (image.format() == QImage::Format_Mono) {
        image.setPixel(x, y, nValue & 1u);
        return;
    }
    reinterpret_cast<QRgb*>(image.scanLine(y))[x] = (nValue & kColourBits) | kOpaque;
}

// How a source pixel value reads in the target's format.
struct PixelConversion {
    bool bSourceMono;
    bool bTargetMono;
    std::uint32_t nSourceBk;   // source background colour, as colour bits
    std::uint32_t nTargetBk;   // what a monochrome 1 becomes on a colour target
    std::uint32_t nTargetText; // what a monochrome 0 becomes on a colour target

    std::uint32_t operator()(std::uint32_t nSource) const {
        if (bSourceMono == bTargetMono) {
            return nSource;
        }
        if (bSourceMono) {
            return nSource != 0 ? nTargetBk : nTargetText;
        }
        return nSource == nSourceBk ? 1u : 0u;
    }
};

} // namespace

bool CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
    if (!IsSupported(dwRop) || pSrcDC == nullptr || pSrcDC->m_hDC == nullptr) {
        return false;
    }
    const CBitmap* pSrcBitmap = pSrcDC->m_hDC->pBitmap;
    const CRect rcTarget = DeviceClip();
    if (pSrcBitmap == nullptr || pSrcBitmap->IsNull() || rcTarget.IsRectEmpty()) {
        return false;
    }
    // A shallow copy: should source and target share one bitmap, writing detaches the target,
    // so the source is read as it was before the transfer.
    const QImage source = pSrcBitmap->Image();
    QImage& target = m_hDC->pBitmap->Image();

    const CRect rcDest = ToDevice(CRect{x, y, x + nWidth, y + nHeight});
    const QPoint ptSrc = QPoint(xSrc, ySrc) - pSrcDC->GetWindowOrg();
    const int dx = ptSrc.x() - rcDest.left;
    const int dy = ptSrc.y() - rcDest.top;
    const CRect rcSourceInTarget = CRect{0, 0, source.width(), source.height()}.Offset(-dx, -dy);
    const CRect rcDo = rcDest.Intersect(rcTarget).Intersect(rcSourceInTarget);

    const PixelConversion convert{
        source.format() == QImage::Format_Mono, target.format() == QImage::Format_Mono,
        ToQRgb(pSrcDC->GetBkColor()) & kColourBits, ToQRgb(GetBkColor()) & kColourBits,
        ToQRgb(GetTextColor()) & kColourBits};
    for (int ty = rcDo.top; ty < rcDo.bottom; ++ty) {
        for (int tx = rcDo.left; tx < rcDo.right; ++tx) {
            const std::uint32_t nSource = convert(ReadPixel(source, tx + dx, ty + dy));
            WritePixel(target, tx, ty, Combine(dwRop, nSource, ReadPixel(target, tx, ty)));
        }
    }
    return true;
}

} // namespace orvane
