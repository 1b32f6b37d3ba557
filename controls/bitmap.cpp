#include "controls/bitmap.h"

#include "controls/dc.h"

#include <QColor>

namespace orvane {

namespace {

QImage MakeMonochrome(int nWidth, int nHeight) {
    QImage image(nWidth, nHeight, QImage::Format_Mono);
    // Index 1 is white so that a set bit reads as white, as monochrome transfers expect.
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(0);
    return image;
}

QImage MakeColour(int nWidth, int nHeight) {
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

} // namespace

bool CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    const CBitmap* pSelected = pDC != nullptr ? pDC->GetCurrentBitmap() : nullptr;
    const bool bMonochrome = pSelected != nullptr && pSelected->IsMonochrome();
    m_image = bMonochrome ? MakeMonochrome(nWidth, nHeight) : MakeColour(nWidth, nHeight);
    return !m_image.isNull();
}

bool CBitmap::CreateBitmap(int nWidth, int nHeight, unsigned nPlanes, unsigned nBitcount) {
    if (nPlanes != 1 || (nBitcount != 1 && nBitcount != 32)) {
        m_image = QImage();
        return false;
    }
    m_image = nBitcount == 1 ? MakeMonochrome(nWidth, nHeight) : MakeColour(nWidth, nHeight);
    return !m_image.isNull();
}

bool CBitmap::Attach(const QImage& image) {
    m_image = image.convertToFormat(QImage::Format_RGB32);
    return !m_image.isNull();
}

bool CBitmap::LoadBitmap(const QString& strPath) {
    return Attach(QImage(strPath));
}

} // namespace orvane
