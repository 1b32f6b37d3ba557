#include "app/private_profile.h"

#include "app/file_lookup.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace orvane {

namespace {

std::string_view Trim(std::string_view text) {
    const auto isBlank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char ch) {
            return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch + 32) : ch;
        };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string GetPrivateProfileString(std::string_view strSection, std::string_view strKey,
                                    const std::string& strDefault, const QString& strFile,
                                    std::size_t nMaxLength) {
    QFile file(strFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return strDefault.substr(0, nMaxLength);
    }
    const QByteArray contents = file.readAll();
    std::string_view rest(contents.constData(), static_cast<std::size_t>(contents.size()));

    bool bInSection = false;
    while (!rest.empty()) {
        const std::size_t nEnd = rest.find('\n');
        const std::string_view line = Trim(rest.substr(0, nEnd));
        rest = nEnd == std::string_view::npos ? std::string_view() : rest.substr(nEnd + 1);

        if (line.starts_with('[')) {
            const std::size_t nClose = line.find(']');
            if (bInSection) {
                break; // only the first section of that name is consulted
            }
            bInSection = nClose != std::string_view::npos &&
                         EqualIgnoringCase(Trim(line.substr(1, nClose - 1)), strSection);
            continue;
        }
        if (!bInSection || line.starts_with(';')) {
            continue;
        }
        const std::size_t nEquals = line.find('=');
        if (nEquals == std::string_view::npos ||
            !EqualIgnoringCase(Trim(line.substr(0, nEquals)), strKey)) {
            continue;
        }
        std::string_view value = Trim(line.substr(nEquals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        return std::string(value.substr(0, nMaxLength));
    }
    return strDefault.substr(0, nMaxLength);
}

QString DefaultPreferencesFile() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\winnt\\Nexwin4.ini");
#else
    return FindPathIgnoringCase(QDir::homePath(),
                                QStringLiteral(".wine/drive_c/winnt/Nexwin4.ini"));
#endif
}

QString LocalFolderFromPreference(const QString& strFolder) {
#ifdef Q_OS_WIN
    return strFolder;
#else
    static const QRegularExpression drivePath(QStringLiteral("^([A-Za-z]):[\\\\/]?(.*)$"));
    const QRegularExpressionMatch match = drivePath.match(strFolder);
    if (!match.hasMatch()) {
        return strFolder;
    }
    const QString strDrive = match.captured(1).toLower() + QLatin1Char(':');
    QString strRest = match.captured(2);
    strRest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return FindPathIgnoringCase(QDir::homePath() + QStringLiteral("/.wine/dosdevices/") + strDrive,
                                strRest);
#endif
}

} // namespace orvane
