#include "controls/gradient_progress_ctrl.h"
#include "dialog_fixture.h"

#include <QCheckBox>
#include <QComboBox>

namespace orvane::test {
namespace {

// One line of the table: D100 of catalog KSTV becomes KD.100 of catalog KST.
constexpr const char* kTable = "OldPartNumber,NewPartNumber,NewDescription,Series,Category,Price,"
                               "Width,Depth,Height,Effective,OldCatalog,NewCatalog,Notes\n"
                               "D100,KD.100,Desk 100,,,,,,,,KSTV,KST,renumbered\n";
constexpr const char* kMatching = "SF=front.sif\nPN=D100\nPD=Old desk\nMC=KSTV\nQT=2\n";
constexpr const char* kNotMatching = "PN=Z999\nPD=Chair\nMC=KSTV\n";

class ConvertTest : public DialogTest {
protected:
    QString Output(const QString& strUpperName) const {
        return Path(strUpperName + QStringLiteral("(Converted).SIF"));
    }
    static QByteArray Read(const QString& strPath) {
        QFile file(strPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(ConvertTest, ConvertsEveryListedFileAndReportsCompletion) {
    WriteFile(QStringLiteral("program/DATA.txt"), kTable);
    m_pDlg->m_listFiles->addItems({WriteFile(QStringLiteral("a.sif"), kMatching),
                                   WriteFile(QStringLiteral("b.sif"), kNotMatching),
                                   WriteFile(QStringLiteral("c.Sif"), kNotMatching)});

    m_pDlg->OnConvert();

    EXPECT_EQ(Read(Output("A")), QByteArray("SF=front.sif\r\nPN=KD.100\r\nPD=Desk 100\r\n"
                                            "MC=KST\r\nQT=2\r\n"));
    EXPECT_EQ(Read(Output("B")), QByteArray("PN=Z999\r\nPD=Chair\r\nMC=KSTV\r\n"));
    EXPECT_TRUE(QFile::exists(Output("C")));
    EXPECT_TRUE(ListEntries().isEmpty());
    ASSERT_EQ(m_messageBoxes.shown.size(), 1u);
    EXPECT_EQ(m_messageBoxes.shown[0].strText, QStringLiteral("Files Converted"));
    EXPECT_EQ(m_messageBoxes.shown[0].strCaption, QStringLiteral("Conversion Complete"));
    EXPECT_EQ(m_messageBoxes.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(m_pause.pauses, std::vector<int>{500});

    int nLower = 0;
    int nUpper = 0;
    m_pDlg->m_progress->GetRange(nLower, nUpper);
    EXPECT_EQ(nLower, 1);
    EXPECT_EQ(nUpper, 3);
    EXPECT_EQ(m_pDlg->m_progress->GetPos(), 4);
    EXPECT_TRUE(m_pDlg->m_progress->m_bShowPercentage);
    EXPECT_TRUE(m_waitPointer.bEverBusy);
    EXPECT_FALSE(m_waitPointer.bBusy);
}

TEST_F(ConvertTest, RunWithoutAnyMatchEmptiesTheListWithoutMessage) {
    WriteFile(QStringLiteral("program/DATA.txt"), kTable);
    m_pDlg->m_listFiles->addItem(WriteFile(QStringLiteral("b.sif"), kNotMatching));

    m_pDlg->OnConvert();

    EXPECT_TRUE(QFile::exists(Output("B")));
    EXPECT_TRUE(ListEntries().isEmpty());
    EXPECT_TRUE(m_messageBoxes.shown.empty());
}

TEST_F(ConvertTest, UnreadableSecondFileIsReportedRemovedAndEndsTheRun) {
    WriteFile(QStringLiteral("program/DATA.txt"), kTable);
    const QString strFirst = WriteFile(QStringLiteral("a.sif"), kMatching);
    const QString strSecond = Path(QStringLiteral("gone.sif")); // listed, then deleted
    const QString strThird = WriteFile(QStringLiteral("c.sif"), kMatching);
    m_pDlg->m_listFiles->addItems({strFirst, strSecond, strThird});

    m_pDlg->OnConvert();

    ASSERT_EQ(m_messageBoxes.shown.size(), 1u) << "no completion message after a failure";
    const ShownMessage& box = m_messageBoxes.shown[0];
    EXPECT_EQ(box.strText,
              QStringLiteral("There was an error opening source data file \n") + strSecond);
    EXPECT_EQ(box.strCaption, QStringLiteral("File Read Error"));
    EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    EXPECT_EQ(box.listAtShow, (QStringList{strFirst, strSecond, strThird}));
    EXPECT_EQ(ListEntries(), (QStringList{strFirst, strThird}));
    EXPECT_TRUE(QFile::exists(Output("A")));
    EXPECT_FALSE(QFile::exists(Output("C")));
    EXPECT_TRUE(m_pause.pauses.empty());
    EXPECT_FALSE(m_waitPointer.bBusy);
}

TEST_F(ConvertTest, MissingDataFileIsReportedAndChangesNothing) {
    const QString strSource = WriteFile(QStringLiteral("a.sif"), kMatching);
    m_pDlg->m_listFiles->addItem(strSource);

    m_pDlg->OnConvert();

    ASSERT_EQ(m_messageBoxes.shown.size(), 1u);
    EXPECT_EQ(m_messageBoxes.shown[0].strText,
              QStringLiteral("There was an error opening data conversion file \n") +
                  Path(QStringLiteral("program/DATA.txt")));
    EXPECT_EQ(m_messageBoxes.shown[0].strCaption, QStringLiteral("File Read Error"));
    EXPECT_EQ(ListEntries(), QStringList{strSource});
    EXPECT_FALSE(QFile::exists(Output("A")));
    EXPECT_FALSE(m_waitPointer.bBusy);
}

TEST_F(ConvertTest, EmptyListDoesNothing) {
    m_pDlg->m_progress->SetPos(7);

    m_pDlg->OnConvert();

    EXPECT_TRUE(m_messageBoxes.shown.empty());
    EXPECT_TRUE(m_pause.pauses.empty());
    EXPECT_EQ(m_pDlg->m_progress->GetPos(), 7);
    EXPECT_FALSE(m_pDlg->m_progress->m_bShowPercentage);
}

// The data-file box: "Data.txt" is the table beside the program whatever the letter case of its
// file name; anything else typed there is the path of another table.
TEST_F(ConvertTest, ReadsTheTableTheDataFileBoxNames) {
    struct Case {
        const char* pszTableFile; // where the table is written
        const char* pszChoice;    // the box's text; nullptr: the table's full path
    };
    const Case cases[] = {
        {"program/DATA.txt", "Data.txt"},
        {"program/data.TXT", "Data.txt"},
        {"program/DATA.txt", "DATA.TXT"},
        {"program/special.csv", "special.csv"}, // relative: from the program's folder
        {"tables/other.txt", nullptr},
    };
    QDir(m_dir.path()).mkdir(QStringLiteral("tables"));
    for (const Case& c : cases) {
        const QString strTable = WriteFile(QString::fromUtf8(c.pszTableFile), kTable);
        m_pDlg->m_comboDataFile->setEditText(c.pszChoice ? QString::fromUtf8(c.pszChoice)
                                                         : strTable);
        m_pDlg->m_listFiles->addItem(WriteFile(QStringLiteral("a.sif"), kMatching));
        m_messageBoxes.shown.clear();

        m_pDlg->OnConvert();

        ASSERT_EQ(m_messageBoxes.shown.size(), 1u) << c.pszTableFile;
        EXPECT_EQ(m_messageBoxes.shown[0].strText, QStringLiteral("Files Converted"))
            << c.pszTableFile;
        QFile::remove(strTable);
        QFile::remove(Output("A"));
    }
}

// A record without a catalog code takes the code of the record before it only while
// "Keep Manufacturer" is checked.
TEST_F(ConvertTest, KeepManufacturerSteersTheCatalogCodeCarriedOver) {
    WriteFile(QStringLiteral("program/DATA.txt"), kTable);
    for (const bool bKeep : {true, false}) {
        m_pDlg->m_checkKeepManufacturer->setChecked(bKeep);
        m_pDlg->m_listFiles->addItem(
            WriteFile(QStringLiteral("keep.sif"), "PN=X1\nMC=KSTV\nPN=D100\nPD=Old desk\n"));

        m_pDlg->OnConvert();

        const QByteArray output = Read(Output("KEEP"));
        EXPECT_EQ(output.contains("PN=KD.100\r\n"), bKeep) << output.constData();
    }
}

} // namespace
} // namespace orvane::test
