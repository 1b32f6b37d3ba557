#include "controls/gradient_progress_ctrl.h"

#include "controls/brush.h"
#include "controls/dc.h"
#include "controls/mem_dc.h"
#include "controls/progress_scale.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvane {

namespace {

// A drawing context on the bar's picture of its client area, as fresh as a paint context:
// white background, black text, opaque text boxes.
class CScreenDC : public CDC {
public:
    explicit CScreenDC(CBitmap& bmpScreen) {
        CreateCompatibleDC(nullptr);
        SelectObject(&bmpScreen);
    }
    ~CScreenDC() override { SelectObject(nullptr); }
    CScreenDC(const CScreenDC&) = delete;
    CScreenDC& operator=(const CScreenDC&) = delete;
};

LPARAM RangeParam(int nLower, int nUpper) {
    const auto nLow = static_cast<std::uint32_t>(nLower) & 0xFFFFu;
    const auto nHigh = static_cast<std::uint32_t>(nUpper) & 0xFFFFu;
    return static_cast<LPARAM>(nLow | (nHigh << 16));
}

COLORREF ButtonFace(const QWidget& widget) {
    return FromQRgb(widget.palette().color(QPalette::Active, QPalette::Button).rgb());
}

} // namespace

CGradientProgressCtrl::CGradientProgressCtrl(QWidget* pParent)
    : CProgressCtrl(pParent), m_nLower(0), m_nUpper(100), m_nStep(10), m_nPos(0),
      m_crStart(RGB(255, 0, 0)), m_crEnd(RGB(0, 0, 255)), m_crBackground(ButtonFace(*this)),
      m_crText(RGB(255, 255, 255)), m_bShowPercentage(false) {
    // The paint event covers the whole widget itself; Qt must not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

CGradientProgressCtrl::~CGradientProgressCtrl() = default;

void CGradientProgressCtrl::SetRange(int nLower, int nUpper) {
    m_nUpper = nUpper;
    m_nLower = nLower;
    m_nPos = nLower;
    SendMessage(PBM_SETRANGE, 0, RangeParam(nLower, nUpper));
}

void CGradientProgressCtrl::SetPos(int nPos) {
    m_nPos = nPos;
    SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos), 0);
}

void CGradientProgressCtrl::SetStep(int nStep) {
    m_nStep = nStep;
    SendMessage(PBM_SETSTEP, static_cast<WPARAM>(nStep), 0);
}

void CGradientProgressCtrl::StepIt() {
    // Two's-complement addition: past the int range the position wraps instead of being
    // undefined.
    m_nPos = static_cast<int>(static_cast<unsigned>(m_nPos) + static_cast<unsigned>(m_nStep));
    SendMessage(PBM_STEPIT, 0, 0);
}

void CGradientProgressCtrl::ResetAndRepaint() {
    CScreenDC dc(ScreenBitmap());
    const CRect rcClient = GetClientRect();
    PaintGradient(&dc, rcClient, FilledWidth(m_nPos, m_nUpper, rcClient.right));
    update();
    SetPos(0);
}

void CGradientProgressCtrl::GetRange(int& nLower, int& nUpper) const {
    nLower = m_nLower;
    nUpper = m_nUpper;
}

void CGradientProgressCtrl::SetBorder(bool bBorder) {
    m_bBorder = bBorder;
    const int nMargin = bBorder ? 1 : 0;
    setContentsMargins(nMargin, nMargin, nMargin, nMargin);
}

CRect CGradientProgressCtrl::GetClientRect() const {
    const QRect rcContents = contentsRect();
    return {0, 0, std::max(rcContents.width(), 0), std::max(rcContents.height(), 0)};
}

void CGradientProgressCtrl::OnPaint() {
    CScreenDC dc(ScreenBitmap());
    if (!(m_nLower < m_nPos && m_nPos <= m_nUpper)) {
        return;
    }
    const CRect rcClient = GetClientRect();
    PaintGradient(&dc, rcClient, FilledWidth(m_nPos, m_nUpper, rcClient.right));
    if (m_bShowPercentage) {
        const QString strPercent = QString::fromStdString(PercentageText(m_nPos, m_nUpper));
        dc.SetTextColor(m_crText);
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(strPercent, rcClient, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

bool CGradientProgressCtrl::OnEraseBkgnd(CDC* /*pDC*/) {
    return true;
}

const QImage& CGradientProgressCtrl::Screen() {
    return ScreenBitmap().Image();
}

void CGradientProgressCtrl::paintEvent(QPaintEvent* /*pEvent*/) {
    OnPaint();
    QPainter painter(this);
    if (m_bBorder) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.drawImage(contentsRect().topLeft(), m_bmpScreen.Image());
}

void CGradientProgressCtrl::PaintGradient(CDC* pDC, const CRect& rcClient, int nFilledWidth) {
    CMemDC memDC(pDC);

    const int nStartR = GetRValue(m_crStart);
    const int nStartG = GetGValue(m_crStart);
    const int nStartB = GetBValue(m_crStart);
    const int dR = GetRValue(m_crEnd) - nStartR;
    const int dG = GetGValue(m_crEnd) - nStartG;
    const int dB = GetBValue(m_crEnd) - nStartB;
    const int nSteps = std::max({std::abs(dR), std::abs(dG), std::abs(dB)});
    if (nSteps == 0) {
        return; // start and end colours are equal: no bands
    }

    // Band width and colour increments in single precision, as the bar has always used them:
    // the band edges and colours follow from their rounding.
    const auto fSteps = static_cast<float>(nSteps);
    const float w = static_cast<float>(rcClient.right) / fSteps;
    const float incR = static_cast<float>(dR) / fSteps;
    const float incG = static_cast<float>(dG) / fSteps;
    const float incB = static_cast<float>(dB) / fSteps;
    const auto Channel = [](int nStart, int i, float inc) {
        const double dValue = std::trunc(nStart + i * static_cast<double>(inc));
        return static_cast<std::uint8_t>(std::clamp(dValue, 0.0, 255.0));
    };

    for (int i = 0; i < nSteps; ++i) {
        const auto nLeft = static_cast<int>(i * static_cast<double>(w));
        const auto nRight = static_cast<int>((i + 1) * static_cast<double>(w));
        CBrush brush;
        brush.CreateSolidBrush(
            RGB(Channel(nStartR, i, incR), Channel(nStartG, i, incG), Channel(nStartB, i, incB)));
        memDC.FillRect(CRect(nLeft, 0, nRight, rcClient.bottom), &brush);
        brush.DeleteObject();

        // The band that crosses the filled width is drawn whole; the rest is background.
        if (nRight > nFilledWidth) {
            CBrush brushBackground;
            brushBackground.CreateSolidBrush(m_crBackground);
            memDC.FillRect(CRect(nRight, 0, rcClient.right, rcClient.bottom), &brushBackground);
            brushBackground.DeleteObject();
            break;
        }
    }
}

CBitmap& CGradientProgressCtrl::ScreenBitmap() {
    const CRect rcClient = GetClientRect();
    const QSize size(rcClient.Width(), rcClient.Height());
    if (m_bmpScreen.Image().size() != size) {
        QImage screen(size, QImage::Format_RGB32);
        if (!screen.isNull()) {
            screen.fill(palette().color(backgroundRole()));
            if (!m_bmpScreen.IsNull()) {
                QPainter(&screen).drawImage(0, 0, m_bmpScreen.Image());
            }
        }
        m_bmpScreen.Attach(screen);
    }
    return m_bmpScreen;
}

} // namespace orvane
