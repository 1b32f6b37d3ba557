// The gradient progress bar: what it paints for a position, what it leaves alone, the text, and
// how it follows the calls of a conversion run.

#include "controls/colorref.h"
#include "controls/dc.h"
#include "controls/gradient_progress_ctrl.h"

#include <QApplication>
#include <QPalette>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace orvane {
namespace {

constexpr COLORREF kButtonFace = RGB(0x12, 0x34, 0x56);
constexpr COLORREF kParentBackground = RGB(0x20, 0x40, 0x60);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kHeight = 20;

constexpr COLORREF Band(int i) {
    return RGB(static_cast<std::uint8_t>(255 - i), 0, static_cast<std::uint8_t>(i));
}

COLORREF At(const QImage& image, int x, int y) {
    return FromQRgb(image.pixel(x, y));
}

// Every row of the bar is the same; returns the first row that differs from row 0, or -1.
int FirstUnevenRow(const QImage& image) {
    for (int y = 1; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(x, 0)) {
                return y;
            }
        }
    }
    return -1;
}

class GradientBar : public ::testing::Test {
protected:
    void SetUp() override {
        m_oldPalette = QApplication::palette();
        QPalette palette = m_oldPalette;
        palette.setColor(QPalette::Button, QColor(ToQRgb(kButtonFace)));
        palette.setColor(QPalette::Window, QColor(ToQRgb(kParentBackground)));
        QApplication::setPalette(palette);
    }
    void TearDown() override { QApplication::setPalette(m_oldPalette); }

    static std::unique_ptr<CGradientProgressCtrl> MakeBar(int nWidth) {
        auto pBar = std::make_unique<CGradientProgressCtrl>();
        pBar->resize(nWidth, kHeight);
        return pBar;
    }
    // The picture a bar of the given width paints for a position of the range 0 to nUpper.
    static QImage Painted(int nWidth, int nPos, int nUpper, bool bPercentage) {
        auto pBar = MakeBar(nWidth);
        pBar->SetRange(0, nUpper);
        pBar->SetPos(nPos);
        pBar->m_bShowPercentage = bPercentage;
        pBar->OnPaint();
        return pBar->Screen().copy();
    }

private:
    QPalette m_oldPalette;
};

// With 2 pixels per band every band is visible: band i is RGB(255 - i, 0, i).
TEST_F(GradientBar, BandsRunFromRedToBlue) {
    const QImage screen = Painted(510, 100, 100, false);
    ASSERT_EQ(screen.size(), QSize(510, kHeight));
    for (int x = 0; x < 510; ++x) {
        EXPECT_EQ(At(screen, x, 0), Band(x / 2)) << "column " << x;
    }
    EXPECT_EQ(FirstUnevenRow(screen), -1);
}

// 395 / 255 in single precision puts the last band edge at 394: the last column keeps the
// surface's initial colour, the paint context's white background.
TEST_F(GradientBar, FullBarAtTheDialogsWidthEndsOneColumnShort) {
    const QImage screen = Painted(395, 4, 4, false);
    EXPECT_EQ(At(screen, 0, 0), Band(0));
    EXPECT_EQ(At(screen, 393, 0), Band(254));
    EXPECT_EQ(At(screen, 394, 0), kWhite);
    for (int x = 1; x < 394; ++x) {
        const COLORREF cr = At(screen, x, 0);
        ASSERT_EQ(cr, Band(GetBValue(cr))) << "column " << x;
        ASSERT_GE(GetBValue(cr), GetBValue(At(screen, x - 1, 0))) << "column " << x;
    }
    EXPECT_EQ(FirstUnevenRow(screen), -1);
}

// Narrower than 255 pixels, most bands are empty; the visible ones still run from red to blue,
// skipping colours evenly.
TEST_F(GradientBar, NarrowBarSkipsBandsEvenly) {
    const QImage screen = Painted(100, 100, 100, false);
    EXPECT_EQ(At(screen, 0, 0), Band(2));
    EXPECT_EQ(At(screen, 50, 0), Band(130));
    EXPECT_EQ(At(screen, 99, 0), Band(254));
    for (int x = 1; x < 100; ++x) {
        const COLORREF cr = At(screen, x, 0);
        ASSERT_EQ(cr, Band(GetBValue(cr))) << "column " << x;
        const int nSkip = GetBValue(cr) - GetBValue(At(screen, x - 1, 0));
        EXPECT_TRUE(nSkip == 2 || nSkip == 3) << "column " << x << " skips " << nSkip;
    }
}

