#pragma once

#include "controls/bitmap.h"
#include "controls/colorref.h"
#include "controls/progress_ctrl.h"
#include "controls/rect.h"

class QPaintEvent;

namespace orvane {

class CDC;

// The conversion progress bar: a red-to-blue gradient up to the filled width, the button-face
// colour beyond it, and optionally the percentage in white, centred on the bar. It keeps its
// own range, step and position, tells the control underneath of every change, and paints the
// whole bar itself, composed off screen and copied in one piece, so it never flickers.
//
// The bar keeps a picture of its client area (Screen()): painting draws into that picture, and
// the paint event shows it in one copy. A paint that draws nothing leaves the previous picture
// on the screen; until the first one, the picture shows the parent's background.
//
// In a dialog: keep it as a member, give it the dialog as parent, SetBorder(true) for the
// frame, and place it with setGeometry (the frame adds one pixel on each side to the client
// area). Progress calls repaint it at once, also while a long operation blocks the event loop.
class CGradientProgressCtrl : public CProgressCtrl {
    Q_OBJECT

public:
    explicit CGradientProgressCtrl(QWidget* pParent = nullptr);
    ~CGradientProgressCtrl() override;

    // Sets the range; the position goes to the lower bound. The control underneath is told
    // only the low 16 bits of each bound.
    void SetRange(int nLower, int nUpper);
    void SetPos(int nPos);
    void SetStep(int nStep);
    // Adds the step to the position, without a limit and without wrapping to the lower bound.
    void StepIt();
    // Paints the bar once for the current position, even outside the range, asks for a
    // repaint and sets the position to 0. The repaint at 0 draws nothing, so the bar keeps
    // the picture painted here.
    void ResetAndRepaint();

    int GetPos() const { return m_nPos; }
    void GetRange(int& nLower, int& nUpper) const;

    // A one-pixel frame around the client area, as the dialog's bar has.
    void SetBorder(bool bBorder);
    // The client area: (0, 0) to (width, height) inside the frame.
    CRect GetClientRect() const;

    // Paints the bar for the current position into its picture of the client area, if the
    // position is above the lower bound and not above the upper one; otherwise leaves the
    // picture as it is. The paint event calls it before it shows the picture.
    void OnPaint();
    // Erase requests are answered without drawing, so the bar is never cleared between paints.
    // The widget asks for no erase at all (it paints opaquely and fills no background).
    bool OnEraseBkgnd(CDC* pDC);

    // What the bar shows, one pixel per client pixel.
    const QImage& Screen();

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    void PaintGradient(CDC* pDC, const CRect& rcClient, int nFilledWidth);
    // The picture of the client area, grown or shrunk to the client size; new parts show the
    // parent's background.
    CBitmap& ScreenBitmap();

    int m_nLower;
    int m_nUpper;
    int m_nStep;
    int m_nPos;
    const COLORREF m_crStart;
    const COLORREF m_crEnd;
    const COLORREF m_crBackground;
    const COLORREF m_crText;

public:
    // Draw the percentage text. The conversion run switches it on; nothing switches it off.
    bool m_bShowPercentage;

private:
    bool m_bBorder = false;
    CBitmap m_bmpScreen;
};

} // namespace orvane
