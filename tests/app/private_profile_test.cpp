#include "app/private_profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvane::test {
namespace {

std::string ReadFilesDirectory(const QByteArray& ini) {
    QTemporaryDir dir;
    const QString strPath = QDir(dir.path()).filePath(QStringLiteral("Nexwin4.ini"));
    QFile file(strPath);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ini);
    file.close();
    return GetPrivateProfileString("User Preferences", "Files Directory", "", strPath);
}

TEST(PrivateProfileTest, ReadsTheValueAsTheProfileReaderDoes) {
    const struct {
        const char* pszIni;
        const char* pszExpected;
    } cases[] = {
        {"[User Preferences]\nFiles Directory=C:\\Jobs\n", "C:\\Jobs"},
        {"[USER PREFERENCES]\r\nfiles directory=C:\\Jobs\r\n", "C:\\Jobs"},
        {"[ User Preferences ]\n  Files Directory  =   C:\\My Jobs  \n", "C:\\My Jobs"},
        {"[User Preferences]\nFiles Directory=\"C:\\Jobs \"\n", "C:\\Jobs "},
        {"[User Preferences]\nFiles Directory=\n", ""},
        {"[Other]\nFiles Directory=C:\\Wrong\n[User Preferences]\nFiles Directory=C:\\Right\n",
         "C:\\Right"},
        {"[User Preferences]\nOther=1\n[Next]\nFiles Directory=C:\\Wrong\n", ""},
        {"[User Preferences]\n;Files Directory=C:\\Comment\nFiles Directory=C:\\Jobs\n",
         "C:\\Jobs"},
        {"[User Preferences]\nFiles Directory=C:\\First\nFiles Directory=C:\\Second\n",
         "C:\\First"},
        {"Files Directory=C:\\NoSection\n", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadFilesDirectory(c.pszIni), c.pszExpected) << c.pszIni;
    }
}

TEST(PrivateProfileTest, CutsLongValuesTo499Characters) {
    const std::string strLong(600, 'x');
    EXPECT_EQ(ReadFilesDirectory(QByteArray("[User Preferences]\nFiles Directory=") +
                                 strLong.c_str() + "\n"),
              strLong.substr(0, 499));
}

TEST(PrivateProfileTest, MissingFileGivesTheDefault) {
    QTemporaryDir dir;
    EXPECT_EQ(GetPrivateProfileString("User Preferences", "Files Directory", "C:\\Default",
                                      QDir(dir.path()).filePath(QStringLiteral("none.ini"))),
              "C:\\Default");
}

#ifndef Q_OS_WIN
TEST(PrivateProfileTest, DrivePathsNameFoldersOfTheWinePrefix) {
    const QString strPrefix = QDir::homePath() + QStringLiteral("/.wine/dosdevices/");
    EXPECT_EQ(LocalFolderFromPreference(QStringLiteral("C:\\No Such\\Folder")),
              strPrefix + QStringLiteral("c:/No Such/Folder"));
    EXPECT_EQ(LocalFolderFromPreference(QStringLiteral("/home/jobs")),
              QStringLiteral("/home/jobs"));
    EXPECT_EQ(LocalFolderFromPreference(QString()), QString());
}
#endif

} // namespace
} // namespace orvane::test
