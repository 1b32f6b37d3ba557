#include "app/data_file_choice.h"

#include "app/file_lookup.h"
#include "app/texts.h"

#include <QDir>

namespace orvane {

QString ResolveDataFile(const QString& strChoice, const QString& strProgramFolder) {
    const QString strTrimmed = strChoice.trimmed();
    if (strTrimmed.isEmpty() ||
        strTrimmed.compare(QLatin1String(texts::kDefaultDataFile), Qt::CaseInsensitive) == 0) {
        return FindPathIgnoringCase(strProgramFolder, QStringLiteral("DATA.txt"));
    }
    return QDir(strProgramFolder).absoluteFilePath(strTrimmed);
}

} // namespace orvane
