#include "controls/mem_dc.h"

namespace orvane {

CMemDC::CMemDC(CDC* pDC) : m_pTargetDC(pDC), m_bOffscreen(!pDC->m_bPrinting) {
    if (!m_bOffscreen) {
        // Borrow the printing target's context; the destructor hands it back undeleted.
        m_bPrinting = pDC->m_bPrinting;
        m_hDC = pDC->m_hDC;
        return;
    }
    pDC->GetClipBox(&m_rcBounds);
    CreateCompatibleDC(pDC);
    m_bmpSurface.CreateCompatibleBitmap(pDC, m_rcBounds.Width(), m_rcBounds.Height());
    m_pOldBitmap = SelectObject(&m_bmpSurface);
    SetWindowOrg(m_rcBounds.left, m_rcBounds.top);
    FillSolidRect(m_rcBounds, pDC->GetBkColor());
}

CMemDC::~CMemDC() {
    if (m_bOffscreen) {
        m_pTargetDC->BitBlt(m_rcBounds.left, m_rcBounds.top, m_rcBounds.Width(),
                            m_rcBounds.Height(), this, m_rcBounds.left, m_rcBounds.top, SRCCOPY);
        SelectObject(m_pOldBitmap);
    } else {
        m_hDC = nullptr;
    }
    // m_bmpSurface goes next, then the base deletes the memory context.
}

} // namespace orvane
