#include "controls/widget_dc.h"

#include <QPainter>
#include <QWidget>

namespace orvane {

CWidgetDC::CWidgetDC(QWidget* pWidget) : CWidgetDC(pWidget, CRect::FromQRect(pWidget->rect())) {}

CWidgetDC::CWidgetDC(QWidget* pWidget, const CRect& rcArea) : m_pWidget(pWidget), m_rcArea(rcArea) {
    CreateCompatibleDC(nullptr);
    m_bmpFace.CreateBitmap(rcArea.Width(), rcArea.Height(), 1, 32);
    m_pOldBitmap = SelectObject(&m_bmpFace);
    SetWindowOrg(rcArea.left, rcArea.top);
    FillSolidRect(rcArea, FromQRgb(pWidget->palette().color(pWidget->backgroundRole()).rgb()));
}

CWidgetDC::~CWidgetDC() {
    SelectObject(m_pOldBitmap);
    if (!m_bmpFace.IsNull()) {
        QPainter painter(m_pWidget);
        painter.drawImage(QPoint(m_rcArea.left, m_rcArea.top), m_bmpFace.Image());
    }
}

} // namespace orvane
