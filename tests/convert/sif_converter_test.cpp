#include "convert/sif_converter.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::ReadBytes;
using test::TempDir;

// The table of these tests: old part number, old code -> new part number, description, code.
CConversionTable Table() {
    CConversionTable table;
    table.Add({"D2460L", "KD.2460.L", "Desk left", "KSTV", "KST"});
    table.Add({"R2042", "KR.2042", "Return", "KSTV", "KST"});
    table.Add({"GC1", "KT.GUEST.1", "", "KSTS", "KSS"});
    table.Add({"NOCODE", "KX.1", "No code", "", "KSX"});
    return table;
}

class SifConverterTest : public ::testing::Test {
protected:
    // Converts the source bytes with the given converter; returns the output's bytes.
    std::string Convert(CSifConverter& converter, const std::string& source) {
        const auto sourcePath = m_dir.Write("in" + std::to_string(m_nFiles) + ".sif", source);
        const auto outputPath = m_dir.File("out" + std::to_string(m_nFiles++) + ".sif");
        CTextFile in;
        CTextFile out;
        EXPECT_TRUE(in.Open(sourcePath, CTextFile::Mode::Read));
        EXPECT_TRUE(out.Open(outputPath, CTextFile::Mode::Write));
        m_counts = converter.ConvertFile(in, out, m_table);
        out.Close();
        return ReadBytes(outputPath);
    }
    std::string Convert(const std::string& source, bool bKeepManufacturer = true) {
        CSifConverter converter(bKeepManufacturer);
        return Convert(converter, source);
    }

    TempDir m_dir;
    CConversionTable m_table = Table();
    FileCounts m_counts;
    int m_nFiles = 0;
};

struct ConversionCase {
    const char* name;
    std::string source;
    std::string expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.name;
}

