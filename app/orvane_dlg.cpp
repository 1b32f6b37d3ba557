#include "app/orvane_dlg.h"

#include "app/about_dlg.h"
#include "app/data_file_choice.h"
#include "app/dialog_units.h"
#include "app/resources.h"
#include "app/texts.h"
#include "controls/cis_bitmap.h"
#include "controls/gradient_progress_ctrl.h"
#include "controls/widget_dc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace orvane {

namespace {

// Where the logo sits in the client area, and its background colour, which the dialog's face
// replaces.
constexpr int kLogoX = 25;
constexpr int kLogoY = 385;
constexpr COLORREF kLogoKey = RGB(236, 233, 216);

QString Text(const char* pszText) {
    return QString::fromLatin1(pszText);
}

QLabel* AddLabel(QWidget* pParent, const char* pszText, const QRect& rect,
                 Qt::Alignment alignment = Qt::AlignLeft) {
    auto* pLabel = new QLabel(Text(pszText), pParent);
    pLabel->setTextFormat(Qt::PlainText);
    pLabel->setAlignment(alignment | Qt::AlignTop);
    pLabel->setGeometry(rect);
    return pLabel;
}

QPushButton* AddButton(QWidget* pParent, const char* pszText, const QRect& rect) {
    auto* pButton = new QPushButton(Text(pszText), pParent);
    pButton->setGeometry(rect);
    return pButton;
}

} // namespace

COrvaneDlg::COrvaneDlg(const DlgServices& services, QWidget* pParent)
    : QDialog(pParent), m_services(services) {
    setWindowTitle(Text(texts::kMainCaption));
    // Caption and close box, no minimize or maximize box; the size is fixed.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ProgramIcon());
    ApplyDialogFont(this);
    setFixedSize(MapDialogSize(279, 318));
    CreateControls();
}

COrvaneDlg::~COrvaneDlg() = default;

// The controls in the order of the dialog's tab stops, which is the order they are created in.
void COrvaneDlg::CreateControls() {
    QPushButton* pSelect = AddButton(this, texts::kSelectFiles, MapDialogRect(7, 6, 63, 22));
    QPushButton* pConvert = AddButton(this, texts::kConvert, MapDialogRect(134, 257, 63, 22));
    QPushButton* pReset = AddButton(this, texts::kReset, MapDialogRect(201, 257, 63, 22));
    QPushButton* pClose = AddButton(this, texts::kClose, MapDialogRect(134, 283, 131, 22));
    pClose->setDefault(true);

    AddLabel(this, texts::kFilesLabel, MapDialogRect(7, 41, 78, 8));

    m_listFiles = new QListWidget(this);
    m_listFiles->setGeometry(MapDialogRect(7, 50, 265, 165));
    m_listFiles->setSortingEnabled(false); // entries stay in the order they were added
    m_listFiles->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_listFiles->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    m_progress = new CGradientProgressCtrl(this);
    m_progress->SetBorder(true); // a 397-pixel control with a 395-pixel client area
    m_progress->setGeometry(MapDialogRect(7, 215, 265, 14));

    AddLabel(this, texts::kZeroPercent, MapDialogRect(8, 230, 10, 8));
    AddLabel(this, texts::kHundredPercent, MapDialogRect(255, 230, 17, 8));

    m_comboDataFile = new QComboBox(this);
    m_comboDataFile->setEditable(true);
    m_comboDataFile->setInsertPolicy(QComboBox::NoInsert); // typing names a table, adds none
    const QRect rcCombo = MapDialogRect(183, 6, 59, 65);   // 65 units with the drop-down list
    m_comboDataFile->setGeometry(rcCombo.x(), rcCombo.y(), rcCombo.width(),
                                 m_comboDataFile->sizeHint().height());
    m_comboDataFile->setToolTip(Text(texts::kDataFileTip));

    AddLabel(this, texts::kDataFileLabel, MapDialogRect(122, 9, 56, 10), Qt::AlignHCenter);

    m_checkKeepManufacturer = new QCheckBox(Text(texts::kKeepManufacturer), this);
    m_checkKeepManufacturer->setGeometry(MapDialogRect(173, 39, 99, 10));
    m_checkKeepManufacturer->setToolTip(Text(texts::kKeepManufacturerTip));

    connect(pSelect, &QPushButton::clicked, this, &COrvaneDlg::OnSelectFiles);
    connect(pConvert, &QPushButton::clicked, this, &COrvaneDlg::OnConvert);
    connect(pReset, &QPushButton::clicked, this, &COrvaneDlg::OnReset);
    connect(pClose, &QPushButton::clicked, this, &COrvaneDlg::accept);
}

void COrvaneDlg::showEvent(QShowEvent* pEvent) {
    if (!m_bInitialised) {
        OnInitDialog();
    }
    QDialog::showEvent(pEvent);
}

void COrvaneDlg::OnInitDialog() {
    if (m_bInitialised) {
        return;
    }
    m_bInitialised = true;
    // The single entry, selected without a selection-change notification: m_strDataFile stays
    // empty until the user picks an entry.
    m_comboDataFile->addItem(Text(texts::kDefaultDataFile));
    m_comboDataFile->setCurrentIndex(0);
    connect(m_comboDataFile, &QComboBox::activated, this, &COrvaneDlg::OnSelChangeDataFile);
    m_checkKeepManufacturer->setChecked(true);
    if (m_services.showDisclaimer) {
        m_services.showDisclaimer(this);
    }
}

void COrvaneDlg::OnReset() {
    m_arrNewFiles.clear();
    m_listFiles->clear();
    m_progress->ResetAndRepaint();
}

void COrvaneDlg::OnSelChangeDataFile(int nIndex) {
    if (nIndex >= 0) {
        m_strDataFile = m_comboDataFile->itemText(nIndex);
    }
}

void COrvaneDlg::accept() {
    m_strDataFile = m_comboDataFile->currentText();
    QDialog::accept();
}

QString COrvaneDlg::CurrentDataFile() const {
    return ResolveDataFile(m_comboDataFile->currentText(), m_services.strProgramFolder);
}

void COrvaneDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

QMenu* COrvaneDlg::CreateContextMenu() {
    auto* pMenu = new QMenu(this);
    QAction* pAbout = pMenu->addAction(Text(texts::kAboutItem));
    connect(pAbout, &QAction::triggered, this, &COrvaneDlg::OnAbout);
    return pMenu;
}

void COrvaneDlg::contextMenuEvent(QContextMenuEvent* pEvent) {
    QMenu* pMenu = CreateContextMenu();
    pMenu->setAttribute(Qt::WA_DeleteOnClose);
    pMenu->popup(pEvent->globalPos());
}

// The logo is drawn on the dialog's face on every paint, its background left out so that the
// face shows through.
void COrvaneDlg::paintEvent(QPaintEvent* pEvent) {
    QDialog::paintEvent(pEvent);
    CCISBitmap bmpLogo;
    if (bmpLogo.LoadBitmap(kLogoResource)) {
        CWidgetDC dc(this,
                     CRect(kLogoX, kLogoY, kLogoX + bmpLogo.Width(), kLogoY + bmpLogo.Height()));
        bmpLogo.DrawTransparent(&dc, kLogoX, kLogoY, kLogoKey);
    }
}

} // namespace orvane
