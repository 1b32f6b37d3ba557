#include "app/file_lookup.h"

#include <QDir>
#include <QFileInfo>

namespace orvane {

QString FindPathIgnoringCase(const QString& strFolder, const QString& strRelative) {
    QString strPath = strFolder;
    const QStringList parts = strRelative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    bool bFound = true;
    for (const QString& strPart : parts) {
        QString strName = strPart;
        if (bFound && !QFileInfo::exists(QDir(strPath).filePath(strPart))) {
            bFound = false;
            const QStringList entries =
                QDir(strPath).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
            for (const QString& strEntry : entries) {
                if (strEntry.compare(strPart, Qt::CaseInsensitive) == 0) {
                    strName = strEntry;
                    bFound = true;
                    break;
                }
            }
        }
        strPath = QDir(strPath).filePath(strName);
    }
    return strPath;
}

} // namespace orvane