// The band crossing the filled width is drawn whole, the rest is the button face; a band that
// ends exactly at the filled width does not stop the bands. At 2 pixels per band:
TEST_F(GradientBar, PartialBarEndsWithTheBandCrossingTheFilledWidth) {
    const struct {
        int nPos;
        int nUpper;
        int nLastColumn;        // the last coloured column
    } aCases[] = {{1, 4, 127},  // filled width 127, band 63 spans 126 and 127
                  {1, 5, 103}}; // filled width 102 = band 50's right edge: band 51 follows
    for (const auto& c : aCases) {
        const QImage screen = Painted(510, c.nPos, c.nUpper, false);
        EXPECT_EQ(At(screen, c.nLastColumn, 0), Band(c.nLastColumn / 2))
            << c.nPos << "/" << c.nUpper;
        for (int x = c.nLastColumn + 1; x < 510; ++x) {
            ASSERT_EQ(At(screen, x, 0), kButtonFace)
                << c.nPos << "/" << c.nUpper << " column " << x;
        }
    }
}

TEST_F(GradientBar, ResetAndRepaintLeavesOneRedColumnAndTheButtonFace) {
    auto pBar = MakeBar(300);
    pBar->m_bShowPercentage = true;
    pBar->ResetAndRepaint();

    EXPECT_EQ(pBar->GetPos(), 0);
    const QImage& screen = pBar->Screen();
    EXPECT_EQ(At(screen, 0, 0), Band(0));
    for (int x = 1; x < 300; ++x) {
        ASSERT_EQ(At(screen, x, 0), kButtonFace) << "column " << x;
    }
    EXPECT_EQ(FirstUnevenRow(screen), -1);
}

TEST_F(GradientBar, ShowsWhatLiesBeneathUntilAPositionIsInRange) {
    auto pBar = MakeBar(50);
    pBar->OnPaint();
    QImage expected(50, kHeight, QImage::Format_RGB32);
    expected.fill(ToQRgb(kParentBackground));
    EXPECT_EQ(pBar->Screen(), expected);
}

// Positions outside lower < position <= upper draw nothing: the previous picture stays.
struct OutOfRangeCase {
    const char* szName;
    std::function<void(CGradientProgressCtrl&)> apply;
};
void PrintTo(const OutOfRangeCase& c, std::ostream* pOut) {
    *pOut << c.szName;
}

class GradientBarOutOfRange : public GradientBar,
                              public ::testing::WithParamInterface<OutOfRangeCase> {};

TEST_P(GradientBarOutOfRange, KeepsThePreviousPicture) {
    auto pBar = MakeBar(200);
    pBar->m_bShowPercentage = true;
    pBar->SetRange(0, 4);
    pBar->SetPos(2);
    pBar->OnPaint();
    const QImage before = pBar->Screen().copy();

    GetParam().apply(*pBar);
    pBar->OnPaint();

    EXPECT_EQ(pBar->Screen(), before);
}

INSTANTIATE_TEST_SUITE_P(
    GradientBar, GradientBarOutOfRange,
    ::testing::Values(
        OutOfRangeCase{"AtTheLowerBound", [](CGradientProgressCtrl& bar) { bar.SetRange(1, 4); }},
        OutOfRangeCase{"BelowTheLowerBound", [](CGradientProgressCtrl& bar) { bar.SetPos(-1); }},
        OutOfRangeCase{"StepsPastTheUpperBound",
                       [](CGradientProgressCtrl& bar) {
                           bar.SetRange(1, 3);
                           bar.SetStep(1);
                           for (int i = 0; i < 3; ++i) {
                               bar.StepIt();
                           }
                       }},
        OutOfRangeCase{"RunOverOneFile",
                       [](CGradientProgressCtrl& bar) {
                           bar.SetRange(1, 1);
                           bar.SetStep(1);
                           bar.StepIt();
                       }}),
    [](const auto& row) { return std::string(row.param.szName); });

// The percentage is white text centred over the whole bar: the bar with text equals the bar
// without text with the expected text drawn on top.
struct PercentCase {
    int nPos;
    int nUpper;
    const char* szText;
};
void PrintTo(const PercentCase& c, std::ostream* pOut) {
    *pOut << c.szText;
}

class GradientBarPercentage : public GradientBar,
                              public ::testing::WithParamInterface<PercentCase> {};

