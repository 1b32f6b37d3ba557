#include "convert/output_file.h"
#include "temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace orvane {
namespace {

using test::Exists;
using test::ReadBytes;
using test::TempDir;

std::size_t FilesIn(const std::filesystem::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++n;
    }
    return n;
}

TEST(OutputFile, AppearsUnderItsNameOnlyWhenCommitted) {
    TempDir dir;
    const auto path = dir.File("OUT(Converted).SIF");
    COutputFile output;
    ASSERT_TRUE(output.Open(path));
    output.Text().WriteLine("PN=1");
    EXPECT_FALSE(Exists(path));
    output.Commit();
    EXPECT_EQ(ReadBytes(path), "PN=1\r\n");
    EXPECT_EQ(FilesIn(dir.Path()), 1U) << "no temporary file may be left behind";
}

TEST(OutputFile, AbandonedOutputLeavesTheEarlierOneIntact) {
    TempDir dir;
    const auto path = dir.Write("OUT(Converted).SIF", "earlier\r\n");
    {
        COutputFile output;
        ASSERT_TRUE(output.Open(path));
        output.Text().WriteLine("half of it");
    }
    EXPECT_EQ(ReadBytes(path), "earlier\r\n");
    EXPECT_EQ(FilesIn(dir.Path()), 1U);
}

TEST(OutputFile, CommitReplacesAnEarlierOutput) {
    TempDir dir;
    const auto path = dir.Write("OUT(Converted).SIF", "earlier, and longer than the new one\r\n");
    COutputFile output;
    ASSERT_TRUE(output.Open(path));
    output.Text().WriteLine("new");
    output.Commit();
    EXPECT_EQ(ReadBytes(path), "new\r\n");
}

TEST(OutputFile, OutputHeldByAnotherProgramIsNotReplaced) {
    TempDir dir;
    const auto path = dir.Write("OUT(Converted).SIF", "in use\r\n");
    CTextFile holder;
    ASSERT_TRUE(holder.Open(path, CTextFile::Mode::Read));
    COutputFile output;
    EXPECT_FALSE(output.Open(path));
    EXPECT_EQ(output.LastError(), "the file is in use");
    EXPECT_EQ(ReadBytes(path), "in use\r\n");
}

TEST(OutputFile, MissingFolderFailsToOpen) {
    TempDir dir;
    COutputFile output;
    EXPECT_FALSE(output.Open(dir.File("no-such-folder/OUT(Converted).SIF")));
    EXPECT_EQ(output.LastError(), "No such file or directory");
}

} // namespace
} // namespace orvane
