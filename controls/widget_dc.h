#pragma once

#include "controls/bitmap.h"
#include "controls/dc.h"
#include "controls/rect.h"

class QWidget;

namespace orvane {

// A drawing context for painting on a widget's face from inside the widget's paintEvent:
// it offers a picture of an area of the widget, filled with the widget's background colour and
// addressed in the widget's client coordinates, and paints that picture onto the widget, in one
// piece, when it is destroyed. Use it only while the widget's paint event runs.
//
//     void CSomeDialog::paintEvent(QPaintEvent*) {
//         CCISBitmap bmpLogo;
//         bmpLogo.LoadBitmap(":/logo.bmp");
//         CWidgetDC dc(this);
//         bmpLogo.DrawTransparent(&dc, 25, 385, RGB(236, 233, 216));
//     }
class CWidgetDC : public CDC {
public:
    // The whole client area.
    explicit CWidgetDC(QWidget* pWidget);
    // Part of it, in client coordinates; drawing outside that part is lost.
    CWidgetDC(QWidget* pWidget, const CRect& rcArea);
    ~CWidgetDC() override;
    CWidgetDC(const CWidgetDC&) = delete;
    CWidgetDC& operator=(const CWidgetDC&) = delete;

private:
    QWidget* m_pWidget;
    CRect m_rcArea;
    CBitmap m_bmpFace;
    CBitmap* m_pOldBitmap = nullptr;
};

} // namespace orvane
