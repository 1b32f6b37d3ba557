#pragma once

#include "controls/brush.h"
#include "controls/colorref.h"
#include "controls/rect.h"

#include <QFont>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <optional>

namespace orvane {

class CBitmap;

using DWORD = std::uint32_t;

// Background modes: whether text is drawn on a box of the background colour.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Raster operations of CDC::BitBlt, applied bitwise to the pixel values (s source, d target).
inline constexpr DWORD SRCCOPY = 0x00CC0020;   // d = s
inline constexpr DWORD SRCINVERT = 0x00660046; // d = d XOR s
inline constexpr DWORD SRCAND = 0x008800C6;    // d = d AND s

// Text layout flags of CDC::DrawText.
inline constexpr unsigned DT_CENTER = 0x01;
inline constexpr unsigned DT_VCENTER = 0x04; // only together with DT_SINGLELINE
inline constexpr unsigned DT_SINGLELINE = 0x20;

// The state behind a drawing context: the bitmap it draws into and its attributes.
struct DeviceContext {
    CBitmap* pBitmap = nullptr;
    QPoint ptWindowOrg;          // the logical point that lands on pixel (0, 0)
    std::optional<CRect> rcClip; // in pixels; none means the whole bitmap
    COLORREF crBk = RGB(255, 255, 255);
    COLORREF crText = RGB(0, 0, 0);
    int nBkMode = OPAQUE;
    QFont font; // the application's font
};
using HDC = DeviceContext*;

// A drawing context: draws into the bitmap selected into it, in logical coordinates that the
// window origin shifts onto pixels, limited to its clip rectangle. It owns its context (m_hDC)
// and deletes it when destroyed; whoever borrows another context's handle sets m_hDC back to
// null before that.
class CDC {
public:
    CDC() = default;
    virtual ~CDC() { DeleteDC(); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    // Set for a context that prints: such a target is drawn on directly, never off screen.
    bool m_bPrinting = false;

    // A fresh memory context: no bitmap, white background, black text, origin (0, 0), no clip.
    bool CreateCompatibleDC(CDC* pDC);
    void DeleteDC();

    // Selects a bitmap (or none, with nullptr) and returns the one it replaces.
    CBitmap* SelectObject(CBitmap* pBitmap);
    CBitmap* GetCurrentBitmap() const;

    QPoint SetWindowOrg(int x, int y);
    QPoint GetWindowOrg() const;

    // The part of the bitmap that drawing can reach, in logical coordinates.
    void GetClipBox(CRect* pRect) const;
    // Narrows drawing to the given logical rectangle.
    void IntersectClipRect(const CRect& rc);

    COLORREF SetBkColor(COLORREF crColour);
    COLORREF GetBkColor() const;
    COLORREF SetTextColor(COLORREF crColour);
    COLORREF GetTextColor() const;
    int SetBkMode(int nBkMode);
    int GetBkMode() const;

    void FillSolidRect(const CRect& rc, COLORREF crColour);
    void FillRect(const CRect& rc, const CBrush* pBrush);
    // Copies nWidth x nHeight pixels from pSrcDC at (xSrc, ySrc) to (x, y), combining them with
    // dwRop (SRCCOPY, SRCINVERT or SRCAND). Between colour and monochrome the pixels convert as
    // the platform does: a colour pixel becomes 1 when it equals the source's background
    // colour and 0 otherwise; a 1 becomes the target's background colour, a 0 its text colour.
    bool BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop);
    // Draws text in the text colour into rc (DT_CENTER, DT_VCENTER with DT_SINGLELINE; left
    // and top otherwise), on a box of the background colour in OPAQUE mode. Returns the height
    // of the text, 0 when nothing could be drawn.
    int DrawText(const QString& strText, const CRect& rc, unsigned nFormat);

private:
    // The clip rectangle in pixels, limited to the selected bitmap; empty without a bitmap.
    CRect DeviceClip() const;
    CRect ToDevice(const CRect& rc) const;
};

} // namespace orvane