TEST_P(GradientBarPercentage, IsDrawnInWhiteCentredOnTheBar) {
    const PercentCase& c = GetParam();
    const QImage withText = Painted(395, c.nPos, c.nUpper, true);

    CBitmap expected;
    expected.Attach(Painted(395, c.nPos, c.nUpper, false));
    ASSERT_NE(withText, expected.Image()) << "no text drawn";
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&expected);
    dc.SetTextColor(kWhite);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(c.szText, {0, 0, 395, kHeight}, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(nullptr);

    EXPECT_EQ(withText, expected.Image());
}

INSTANTIATE_TEST_SUITE_P(GradientBar, GradientBarPercentage,
                         ::testing::Values(PercentCase{1, 8, "13%"}, PercentCase{1, 3, "33%"},
                                           PercentCase{2, 3, "67%"}, PercentCase{3, 3, "100%"}));

TEST_F(GradientBar, TellsTheControlUnderneathOnlyTheLow16BitsOfTheRange) {
    auto pBar = MakeBar(100);
    pBar->SetRange(-1, 0x11170);
    int nLower = 0;
    int nUpper = 0;
    pBar->GetRange(nLower, nUpper);
    EXPECT_EQ(nLower, -1);
    EXPECT_EQ(nUpper, 0x11170);
    EXPECT_EQ(pBar->GetPos(), -1);
    EXPECT_EQ(pBar->LastMessage().nMsg, PBM_SETRANGE);
    EXPECT_EQ(pBar->LastMessage().wParam, 0u);
    EXPECT_EQ(pBar->LastMessage().lParam, 0x1170FFFF);
}

TEST_F(GradientBar, StepItGrowsWithoutLimit) {
    auto pBar = MakeBar(100);
    pBar->SetRange(1, 3);
    pBar->SetStep(2);
    EXPECT_EQ(pBar->LastMessage().nMsg, PBM_SETSTEP);
    EXPECT_EQ(pBar->LastMessage().wParam, 2u);
    for (int i = 0; i < 4; ++i) {
        pBar->StepIt();
    }
    EXPECT_EQ(pBar->GetPos(), 9);
    EXPECT_EQ(pBar->LastMessage().nMsg, PBM_STEPIT);

    pBar->SetPos(7);
    EXPECT_EQ(pBar->LastMessage().nMsg, PBM_SETPOS);
    EXPECT_EQ(pBar->LastMessage().wParam, 7u);
}

// On screen, the bar repaints at once whenever the run moves it, with no event loop running:
// positions 2 and 3 of 1 to 3 are drawn, 4 leaves the full bar, and Reset then paints all bands
// without text and keeps that picture at position 0.
TEST_F(GradientBar, FollowsAConversionRunOnScreen) {
    auto pBar = MakeBar(395);
    pBar->show();
    QCoreApplication::processEvents(); // lets the window appear
    ASSERT_TRUE(pBar->windowHandle() != nullptr && pBar->windowHandle()->isExposed());

    pBar->SetRange(1, 3);
    pBar->SetStep(1);
    pBar->m_bShowPercentage = true;
    pBar->StepIt();
    EXPECT_EQ(pBar->Screen(), Painted(395, 2, 3, true));
    pBar->StepIt();
    EXPECT_EQ(pBar->Screen(), Painted(395, 3, 3, true));
    pBar->StepIt();
    EXPECT_EQ(pBar->Screen(), Painted(395, 3, 3, true));

    pBar->ResetAndRepaint();
    EXPECT_EQ(pBar->GetPos(), 0);
    EXPECT_EQ(pBar->Screen(), Painted(395, 3, 3, false));
}

// The paint event shows the bar's picture unchanged inside its frame.
TEST_F(GradientBar, PaintEventShowsThePictureInsideTheFrame) {
    auto pBar = std::make_unique<CGradientProgressCtrl>();
    pBar->SetBorder(true);
    pBar->resize(397, kHeight + 2);
    ASSERT_EQ(pBar->GetClientRect(), CRect(0, 0, 395, kHeight));
    pBar->SetRange(0, 3);
    pBar->SetPos(2);
    pBar->m_bShowPercentage = true;

    const QImage shown = pBar->grab().toImage().convertToFormat(QImage::Format_RGB32);

    EXPECT_EQ(shown.copy(1, 1, 395, kHeight), Painted(395, 2, 3, true));
    const COLORREF crFrame = FromQRgb(pBar->palette().color(QPalette::WindowText).rgb());
    EXPECT_EQ(At(shown, 0, 0), crFrame);
    EXPECT_EQ(At(shown, 396, 10), crFrame);
    EXPECT_EQ(At(shown, 200, kHeight + 1), crFrame);
}

} // namespace
} // namespace orvane
