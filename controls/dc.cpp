#include "controls/dc.h"

#include "controls/bitmap.h"

#include <QPainter>

namespace orvane {

namespace {

// A monochrome surface keeps a colour as white when it is light, as black otherwise.
int MonochromeIndex(COLORREF crColour) {
    const int nSum = GetRValue(crColour) + GetGValue(crColour) + GetBValue(crColour);
    return nSum >= 3 * 128 ? 1 : 0;
}

} // namespace

bool CDC::CreateCompatibleDC(CDC* /*pDC*/) {
    DeleteDC();
    m_hDC = new DeviceContext;
    return true;
}

void CDC::DeleteDC() {
    delete m_hDC;
    m_hDC = nullptr;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    if (m_hDC == nullptr) {
        return nullptr;
    }
    CBitmap* pOld = m_hDC->pBitmap;
    m_hDC->pBitmap = pBitmap;
    return pOld;
}

CBitmap* CDC::GetCurrentBitmap() const {
    return m_hDC != nullptr ? m_hDC->pBitmap : nullptr;
}

QPoint CDC::SetWindowOrg(int x, int y) {
    if (m_hDC == nullptr) {
        return {};
    }
    const QPoint ptOld = m_hDC->ptWindowOrg;
    m_hDC->ptWindowOrg = QPoint(x, y);
    return ptOld;
}

QPoint CDC::GetWindowOrg() const {
    return m_hDC != nullptr ? m_hDC->ptWindowOrg : QPoint();
}

void CDC::GetClipBox(CRect* pRect) const {
    const QPoint ptOrg = GetWindowOrg();
    const CRect rcDevice = DeviceClip();
    *pRect = rcDevice.IsRectEmpty() ? CRect{} : rcDevice.Offset(ptOrg.x(), ptOrg.y());
}

void CDC::IntersectClipRect(const CRect& rc) {
    if (m_hDC == nullptr) {
        return;
    }
    const CRect rcDevice = ToDevice(rc);
    m_hDC->rcClip = m_hDC->rcClip ? m_hDC->rcClip->Intersect(rcDevice) : rcDevice;
}

COLORREF CDC::SetBkColor(COLORREF crColour) {
    if (m_hDC == nullptr) {
        return 0;
    }
    const COLORREF crOld = m_hDC->crBk;
    m_hDC->crBk = crColour;
    return crOld;
}

COLORREF CDC::GetBkColor() const {
    return m_hDC != nullptr ? m_hDC->crBk : 0;
}

COLORREF CDC::SetTextColor(COLORREF crColour) {
    if (m_hDC == nullptr) {
        return 0;
    }
    const COLORREF crOld = m_hDC->crText;
    m_hDC->crText = crColour;
    return crOld;
}

COLORREF CDC::GetTextColor() const {
    return m_hDC != nullptr ? m_hDC->crText : 0;
}

int CDC::SetBkMode(int nBkMode) {
    if (m_hDC == nullptr) {
        return 0;
    }
    const int nOld = m_hDC->nBkMode;
    m_hDC->nBkMode = nBkMode;
    return nOld;
}

int CDC::GetBkMode() const {
    return m_hDC != nullptr ? m_hDC->nBkMode : 0;
}

void CDC::FillSolidRect(const CRect& rc, COLORREF crColour) {
    const CRect rcFill = ToDevice(rc).Intersect(DeviceClip());
    if (rcFill.IsRectEmpty()) {
        return;
    }
    QImage& image = m_hDC->pBitmap->Image();
    if (image.format() == QImage::Format_Mono) {
        const int nIndex = MonochromeIndex(crColour);
        for (int y = rcFill.top; y < rcFill.bottom; ++y) {
            for (int x = rcFill.left; x < rcFill.right; ++x) {
                image.setPixel(x, y, static_cast<unsigned>(nIndex));
            }
        }
        return;
    }
    const QRgb rgb = ToQRgb(crColour);
    for (int y = rcFill.top; y < rcFill.bottom; ++y) {
        QRgb* pLine = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(pLine + rcFill.left, pLine + rcFill.right, rgb);
    }
}

void CDC::FillRect(const CRect& rc, const CBrush* pBrush) {
    if (pBrush != nullptr && pBrush->IsCreated()) {
        FillSolidRect(rc, pBrush->Colour());
    }
}

int CDC::DrawText(const QString& strText, const CRect& rc, unsigned nFormat) {
    const CRect rcClip = DeviceClip();
    if (rcClip.IsRectEmpty() || m_hDC->pBitmap->IsMonochrome()) {
        return 0;
    }
    int nFlags = (nFormat & DT_CENTER) != 0 ? Qt::AlignHCenter : Qt::AlignLeft;
    if ((nFormat & DT_SINGLELINE) != 0) {
        nFlags |= Qt::TextSingleLine;
        nFlags |= (nFormat & DT_VCENTER) != 0 ? Qt::AlignVCenter : Qt::AlignTop;
    } else {
        nFlags |= Qt::AlignTop | Qt::TextWordWrap;
    }

    QPainter painter(&m_hDC->pBitmap->Image());
    painter.setClipRect(rcClip.ToQRect());
    painter.setFont(m_hDC->font);
    const QRect rcText = ToDevice(rc).ToQRect();
    if (m_hDC->nBkMode == OPAQUE) {
        painter.fillRect(painter.boundingRect(rcText, nFlags, strText),
                         QColor(ToQRgb(m_hDC->crBk)));
    }
    painter.setPen(QColor(ToQRgb(m_hDC->crText)));
    QRect rcDrawn;
    painter.drawText(rcText, nFlags, strText, &rcDrawn);
    return rcDrawn.height();
}

CRect CDC::DeviceClip() const {
    if (m_hDC == nullptr || m_hDC->pBitmap == nullptr || m_hDC->pBitmap->IsNull()) {
        return {};
    }
    const QImage& image = m_hDC->pBitmap->Image();
    const CRect rcBitmap{0, 0, image.width(), image.height()};
    return m_hDC->rcClip ? m_hDC->rcClip->Intersect(rcBitmap) : rcBitmap;
}

CRect CDC::ToDevice(const CRect& rc) const {
    const QPoint ptOrg = GetWindowOrg();
    return rc.Offset(-ptOrg.x(), -ptOrg.y());
}

} // namespace orvane
