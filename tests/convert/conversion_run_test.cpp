#include "convert/conversion_run.h"
#include "convert/messages.h"
#include "temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::Exists;
using test::ReadBytes;
using test::TempDir;

struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon;
};

// A host that keeps its list in memory and records what the run does with it.
class FakeHost : public IConversionHost {
public:
    explicit FakeHost(std::vector<std::string> entries) : list(std::move(entries)) {}

    int GetCount() const override { return static_cast<int>(list.size()); }
    std::string GetText(int n) const override { return list.at(static_cast<std::size_t>(n)); }
    void DeleteString(int n) override {
        if (n >= 0) {
            list.erase(list.begin() + n);
        }
    }
    void ResetContent() override { list.clear(); }
    void SetRange(int nLower, int nUpper) override {
        ranges.emplace_back(nLower, nUpper);
        pos = nLower;
    }
    void SetStep(int n) override { step = n; }
    void StepIt() override {
        pos += step;
        positions.push_back(pos);
    }
    void ShowPercentage() override { bPercentage = true; }
    void MessageBox(const std::string& text, const std::string& caption,
                    MessageIcon icon) override {
        messages.push_back({text, caption, icon});
    }
    void SetBusyPointer(bool bBusy) override { bBusyPointer = bBusy; }
    void Sleep(int n) override { pauses.push_back(n); }

    std::vector<std::string> list;
    std::vector<std::pair<int, int>> ranges;
    std::vector<int> positions;
    std::vector<int> pauses;
    std::vector<Message> messages;
    int pos = 0;
    int step = 0;
    bool bPercentage = false;
    bool bBusyPointer = false;
};

const std::string kData = "header\r\n"
                          "D2460L,KD.2460.L,Desk left,,,,,,,,KSTV,KST,\r\n"
                          "R2042,KR.2042,Return,,,,,,,,KSTV,KST,\r\n";

class ConversionRunTest : public ::testing::Test {
protected:
    RunOptions Options() {
        RunOptions options;
        options.strDataFile = m_dir.Write("bin/DATA.txt", kData);
        return options;
    }
    std::string Sif(const std::string& name, const std::string& pn = "D2460L") {
        return m_dir.Write(name, "SF=x\nPN=" + pn + "\nMC=KSTV\n");
    }
    TempDir m_dir;
};

TEST_F(ConversionRunTest, EmptyListDoesNothing) {
    FakeHost host({});
    RunConversion(host, Options());
    EXPECT_TRUE(host.ranges.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.pauses.empty());
}

TEST_F(ConversionRunTest, ThreeFilesConvertInListOrder) {
    FakeHost host({Sif("a.sif"), Sif("b.SIF", "UNKNOWN"), Sif("c.Sif", "R2042")});
    const auto summary = RunConversion(host, Options());

    EXPECT_EQ(host.ranges, (std::vector<std::pair<int, int>>{{1, 3}}));
    EXPECT_EQ(host.positions, (std::vector<int>{2, 3, 4}));
    EXPECT_TRUE(host.bPercentage);
    EXPECT_EQ(host.pauses, std::vector<int>{500});
    EXPECT_FALSE(host.bBusyPointer);
    EXPECT_TRUE(host.list.empty());
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, "Files Converted");
    EXPECT_EQ(host.messages[0].caption, "Conversion Complete");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);

    EXPECT_EQ(ReadBytes(m_dir.File("A(Converted).SIF")), "SF=x\r\nPN=KD.2460.L\r\nMC=KST\r\n");
    EXPECT_EQ(ReadBytes(m_dir.File("B(Converted).SIF")), "SF=x\r\nPN=UNKNOWN\r\nMC=KSTV\r\n");
    EXPECT_EQ(ReadBytes(m_dir.File("C(Converted).SIF")), "SF=x\r\nPN=KR.2042\r\nMC=KST\r\n");
    EXPECT_EQ(ReadBytes(m_dir.File("a.sif")), "SF=x\nPN=D2460L\nMC=KSTV\n") << "source unchanged";
    EXPECT_EQ(summary.nFiles, 3U);
    EXPECT_TRUE(summary.bCompleted);
}

