// Shows the controls in a real window: gradient bars driven to several positions the way a
// conversion run drives them, and a picture drawn with its key colour transparent.
//
//     controls-demo                 stays open until closed
//     controls-demo --grab FILE     saves the window as FILE (PNG) and quits

#include "controls/cis_bitmap.h"
#include "controls/gradient_progress_ctrl.h"
#include "controls/widget_dc.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using namespace orvane;

constexpr COLORREF kLogoKey = RGB(236, 233, 216);

// A stand-in logo on the key colour: a dark frame with a diagonal band.
QImage MakeLogo() {
    QImage image(144, 98, QImage::Format_RGB32);
    image.fill(ToQRgb(kLogoKey));
    QPainter painter(&image);
    painter.setPen(QPen(QColor(20, 40, 120), 6));
    painter.drawRect(10, 10, 124, 78);
    painter.fillRect(QRect(30, 40, 84, 18), QColor(200, 30, 30));
    return image;
}

// A window face with the logo drawn on it transparently, the way the main dialog draws its own.
class LogoFace : public QWidget {
public:
    LogoFace() { setMinimumSize(200, 120); }

protected:
    void paintEvent(QPaintEvent*) override {
        CCISBitmap bmpLogo;
        bmpLogo.Attach(MakeLogo());
        CWidgetDC dc(this);
        bmpLogo.DrawTransparent(&dc, 25, 10, kLogoKey);
    }
};

// A bar of the dialog's size, run through files until it reaches nReached of nFiles.
CGradientProgressCtrl* MakeBar(QWidget* pParent, int nFiles, int nReached) {
    auto* pBar = new CGradientProgressCtrl(pParent);
    pBar->SetBorder(true);
    pBar->setFixedSize(397, 22);
    pBar->show();
    pBar->SetRange(1, nFiles);
    pBar->SetStep(1);
    pBar->m_bShowPercentage = true;
    while (pBar->GetPos() < nReached) {
        pBar->StepIt();
    }
    return pBar;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Orvane controls");
    auto* pLayout = new QVBoxLayout(&window);
    const struct {
        int nFiles;
        int nReached;
        const char* szCaption;
    } aBars[] = {{8, 2, "1 of 8"},
                 {3, 2, "1 of 3"},
                 {3, 3, "2 of 3"},
                 {4, 4, "3 of 4"},
                 {4, 5, "after a run over 4 files"}};
    for (const auto& bar : aBars) {
        pLayout->addWidget(new QLabel(bar.szCaption, &window));
        pLayout->addWidget(MakeBar(&window, bar.nFiles, bar.nReached));
    }
    pLayout->addWidget(new QLabel("after Reset", &window));
    CGradientProgressCtrl* pReset = MakeBar(&window, 4, 3);
    pLayout->addWidget(pReset);
    pReset->ResetAndRepaint();
    pLayout->addWidget(new LogoFace);
    window.show();

    const QStringList args = app.arguments();
    const qsizetype nGrab = args.indexOf("--grab");
    if (nGrab >= 0 && nGrab + 1 < args.size()) {
        QTimer::singleShot(500, [&] {
            window.grab().save(args.at(nGrab + 1));
            app.quit();
        });
    }
    return app.exec();
}
