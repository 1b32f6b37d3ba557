#include "controls/gradient_progress_ctrl.h"
#include "dialog_fixture.h"

namespace orvane::test {
namespace {

using SelectFilesTest = DialogTest;

QString DuplicateText(const QString& strPath) {
    return QStringLiteral("The selected file ") + strPath +
           QStringLiteral("\nhas already been added.");
}

TEST_F(SelectFilesTest, AppendsTheChosenFilesAfterTheListedOnesLastChosenFirst) {
    m_pDlg->m_listFiles->addItem(QStringLiteral("/jobs/old.sif"));
    m_openFileDialog.answers.push_back(QStringList{QStringLiteral("/jobs/a.sif"),
                                                   QStringLiteral("/jobs/b.sif"),
                                                   QStringLiteral("/jobs/c.sif")});

    m_pDlg->OnSelectFiles();

    EXPECT_EQ(ListEntries(),
              (QStringList{"/jobs/old.sif", "/jobs/c.sif", "/jobs/b.sif", "/jobs/a.sif"}));
    EXPECT_EQ(m_pDlg->m_arrNewFiles, (QStringList{"/jobs/c.sif", "/jobs/b.sif", "/jobs/a.sif"}));
    EXPECT_EQ(m_pDlg->m_strLastFolder, QStringLiteral("/jobs"));
    EXPECT_TRUE(m_messageBoxes.shown.empty());

    ASSERT_EQ(m_openFileDialog.requests.size(), 1u);
    const OpenFileRequest& request = m_openFileDialog.requests.front();
    EXPECT_EQ(request.strTitle, QStringLiteral("Open SIF"));
    EXPECT_TRUE(request.bMultiSelect);
    EXPECT_EQ(request.filters, (std::vector<FileFilter>{{"Nexavo files (*.Sif)", "*.sif"},
                                                        {"All files (*.*)", "*.*"}}));
}

TEST_F(SelectFilesTest, WarnsOncePerListedFileBeforeAnyNewFileIsListed) {
    m_pDlg->m_listFiles->addItems({QStringLiteral("/jobs/x.sif"), QStringLiteral("/jobs/y.sif")});
    m_openFileDialog.answers.push_back(
        QStringList{QStringLiteral("/jobs/new1.sif"), QStringLiteral("/jobs/x.sif"),
                    QStringLiteral("/jobs/new2.sif"), QStringLiteral("/jobs/y.sif")});

    m_pDlg->OnSelectFiles();

    ASSERT_EQ(m_messageBoxes.shown.size(), 2u);
    const QStringList listedBefore{"/jobs/x.sif", "/jobs/y.sif"};
    const QString expected[] = {DuplicateText("/jobs/x.sif"), DuplicateText("/jobs/y.sif")};
    for (std::size_t i = 0; i < 2; ++i) {
        const ShownMessage& box = m_messageBoxes.shown[i];
        EXPECT_EQ(box.strText, expected[i]);
        EXPECT_EQ(box.strCaption, QStringLiteral("Duplicate Found"));
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
        EXPECT_EQ(box.listAtShow, listedBefore) << "a new file was listed before warning " << i;
    }
    EXPECT_EQ(ListEntries(),
              (QStringList{"/jobs/x.sif", "/jobs/y.sif", "/jobs/new2.sif", "/jobs/new1.sif"}));
}

TEST_F(SelectFilesTest, SelectionOfListedFilesOnlyWarnsForEachAndAddsNothing) {
    m_pDlg->m_listFiles->addItems({QStringLiteral("/jobs/x.sif"), QStringLiteral("/jobs/y.sif")});
    m_pDlg->m_strLastFolder = QStringLiteral("/earlier");
    m_openFileDialog.answers.push_back(
        QStringList{QStringLiteral("/jobs/y.sif"), QStringLiteral("/jobs/x.sif")});

    m_pDlg->OnSelectFiles();

    ASSERT_EQ(m_messageBoxes.shown.size(), 2u);
    EXPECT_EQ(m_messageBoxes.shown[0].strText, DuplicateText("/jobs/y.sif"));
    EXPECT_EQ(m_messageBoxes.shown[1].strText, DuplicateText("/jobs/x.sif"));
    EXPECT_EQ(ListEntries(), (QStringList{"/jobs/x.sif", "/jobs/y.sif"}));
    EXPECT_TRUE(m_pDlg->m_arrNewFiles.isEmpty());
    EXPECT_EQ(m_pDlg->m_strLastFolder, QStringLiteral("/earlier"));
}

TEST_F(SelectFilesTest, SamePathInAnotherLetterCaseIsNotADuplicate) {
    m_pDlg->m_listFiles->addItem(QStringLiteral("/Jobs/Order.SIF"));
    m_openFileDialog.answers.push_back(QStringList{QStringLiteral("/jobs/order.sif")});

    m_pDlg->OnSelectFiles();

    EXPECT_TRUE(m_messageBoxes.shown.empty());
    EXPECT_EQ(ListEntries(), (QStringList{"/Jobs/Order.SIF", "/jobs/order.sif"}));
}

TEST_F(SelectFilesTest, CancelChangesNothingButTheProgressPosition) {
    m_pDlg->m_listFiles->addItem(QStringLiteral("/jobs/x.sif"));
    m_pDlg->m_arrNewFiles = QStringList{QStringLiteral("/jobs/x.sif")};
    m_pDlg->m_strLastFolder = QStringLiteral("/jobs");
    m_pDlg->m_progress->SetRange(1, 3);
    m_pDlg->m_progress->SetPos(3);
    m_openFileDialog.answers.push_back(std::nullopt);

    m_pDlg->OnSelectFiles();

    EXPECT_EQ(m_openFileDialog.requests.size(), 1u);
    EXPECT_EQ(m_pDlg->m_progress->GetPos(), 0);
    EXPECT_EQ(ListEntries(), QStringList{"/jobs/x.sif"});
    EXPECT_EQ(m_pDlg->m_arrNewFiles, QStringList{"/jobs/x.sif"});
    EXPECT_EQ(m_pDlg->m_strLastFolder, QStringLiteral("/jobs"));
    EXPECT_TRUE(m_messageBoxes.shown.empty());
}

TEST_F(SelectFilesTest, EachSelectionStagesOnlyItsOwnFiles) {
    m_openFileDialog.answers.push_back(QStringList{QStringLiteral("/jobs/a.sif")});
    m_openFileDialog.answers.push_back(
        QStringList{QStringLiteral("/other/b.sif"), QStringLiteral("/other/c.sif")});

    m_pDlg->OnSelectFiles();
    m_pDlg->OnSelectFiles();

    EXPECT_EQ(ListEntries(), (QStringList{"/jobs/a.sif", "/other/c.sif", "/other/b.sif"}));
    EXPECT_EQ(m_pDlg->m_arrNewFiles, (QStringList{"/other/c.sif", "/other/b.sif"}));
    EXPECT_EQ(m_pDlg->m_strLastFolder, QStringLiteral("/other"));
}

// The dialog starts in the preferred folder; without one, in the folder of the last selection.
TEST_F(SelectFilesTest, StartsInThePreferredFolderElseInTheLastOne) {
    struct Case {
        const char* pszIni; // nullptr: no preferences file
        const char* pszLastFolder;
        const char* pszExpected;
    };
    const Case cases[] = {
        {nullptr, "", ""},
        {nullptr, "/jobs", "/jobs"},
        {"[User Preferences]\nFiles Directory=/sif/files\n", "/jobs", "/sif/files"},
        {"[user preferences]\r\n  files directory =  /sif/files  \r\n", "", "/sif/files"},
        {"[Other]\nFiles Directory=/wrong\n", "/jobs", "/jobs"},
    };
    for (const Case& c : cases) {
        QFile::remove(Path(QStringLiteral("Nexwin4.ini")));
        if (c.pszIni) {
            WriteFile(QStringLiteral("Nexwin4.ini"), c.pszIni);
        }
        m_pDlg->m_strLastFolder = QString::fromUtf8(c.pszLastFolder);
        m_openFileDialog.requests.clear();
        m_pDlg->OnSelectFiles(); // cancelled: the script has no answers
        ASSERT_EQ(m_openFileDialog.requests.size(), 1u);
        EXPECT_EQ(m_openFileDialog.requests.front().strStartFolder, QString(c.pszExpected))
            << (c.pszIni ? c.pszIni : "no INI file") << ", last folder " << c.pszLastFolder;
    }
}

} // namespace
} // namespace orvane::test