TEST_F(ConversionRunTest, RunWithoutAnyMatchWritesCopiesWithoutMessage) {
    FakeHost host({Sif("a.sif", "NONE")});
    RunConversion(host, Options());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.list.empty());
    EXPECT_EQ(ReadBytes(m_dir.File("A(Converted).SIF")), "SF=x\r\nPN=NONE\r\nMC=KSTV\r\n");
}

TEST_F(ConversionRunTest, UnreadableSourceEndsTheRunAndRemovesExactlyItsEntry) {
    const auto missing = m_dir.File("b.sif");
    FakeHost host({Sif("a.sif"), missing, Sif("c.sif")});
    RunConversion(host, Options());

    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, "There was an error opening source data file \n" + missing);
    EXPECT_EQ(host.messages[0].caption, "File Read Error");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(host.list, (std::vector<std::string>{m_dir.File("a.sif"), m_dir.File("c.sif")}));
    EXPECT_TRUE(Exists(m_dir.File("A(Converted).SIF")));
    EXPECT_FALSE(Exists(m_dir.File("C(Converted).SIF")));
    EXPECT_TRUE(host.pauses.empty());
    EXPECT_FALSE(host.bBusyPointer);
}

TEST_F(ConversionRunTest, FailedEntryIsRemovedEvenWhenALaterEntryLooksLikeIt) {
    // A later entry begins with the failed path in another letter case.
    const auto missing = m_dir.File("m.sif");
    const auto lookalike = m_dir.Write("M.SIF.copy.sif", "PN=X\n");
    FakeHost host({missing, lookalike});
    RunConversion(host, Options());
    EXPECT_EQ(host.list, std::vector<std::string>{lookalike});
}

TEST_F(ConversionRunTest, MissingDataFileChangesNothing) {
    const auto source = Sif("a.sif");
    FakeHost host({source});
    RunOptions options = Options();
    options.strDataFile = m_dir.File("bin/nothere/DATA.txt");
    RunConversion(host, options);

    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text,
              "There was an error opening data conversion file \n" + options.strDataFile);
    EXPECT_EQ(host.messages[0].caption, "File Read Error");
    EXPECT_EQ(host.list, std::vector<std::string>{source});
    EXPECT_FALSE(Exists(m_dir.File("A(Converted).SIF")));
}

TEST_F(ConversionRunTest, OutputHeldByAnotherProgramIsReportedAndKept) {
    const auto held = m_dir.Write("A(Converted).SIF", "earlier\r\n");
    CTextFile holder;
    ASSERT_TRUE(holder.Open(held, CTextFile::Mode::Read));
    FakeHost host({Sif("a.sif"), Sif("b.sif")});
    RunConversion(host, Options());

    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, "There was an error opening file \n" + held +
                                         "\nIt may in use by another application.\nTry closing "
                                         "the file and then select it again.");
    EXPECT_EQ(host.list, std::vector<std::string>{m_dir.File("b.sif")});
    EXPECT_EQ(ReadBytes(held), "earlier\r\n");
}

TEST_F(ConversionRunTest, ReadErrorIsReportedAndLeavesTheEarlierOutputIntact) {
    // Reading a process's memory from offset 0 fails with an I/O error.
    const auto source = m_dir.File("broken.sif");
    std::filesystem::create_symlink("/proc/self/mem", source);
    const auto earlier = m_dir.Write("BROKEN(Converted).SIF", "earlier\r\n");
    FakeHost host({source, Sif("b.sif")});
    const auto summary = RunConversion(host, Options());

    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, messages::ReadWriteError(source, "Input/output error"));
    EXPECT_EQ(host.messages[0].caption, "File Error");
    EXPECT_EQ(ReadBytes(earlier), "earlier\r\n");
    EXPECT_FALSE(Exists(m_dir.File("B(Converted).SIF"))) << "the run ends at the failure";
    EXPECT_EQ(host.list.size(), 2U);
    EXPECT_EQ(summary.nFailed, 1U);
    std::size_t nFiles = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_dir.Path())) {
        ++nFiles;
    }
    EXPECT_EQ(nFiles, 4U) << "bin, the two sources and the earlier output; no temporary file";
}

