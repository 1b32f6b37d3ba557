#include "app/resources.h"
#include "controls/gradient_progress_ctrl.h"
#include "dialog_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QMenu>
#include <QPushButton>

namespace orvane::test {
namespace {

using MainDialogTest = DialogTest;

TEST_F(MainDialogTest, StartsWithTheDefaultTableCheckedBoxAndTheDisclaimer) {
    EXPECT_EQ(m_pDlg->windowTitle(), QStringLiteral("Kestova Orvane"));
    ASSERT_EQ(m_pDlg->m_comboDataFile->count(), 1);
    EXPECT_EQ(m_pDlg->m_comboDataFile->itemText(0), QStringLiteral("Data.txt"));
    EXPECT_EQ(m_pDlg->m_comboDataFile->currentText(), QStringLiteral("Data.txt"));
    EXPECT_TRUE(m_pDlg->m_strDataFile.isEmpty());
    EXPECT_TRUE(m_pDlg->m_checkKeepManufacturer->isChecked());
    EXPECT_EQ(m_pDlg->m_listFiles->count(), 0);
    EXPECT_FALSE(m_pDlg->m_checkKeepManufacturer->toolTip().isEmpty());
    EXPECT_FALSE(m_pDlg->m_comboDataFile->toolTip().isEmpty());

    m_pDlg->OnInitDialog(); // a second call, as a second show would make, adds nothing
    EXPECT_EQ(m_pDlg->m_comboDataFile->count(), 1);
    EXPECT_EQ(m_disclaimerOwners, std::vector<QWidget*>{m_pDlg.get()});
}

// Template positions in dialog units turn into pixels as the platform maps them for the 8-point
// dialog font; the progress bar's client area comes out 395 pixels wide.
TEST_F(MainDialogTest, LaysOutTheTemplateInPixels) {
    EXPECT_EQ(m_pDlg->size(), QSize(419, 517));
    EXPECT_EQ(m_pDlg->m_progress->geometry(), QRect(11, 349, 397, 23));
    EXPECT_EQ(m_pDlg->m_progress->GetClientRect().Width(), 395);
    EXPECT_EQ(m_pDlg->m_listFiles->geometry(), QRect(11, 81, 397, 268));
}

TEST_F(MainDialogTest, TabOrderFollowsTheTemplateAndCloseIsTheDefaultButton) {
    QStringList order;
    QWidget* pWidget = m_pDlg.get();
    for (int i = 0; i < 20; ++i) {
        pWidget = pWidget->nextInFocusChain();
        if (pWidget == m_pDlg.get()) {
            break;
        }
        if (pWidget->focusPolicy() & Qt::TabFocus) {
            if (auto* pButton = qobject_cast<QPushButton*>(pWidget)) {
                order.append(pButton->text());
            } else if (pWidget == m_pDlg->m_listFiles) {
                order.append(QStringLiteral("list"));
            } else if (pWidget == m_pDlg->m_comboDataFile) {
                order.append(QStringLiteral("combo"));
            } else if (pWidget == m_pDlg->m_checkKeepManufacturer) {
                order.append(QStringLiteral("check"));
            }
        }
    }
    EXPECT_EQ(order, (QStringList{"&Select Files", "&Convert", "&Reset", "&Close", "list", "combo",
                                  "check"}));

    QPushButton* pDefault = nullptr;
    for (QPushButton* pButton : m_pDlg->findChildren<QPushButton*>()) {
        if (pButton->isDefault()) {
            EXPECT_EQ(pDefault, nullptr);
            pDefault = pButton;
        }
    }
    ASSERT_NE(pDefault, nullptr);
    EXPECT_EQ(pDefault->text(), QStringLiteral("&Close"));
}

TEST_F(MainDialogTest, ResetEmptiesTheListsAndZeroesTheBarOnly) {
    m_pDlg->m_listFiles->addItems({QStringLiteral("/jobs/a.sif"), QStringLiteral("/jobs/b.sif")});
    m_pDlg->m_arrNewFiles = QStringList{QStringLiteral("/jobs/b.sif")};
    m_pDlg->m_strLastFolder = QStringLiteral("/jobs");
    m_pDlg->m_progress->SetRange(1, 2);
    m_pDlg->m_progress->SetPos(3);
    m_pDlg->m_comboDataFile->setEditText(QStringLiteral("/tables/other.txt"));
    m_pDlg->m_checkKeepManufacturer->setChecked(false);

    m_pDlg->OnReset();

    EXPECT_EQ(m_pDlg->m_listFiles->count(), 0);
    EXPECT_TRUE(m_pDlg->m_arrNewFiles.isEmpty());
    EXPECT_EQ(m_pDlg->m_progress->GetPos(), 0);
    EXPECT_EQ(m_pDlg->m_strLastFolder, QStringLiteral("/jobs"));
    EXPECT_EQ(m_pDlg->m_comboDataFile->currentText(), QStringLiteral("/tables/other.txt"));
    EXPECT_FALSE(m_pDlg->m_checkKeepManufacturer->isChecked());
    EXPECT_TRUE(m_messageBoxes.shown.empty());

    m_pDlg->OnReset(); // on an empty list too: no message
    EXPECT_EQ(m_pDlg->m_listFiles->count(), 0);
    EXPECT_TRUE(m_messageBoxes.shown.empty());
}

TEST_F(MainDialogTest, DataFileFollowsTheSelectionAndTheTextOnClose) {
    m_pDlg->OnSelChangeDataFile(0);
    EXPECT_EQ(m_pDlg->m_strDataFile, QStringLiteral("Data.txt"));

    m_pDlg->m_comboDataFile->setEditText(QStringLiteral("/tables/other.txt"));
    EXPECT_EQ(m_pDlg->m_strDataFile, QStringLiteral("Data.txt")) << "typing alone changes nothing";
    m_pDlg->accept();
    EXPECT_EQ(m_pDlg->m_strDataFile, QStringLiteral("/tables/other.txt"));
    EXPECT_EQ(m_pDlg->result(), QDialog::Accepted);
}

TEST_F(MainDialogTest, ContextMenuOffersTheAboutBox) {
    std::unique_ptr<QMenu> pMenu(m_pDlg->CreateContextMenu());
    ASSERT_EQ(pMenu->actions().size(), 1);
    EXPECT_EQ(pMenu->actions().front()->text(), QStringLiteral("&About Orvane..."));
}

// The logo lands at (25, 385) with its background left out: there the dialog's face shows.
TEST_F(MainDialogTest, DrawsTheLogoWithItsBackgroundTransparent) {
    const QImage logo = QImage(kLogoResource).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(logo.size(), QSize(144, 98));
    const QRgb key = qRgb(236, 233, 216);
    ASSERT_EQ(logo.pixel(0, 0), key);

    QPalette palette = m_pDlg->palette();
    palette.setColor(QPalette::Window, QColor(10, 200, 30)); // a face unlike any logo colour
    m_pDlg->setPalette(palette);
    const QImage face = m_pDlg->grab().toImage().convertToFormat(QImage::Format_RGB32);

    int nKeyPixels = 0;
    int nPicturePixels = 0;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            const QRgb expected = logo.pixel(x, y) == key ? qRgb(10, 200, 30) : logo.pixel(x, y);
            ASSERT_EQ(face.pixel(25 + x, 385 + y), expected) << "at logo pixel " << x << "," << y;
            (logo.pixel(x, y) == key ? nKeyPixels : nPicturePixels)++;
        }
    }
    EXPECT_GT(nKeyPixels, 0);
    EXPECT_GT(nPicturePixels, 0);
}

} // namespace
} // namespace orvane::test
