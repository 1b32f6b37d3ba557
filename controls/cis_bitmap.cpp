#include "controls/cis_bitmap.h"

#include "controls/dc.h"

namespace orvane {

CCISBitmap::CCISBitmap()
    : m_crMaskForeground(RGB(0, 0, 0)), m_crMaskBackground(RGB(255, 255, 255)) {}

void CCISBitmap::DrawTransparent(CDC* pDC, int x, int y, COLORREF crColour) {
    const COLORREF crOldBack = pDC->SetBkColor(m_crMaskBackground);
    const COLORREF crOldText = pDC->SetTextColor(m_crMaskForeground);

    CDC dcImage;
    CDC dcMask;
    dcImage.CreateCompatibleDC(pDC);
    dcMask.CreateCompatibleDC(pDC);
    CBitmap* pOldImageBitmap = dcImage.SelectObject(this);

    const int w = Width();
    const int h = Height();
    CBitmap bmpMask;
    bmpMask.CreateBitmap(w, h, 1, 1);
    CBitmap* pOldMaskBitmap = dcMask.SelectObject(&bmpMask);

    // The mask: 1 where the picture has the key colour, 0 elsewhere.
    dcImage.SetBkColor(crColour);
    dcMask.BitBlt(0, 0, w, h, &dcImage, 0, 0, SRCCOPY);

    // ((target XOR image) AND mask) XOR image: the target where the mask is all ones, the
    // image where it is all zeros.
    pDC->BitBlt(x, y, w, h, &dcImage, 0, 0, SRCINVERT);
    pDC->BitBlt(x, y, w, h, &dcMask, 0, 0, SRCAND);
    pDC->BitBlt(x, y, w, h, &dcImage, 0, 0, SRCINVERT);

    dcImage.SelectObject(pOldImageBitmap);
    dcMask.SelectObject(pOldMaskBitmap);
    pDC->SetBkColor(crOldBack);
    pDC->SetTextColor(crOldText);
    // Destruction in reverse order of construction deletes the mask bitmap, then the mask
    // context, then the image context.
}

} // namespace orvane