class SifConversionCases : public SifConverterTest,
                           public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(SifConversionCases, WritesEveryLineInOrder) {
    EXPECT_EQ(Convert(GetParam().source), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SifConversionCases,
    ::testing::Values(
        ConversionCase{"MatchRewritesPnMcPd", "SF=job.sif\nPN=D2460L\nPD=old desk\nMC=KSTV\nQT=2\n",
                       "SF=job.sif\r\nPN=KD.2460.L\r\nPD=Desk left\r\nMC=KST\r\nQT=2\r\n"},
        ConversionCase{"UnknownPartIsCopied", "PN=X1\nPD=thing\nMC=KSTV\n",
                       "PN=X1\r\nPD=thing\r\nMC=KSTV\r\n"},
        ConversionCase{"NoRecordAtAll", "ST=header\n\nx\n", "ST=header\r\n\r\nx\r\n"},
        ConversionCase{"BlankLinesBetweenItemsKeepEveryItem",
                       "PN=D2460L\nMC=KSTV\n\nPN=R2042\nMC=KSTV\n\n\nPN=GC1\nMC=KSTS\n",
                       "PN=KD.2460.L\r\nMC=KST\r\n\r\nPN=KR.2042\r\nMC=KST\r\n\r\n\r\n"
                       "PN=KT.GUEST.1\r\nMC=KSS\r\n"},
        ConversionCase{"ShortLinesInsideARecordAreKept", "P\nPN=D2460L\nMC=KSTV\nx\n\nOD=y\n",
                       "P\r\nPN=KD.2460.L\r\nMC=KST\r\nx\r\n\r\nOD=y\r\n"},
        ConversionCase{"PnRightAfterPnOpensItsOwnRecord",
                       "PN=D2460L\nPN=R2042\nMC=KSTV\nPN=GC1\nMC=KSTS\n",
                       // The first record has no code of its own and is looked up with none.
                       "PN=D2460L\r\nPN=KR.2042\r\nMC=KST\r\nPN=KT.GUEST.1\r\nMC=KSS\r\n"},
        ConversionCase{"LaterMcLineKeysAndBothAreRewritten",
                       "PN=D2460L\nMC=OTHER\nPD=a\nMC=KSTV\nPD=b\n",
                       "PN=KD.2460.L\r\nMC=KST\r\nPD=Desk left\r\nMC=KST\r\nPD=Desk left\r\n"},
        ConversionCase{"PrefixIsExactAndCaseSensitive",
                       "pn=D2460L\n PN=D2460L\nPN=D2460L\nmc=KSTS\nMC=KSTV\n",
                       "pn=D2460L\r\n PN=D2460L\r\nPN=KD.2460.L\r\nmc=KSTS\r\nMC=KST\r\n"},
        ConversionCase{"EmptyNewDescriptionLeavesPdAlone", "PN=GC1\nMC=KSTS\nPD=chair\n",
                       "PN=KT.GUEST.1\r\nMC=KSS\r\nPD=\r\n"},
        ConversionCase{"ValueIncludesSpaces", "PN=D2460L \nMC=KSTV\n", "PN=D2460L \r\nMC=KSTV\r\n"},
        ConversionCase{"CrLfAndCtrlZ", "PN=D2460L\r\nMC=KSTV\r\n\x1AQT=9\r\n",
                       "PN=KD.2460.L\r\nMC=KST\r\n"}),
    [](const auto& param) { return param.param.name; });

TEST_F(SifConverterTest, ManufacturerCarriesOverRecordsAndFilesOfARun) {
    CSifConverter converter;
    EXPECT_EQ(Convert(converter, "PN=X\nMC=KSTV\nPN=D2460L\nQT=1\n"),
              "PN=X\r\nMC=KSTV\r\nPN=KD.2460.L\r\nQT=1\r\n");
    EXPECT_EQ(Convert(converter, "PN=R2042\n"), "PN=KR.2042\r\n");
    EXPECT_EQ(converter.m_strManufacturer, "KSTV");
}

TEST_F(SifConverterTest, WithoutKeepingTheManufacturerARecordWithoutMcHasTheEmptyCode) {
    EXPECT_EQ(Convert("PN=X\nMC=KSTV\nPN=D2460L\nPN=NOCODE\n", false),
              "PN=X\r\nMC=KSTV\r\nPN=D2460L\r\nPN=KX.1\r\n");
}

TEST_F(SifConverterTest, FirstRecordOfARunWithoutMcHasTheEmptyCode) {
    EXPECT_EQ(Convert("PN=NOCODE\nPD=x\n"), "PN=KX.1\r\nPD=No code\r\n");
}

TEST_F(SifConverterTest, DescriptionTakesNoPartInMatching) {
    EXPECT_EQ(Convert("PN=D2460L\nPD=Anything at all\nMC=KSTV\n"),
              "PN=KD.2460.L\r\nPD=Desk left\r\nMC=KST\r\n");
}

TEST_F(SifConverterTest, RecordOfThousandsOfLinesConvertsInOrder) {
    std::string source = "PN=D2460L\nMC=KSTV\n";
    std::string expected = "PN=KD.2460.L\r\nMC=KST\r\n";
    for (int i = 0; i < 5000; ++i) {
        source += "ON=OPT" + std::to_string(i) + "\n";
        expected += "ON=OPT" + std::to_string(i) + "\r\n";
    }
    source += "PD=last\nPN=R2042\n";
    expected += "PD=Desk left\r\nPN=KR.2042\r\n";
    EXPECT_EQ(Convert(source), expected);
}

TEST_F(SifConverterTest, CountsAndReportsEveryRecord) {
    CSifConverter converter;
    std::vector<RecordResult> records;
    converter.SetRecordObserver([&](const RecordResult& r) { records.push_back(r); });
    EXPECT_FALSE(converter.m_bConverted);
    Convert(converter, "SF=x\nPN=D2460L\nMC=KSTV\n\nPN=UNKNOWN\n");
    EXPECT_TRUE(converter.m_bConverted);
    EXPECT_EQ(m_counts.nRecords, 2U);
    EXPECT_EQ(m_counts.nConverted, 1U);
    ASSERT_EQ(records.size(), 2U);
    EXPECT_EQ(records[0].nLine, 2U);
    EXPECT_EQ(records[0].strNewPn, "KD.2460.L");
    EXPECT_EQ(records[0].strNewMc, "KST");
    EXPECT_TRUE(records[0].bConverted);
    EXPECT_EQ(records[1].nLine, 5U);
    EXPECT_EQ(records[1].strOldPn, "UNKNOWN");
    EXPECT_EQ(records[1].strOldMc, "KSTV");
    EXPECT_FALSE(records[1].bConverted);
    EXPECT_EQ(records[1].strSource, m_dir.File("in0.sif"));
}

TEST_F(SifConverterTest, NoMatchLeavesTheRunUnconverted) {
    CSifConverter converter;
    Convert(converter, "PN=D2460L\nMC=WRONG\n");
    EXPECT_FALSE(converter.m_bConverted);
}

} // namespace
} // namespace orvane
