// Drawing on a widget's face from its paint event, as the main dialog draws its logo.

#include "controls/cis_bitmap.h"
#include "controls/widget_dc.h"

#include <QPaintEvent>
#include <QPalette>
#include <QWidget>
#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr COLORREF kKey = RGB(236, 233, 216);
constexpr COLORREF kFace = RGB(0x30, 0x60, 0x90);
constexpr COLORREF kLogo = RGB(200, 0, 0);

// A face with a 3 x 2 logo at (5, 4) whose middle column is the key colour.
class LogoFace : public QWidget {
protected:
    void paintEvent(QPaintEvent* /*pEvent*/) override {
        QImage logo(3, 2, QImage::Format_RGB32);
        logo.fill(ToQRgb(kLogo));
        logo.setPixel(1, 0, ToQRgb(kKey));
        logo.setPixel(1, 1, ToQRgb(kKey));
        CCISBitmap bmpLogo;
        bmpLogo.Attach(logo);
        CWidgetDC dc(this, {5, 4, 8, 6});
        bmpLogo.DrawTransparent(&dc, 5, 4, kKey);
        dc.FillSolidRect({0, 0, 2, 2}, kLogo); // outside the area: lost
    }
};

TEST(WidgetDC, DrawsOnTheWidgetsFaceWithTheKeyShowingTheFace) {
    LogoFace face;
    QPalette palette = face.palette();
    palette.setColor(QPalette::Window, QColor(ToQRgb(kFace)));
    face.setPalette(palette);
    face.resize(12, 10);

    const QImage shown = face.grab().toImage().convertToFormat(QImage::Format_RGB32);

    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool bLogo = y >= 4 && y < 6 && (x == 5 || x == 7);
            EXPECT_EQ(FromQRgb(shown.pixel(x, y)), bLogo ? kLogo : kFace) << "at " << x << "," << y;
        }
    }
}

} // namespace
} // namespace orvane
