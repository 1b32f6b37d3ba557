#include "app/data_file_choice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvane::test {
namespace {

TEST(DataFileChoiceTest, DefaultEntryIsTheTableBesideTheProgramInAnyLetterCase) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    // Without the file, the name the user would look for.
    EXPECT_EQ(ResolveDataFile(QStringLiteral("Data.txt"), dir.path()),
              folder.filePath(QStringLiteral("DATA.txt")));

    QFile file(folder.filePath(QStringLiteral("data.TXT")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    for (const char* pszChoice : {"Data.txt", "DATA.TXT", "", "  "}) {
        EXPECT_EQ(ResolveDataFile(QString::fromUtf8(pszChoice), dir.path()),
                  folder.filePath(QStringLiteral("data.TXT")))
            << '"' << pszChoice << '"';
    }
}

TEST(DataFileChoiceTest, OtherTextIsThePathOfAnotherTable) {
    EXPECT_EQ(ResolveDataFile(QStringLiteral("/tables/2011.txt"), QStringLiteral("/opt/orvane")),
              QStringLiteral("/tables/2011.txt"));
    EXPECT_EQ(ResolveDataFile(QStringLiteral("tables/2011.txt"), QStringLiteral("/opt/orvane")),
              QStringLiteral("/opt/orvane/tables/2011.txt"));
}

} // namespace
} // namespace orvane::test
