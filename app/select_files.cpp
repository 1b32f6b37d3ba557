#include "app/orvane_dlg.h"
#include "app/private_profile.h"
#include "app/texts.h"
#include "controls/gradient_progress_ctrl.h"

#include <QFile>
#include <QListWidget>

namespace orvane {

namespace {

OpenFileRequest SifRequest(const QString& strStartFolder) {
    OpenFileRequest request;
    request.strTitle = QString::fromLatin1(texts::kOpenTitle);
    request.filters = {
        {QString::fromLatin1(texts::kSifFilter), QString::fromLatin1(texts::kSifPattern)},
        {QString::fromLatin1(texts::kAllFilter), QString::fromLatin1(texts::kAllPattern)},
    };
    request.strStartFolder = strStartFolder;
    request.bMultiSelect = true;
    return request;
}

// The part of a path before its last separator; empty without one.
QString FolderOf(const QString& strPath) {
    const qsizetype nSlash = strPath.lastIndexOf(QLatin1Char('/'));
    return nSlash < 0 ? QString() : strPath.left(nSlash);
}

} // namespace

// Adds the files the user picks to the list. A path that is listed already, exactly as it is
// spelt, is not added again; the user is told, one warning per file, before any new file
// appears. The new files go to the end of the list, the last one picked first.
void COrvaneDlg::OnSelectFiles() {
    m_progress->SetPos(0);
    m_progress->ResetAndRepaint();

    const std::string strPreferred = GetPrivateProfileString(
        texts::kPreferencesSection, texts::kFilesDirectoryKey, "", m_services.strPreferencesFile);
    QString strStartFolder = LocalFolderFromPreference(QFile::decodeName(strPreferred.c_str()));
    // The platform's own choice, for a dialog without a starting folder, is the folder of the
    // program's last selection; Qt's dialog does not remember it, the dialog does.
    if (strStartFolder.isEmpty()) {
        strStartFolder = m_strLastFolder;
    }

    const std::optional<QStringList> chosen =
        m_services.openFileDialog.GetOpenFileNames(this, SifRequest(strStartFolder));
    if (!chosen) {
        return;
    }

    m_arrNewFiles.clear();
    for (const QString& strPath : *chosen) {
        bool bListed = false;
        for (int i = 0; i < m_listFiles->count() && !bListed; ++i) {
            const QString strEntry = m_listFiles->item(i)->text();
            if (strEntry == strPath) {
                bListed = true;
                m_services.messageBoxes.Show(
                    this,
                    QString::fromLatin1(texts::kDuplicatePrefix) + strEntry +
                        QString::fromLatin1(texts::kDuplicateSuffix),
                    QString::fromLatin1(texts::kDuplicateCaption), MessageIcon::Exclamation);
            }
        }
        if (!bListed) {
            m_arrNewFiles.prepend(strPath);
        }
    }

    m_listFiles->addItems(m_arrNewFiles);
    if (!m_arrNewFiles.isEmpty() && !chosen->isEmpty()) {
        m_strLastFolder = FolderOf(chosen->back());
    }
}

} // namespace orvane
