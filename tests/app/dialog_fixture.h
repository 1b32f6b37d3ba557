#pragma once

#include "app/orvane_dlg.h"
#include "fakes.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace orvane::test {

// A main dialog on fake services, initialised but never shown. The program's folder and the
// preferences file live in a temporary folder of the test's own.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkdir(QStringLiteral("program"));
        m_pDlg = std::make_unique<COrvaneDlg>(Services());
        m_pDlg->OnInitDialog();
        m_messageBoxes.listSnapshot = [this] { return ListEntries(); };
    }

    DlgServices Services() {
        return DlgServices{m_messageBoxes,
                           m_openFileDialog,
                           m_waitPointer,
                           m_pause,
                           [this](QWidget* pOwner) { m_disclaimerOwners.push_back(pOwner); },
                           Path(QStringLiteral("Nexwin4.ini")),
                           Path(QStringLiteral("program"))};
    }

    QString Path(const QString& strName) const { return QDir(m_dir.path()).filePath(strName); }

    QString WriteFile(const QString& strName, const QByteArray& contents) const {
        const QString strPath = Path(strName);
        QFile file(strPath);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return strPath;
    }

    QStringList ListEntries() const {
        QStringList entries;
        for (int i = 0; i < m_pDlg->m_listFiles->count(); ++i) {
            entries.append(m_pDlg->m_listFiles->item(i)->text());
        }
        return entries;
    }

    QTemporaryDir m_dir;
    CRecordingMessageBoxes m_messageBoxes;
    CScriptedOpenFileDialog m_openFileDialog;
    CFakeWaitPointer m_waitPointer;
    CFakePause m_pause;
    std::vector<QWidget*> m_disclaimerOwners;
    std::unique_ptr<COrvaneDlg> m_pDlg;
};

} // namespace orvane::test
