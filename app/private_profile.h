#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace orvane {

// Reads one value of an INI file the way Windows programs read their private profiles: the
// section and key names are matched ignoring letter case, the first matching section and key
// count, the value is trimmed of surrounding blanks and of one pair of enclosing quotes, and at
// most nMaxLength characters of it are returned. A missing file, section or key gives strDefault.
inline constexpr std::size_t kProfileValueMaxLength = 499;

std::string GetPrivateProfileString(std::string_view strSection, std::string_view strKey,
                                    const std::string& strDefault, const QString& strFile,
                                    std::size_t nMaxLength = kProfileValueMaxLength);

// Where the design package keeps its preferences: "c:\winnt\Nexwin4.ini" on Windows; elsewhere
// the same file inside the user's Wine prefix, where a Windows design package installed under
// Wine keeps it.
QString DefaultPreferencesFile();

// Turns a folder read from the preferences into one this system can open. On Windows it is used
// as it is. Elsewhere a drive path such as "C:\Jobs\Sif" names a folder of the Wine prefix
// (~/.wine/dosdevices/c:/Jobs/Sif), found whatever the letter case of its parts.
QString LocalFolderFromPreference(const QString& strFolder);

} // namespace orvane
