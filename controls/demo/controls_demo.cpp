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
#include <vector>

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

// A bar of the dialog's size.
CGradientProgressCtrl* MakeBar(QWidget* pParent) {
    auto* pBar = new CGradientProgressCtrl(pParent);
    pBar->SetBorder(true);
    pBar->setFixedSize(397, 22);
    return pBar;
}

// Drives a bar as a conversion run over nFiles files does, up to position nReached.
void Run(CGradientProgressCtrl* pBar, int nFiles, int nReached) {
    pBar->SetRange(1, nFiles);
    pBar->SetStep(1);
    pBar->m_bShowPercentage = true;
    while (pBar->GetPos() < nReached) {
        pBar->StepIt();
    }
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
    } aRuns[] = {{8, 2, "position 2 of the range 1 to 8"},
                 {3, 2, "position 2 of the range 1 to 3"},
                 {3, 3, "position 3 of the range 1 to 3"},
                 {4, 5, "after a run over 4 files: position 5 of 1 to 4"},
                 {4, 5, "Reset after that run"},
                 {4, 1, "Reset before any run"}};
    std::vector<CGradientProgressCtrl*> bars;
    for (const auto& run : aRuns) {
        pLayout->addWidget(new QLabel(run.szCaption, &window));
        bars.push_back(MakeBar(&window));
        pLayout->addWidget(bars.back());
    }
    pLayout->addWidget(new LogoFace);
    window.show();
    QCoreApplication::processEvents();

    // Bars paint only while they are on screen, as the dialog's bar does during a run.
    for (std::size_t i = 0; i < bars.size(); ++i) {
        Run(bars[i], aRuns[i].nFiles, aRuns[i].nReached);
    }
    bars[4]->ResetAndRepaint();
    bars[5]->SetPos(0);
    bars[5]->ResetAndRepaint();

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
