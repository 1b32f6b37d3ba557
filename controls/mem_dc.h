#pragma once

#include "controls/bitmap.h"
#include "controls/dc.h"
#include "controls/rect.h"

namespace orvane {

// A drawing context that stands in for a target context for the length of one drawing
// routine. Everything drawn on it lands in a bitmap covering the target's clip box, addressed
// in the target's coordinates; the destructor copies that bitmap onto the target in one
// transfer, so the target never shows a half-drawn picture. Pixels left undrawn come out in the
// target's background colour. A printing target is drawn on directly instead.
class CMemDC : public CDC {
public:
    explicit CMemDC(CDC* pDC);
    ~CMemDC() override;
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

private:
    CBitmap m_bmpSurface;
    CBitmap* m_pOldBitmap = nullptr;
    CDC* m_pTargetDC;
    CRect m_rcBounds;
    bool m_bOffscreen;
};

} // namespace orvane