TEST_F(ConversionRunTest, SourceNameWithoutSifIsRefusedAndNeverWritten) {
    const auto source = m_dir.Write("order.txt", "PN=D2460L\nMC=KSTV\n");
    FakeHost host({source});
    RunConversion(host, Options());

    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, messages::OutputOpenError(m_dir.File("ORDER.TXT")));
    EXPECT_TRUE(host.list.empty());
    EXPECT_EQ(ReadBytes(source), "PN=D2460L\nMC=KSTV\n");
}

TEST_F(ConversionRunTest, FolderNamedLikeASifFileKeepsItsName) {
    const auto source = m_dir.Write("old.sif.d/job.sif", "PN=R2042\nMC=KSTV\n");
    FakeHost host({source});
    RunConversion(host, Options());
    EXPECT_TRUE(host.list.empty());
    EXPECT_EQ(ReadBytes(m_dir.File("old.sif.d/JOB(Converted).SIF")), "PN=KR.2042\r\nMC=KST\r\n");
}

TEST_F(ConversionRunTest, CommandLineModeGoesOnAfterAFailure) {
    FakeHost host({Sif("a.sif"), m_dir.File("missing.sif"), Sif("c.sif")});
    RunOptions options = Options();
    options.bStopAtFirstFailure = false;
    const auto summary = RunConversion(host, options);
    EXPECT_EQ(summary.nFiles, 2U);
    EXPECT_EQ(summary.nFailed, 1U);
    EXPECT_TRUE(Exists(m_dir.File("C(Converted).SIF")));
}

TEST_F(ConversionRunTest, KeepManufacturerOptionReachesTheConverter) {
    const auto source = m_dir.Write("a.sif", "PN=X\nMC=KSTV\nPN=R2042\n");
    for (const bool bKeep : {true, false}) {
        FakeHost host({source});
        RunOptions options = Options();
        options.bKeepManufacturer = bKeep;
        RunConversion(host, options);
        EXPECT_EQ(ReadBytes(m_dir.File("A(Converted).SIF")),
                  bKeep ? "PN=X\r\nMC=KSTV\r\nPN=KR.2042\r\n" : "PN=X\r\nMC=KSTV\r\nPN=R2042\r\n");
    }
}

struct OutputPathCase {
    std::string source;
    std::string output;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const OutputPathCase& c, std::ostream* os) {
    *os << c.source;
}

class OutputPathCases : public ::testing::TestWithParam<OutputPathCase> {};

TEST_P(OutputPathCases, UpperCasesOnlyTheFileName) {
    EXPECT_EQ(GetOutputPath(GetParam().source), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputPathCases,
    ::testing::Values(OutputPathCase{"/jobs/Order 7.sif", "/jobs/ORDER 7(Converted).SIF"},
                      OutputPathCase{"/Jobs/old.sif.d/a.Sif", "/Jobs/old.sif.d/A(Converted).SIF"},
                      OutputPathCase{"/j/x.sif.sif", "/j/X(Converted).SIF(Converted).SIF"},
                      OutputPathCase{"/j/Bürostuhl.sif", "/j/BüROSTUHL(Converted).SIF"},
                      OutputPathCase{"relative.SIF", "RELATIVE(Converted).SIF"},
                      OutputPathCase{"/j/order.txt", ""}, OutputPathCase{"/j.sif/order", ""}));

} // namespace
} // namespace orvane
