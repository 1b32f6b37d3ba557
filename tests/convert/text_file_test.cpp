#include "convert/text_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::ReadBytes;
using test::TempDir;

std::vector<std::string> ReadAll(CTextFile& file) {
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadString(line)) {
        lines.push_back(line);
    }
    return lines;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class TextFileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(TextFileRead, SplitsLinesAsTextMode) {
    TempDir dir;
    CTextFile file;
    ASSERT_TRUE(file.Open(dir.Write("in.txt", GetParam().bytes), CTextFile::Mode::Read));
    EXPECT_EQ(ReadAll(file), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextFileRead,
    ::testing::Values(
        ReadCase{"Lf", "a\nb\n", {"a", "b"}}, ReadCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
        ReadCase{"LastLineWithoutEnd", "a\nb", {"a", "b"}},
        ReadCase{"EmptyLinesAreLines", "a\n\n\nb\n", {"a", "", "", "b"}},
        ReadCase{"LoneCrStaysInLine", "a\rb\r\r\n", {"a\rb\r"}},
        ReadCase{"CtrlZEndsFile",
                 "a\nb\x1A"
                 "c\nd\n",
                 {"a", "b"}},
        ReadCase{"CtrlZAtLineStart", "a\n\x1A\nb\n", {"a"}}, ReadCase{"Empty", "", {}},
        ReadCase{"LongLine", std::string(200000, 'x') + "\r\nz", {std::string(200000, 'x'), "z"}}),
    [](const auto& param) { return param.param.name; });

TEST(TextFile, CountsLinesAndBytes) {
    TempDir dir;
    CTextFile file;
    ASSERT_TRUE(file.Open(dir.Write("in.txt", "ab\r\ncd\n"), CTextFile::Mode::Read));
    std::string line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(file.LineNumber(), 1U);
    EXPECT_EQ(file.BytesRead(), 4U);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(file.LineNumber(), 2U);
    EXPECT_EQ(file.BytesRead(), file.Size());
    file.SeekToBegin();
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, "ab");
    EXPECT_EQ(file.LineNumber(), 1U);
}

TEST(TextFile, WritesCrLfForEveryNewline) {
    TempDir dir;
    const auto path = dir.File("out.txt");
    CTextFile file;
    ASSERT_TRUE(file.Open(path, CTextFile::Mode::Write));
    file.WriteString("a\nb\n");
    file.WriteLine("c");
    file.WriteLine("");
    file.Close();
    EXPECT_EQ(ReadBytes(path), "a\r\nb\r\nc\r\n\r\n");
}

TEST(TextFile, OpenFileIsHeldForExclusiveUse) {
    TempDir dir;
    const auto path = dir.Write("held.txt", "keep me\n");
    CTextFile holder;
    ASSERT_TRUE(holder.Open(path, CTextFile::Mode::Read));

    CTextFile reader;
    EXPECT_FALSE(reader.Open(path, CTextFile::Mode::Read));
    EXPECT_EQ(reader.LastError(), "the file is in use");
    CTextFile writer;
    EXPECT_FALSE(writer.Open(path, CTextFile::Mode::Write));
    EXPECT_EQ(ReadBytes(path), "keep me\n") << "a held file must not be emptied";

    holder.Close();
    EXPECT_TRUE(reader.Open(path, CTextFile::Mode::Read));
}

TEST(TextFile, OpenFailuresSayWhy) {
    TempDir dir;
    CTextFile file;
    EXPECT_FALSE(file.Open(dir.File("missing.txt"), CTextFile::Mode::Read));
    EXPECT_EQ(file.LastError(), "No such file or directory");
    EXPECT_FALSE(file.Open(dir.Path().string(), CTextFile::Mode::Read));
    EXPECT_EQ(file.LastError(), "it is a folder");
    EXPECT_FALSE(file.Open(dir.File("no/such/folder.txt"), CTextFile::Mode::Write));
    EXPECT_FALSE(file.IsOpen());
}

TEST(TextFile, WriteErrorRaisesWithPathAndReason) {
    CTextFile file;
    ASSERT_TRUE(file.Open("/dev/full", CTextFile::Mode::Write));
    file.WriteLine("x");
    try {
        file.Close();
        FAIL() << "closing with unwritable text must raise";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.Path(), "/dev/full");
        EXPECT_EQ(e.Reason(), "No space left on device");
    }
    EXPECT_FALSE(file.IsOpen());
}

} // namespace
} // namespace orvane
