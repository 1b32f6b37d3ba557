#include "convert/data_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace orvane {
namespace {

using test::TempDir;

// A data line with the given values in columns 1, 2, 3, 11 and 12.
std::string DataLine(const std::string& oldPn, const std::string& newPn, const std::string& newPd,
                     const std::string& oldMc, const std::string& newMc,
                     const std::string& tail = "note") {
    return oldPn + "," + newPn + "," + newPd + ",s,c,1.00,w,d,h,e," + oldMc + "," + newMc + "," +
           tail;
}

struct ParseCase {
    const char* name;
    std::string line;
    std::optional<NewPnValues> expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class ParseDataLineCases : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDataLineCases, SplitsTheColumns) {
    EXPECT_EQ(ParseDataLine(GetParam().line), GetParam().expected);
}

std::string TwelfthCommaAt(std::size_t position) {
    // Eleven commas up front, then filler up to the position of the twelfth.
    std::string line = "A,B,C,,,,,,,,M,";
    line += std::string(position - line.size(), 'x');
    return line + ",tail";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseDataLineCases,
    ::testing::Values(ParseCase{"Plain", DataLine("D2460L", "KD.2460.L", "Desk", "KSTV", "KST"),
                                NewPnValues{"D2460L", "KD.2460.L", "Desk", "KSTV", "KST"}},
                      ParseCase{"ValuesKeptExactly", DataLine("ABC ", "\"N\"", " d ", "", "m"),
                                NewPnValues{"ABC ", "\"N\"", " d ", "", "m"}},
                      ParseCase{"EmptyColumns", ",,,,,,,,,,,,", NewPnValues{"", "", "", "", ""}},
                      ParseCase{"ElevenCommas", "A,B,C,,,,,,,,M", std::nullopt},
                      ParseCase{"ThirteenCommas", DataLine("P", "N", "D", "O", "M", "x,y"),
                                std::nullopt},
                      ParseCase{"TwelfthCommaAt254", TwelfthCommaAt(254),
                                NewPnValues{"A", "B", "C", "M", std::string(254 - 15, 'x')}},
                      ParseCase{"TwelfthCommaAt255IsText", TwelfthCommaAt(255), std::nullopt},
                      ParseCase{"Empty", "", std::nullopt}),
    [](const auto& param) { return param.param.name; });

TEST(ParseDataLine, CommasPastTheWindowAreText) {
    const std::string line = DataLine("P", "N", "D", "O", "M", std::string(260, 'z') + ",x,y");
    EXPECT_EQ(ParseDataLine(line), (NewPnValues{"P", "N", "D", "O", "M"}));
}

TEST(GetDataFilePath, IsDataTxtBesideTheExecutableWhateverItsName) {
    EXPECT_EQ(GetDataFilePath("/opt/orvane/bin/Orvane"), "/opt/orvane/bin/DATA.txt");
    EXPECT_EQ(GetDataFilePath("/opt/orvane/bin/orvane-convert"), "/opt/orvane/bin/DATA.txt");
    EXPECT_EQ(GetDataFilePath("/tools/Orvane.exe.d/conv"), "/tools/Orvane.exe.d/DATA.txt");
    EXPECT_EQ(GetDataFilePath("conv"), "DATA.txt");
}

class ConversionDataFileTest : public ::testing::Test {
protected:
    CConversionTable Load(const std::string& bytes) {
        CConversionDataFile data;
        EXPECT_TRUE(data.Open(m_dir.Write("DATA.txt", bytes)));
        return data.LoadTable();
    }
    TempDir m_dir;
};

TEST_F(ConversionDataFileTest, HeaderIsNeverData) {
    const auto table =
        Load(DataLine("H", "X", "", "M", "Y") + "\n" + DataLine("A", "A2", "", "M", "M2") + "\n");
    EXPECT_EQ(table.Find("H", "M"), nullptr);
    ASSERT_NE(table.Find("A", "M"), nullptr);
    EXPECT_EQ(table.Size(), 1U);
}

TEST_F(ConversionDataFileTest, EmptyLineEndsTheTableWithAWarning) {
    const auto table =
        Load("header\r\n" + DataLine("A", "1", "", "M", "N") + "\r\n" +
             DataLine("B", "2", "", "M", "N") + "\r\n" + DataLine("C", "3", "", "M", "N") +
             "\r\n\r\n" + DataLine("D", "4", "", "M", "N") + "\r\n");
    EXPECT_NE(table.Find("C", "M"), nullptr);
    EXPECT_EQ(table.Find("D", "M"), nullptr);
    ASSERT_EQ(table.Warnings().size(), 1U);
    EXPECT_EQ(table.Warnings()[0].nLine, 5U);
}

TEST_F(ConversionDataFileTest, MalformedLineMatchesNothingAndLeavesItsNeighboursAlone) {
    const auto table = Load("header\n" + DataLine("A", "1", "", "M", "N") + "\n" +
                            "A,2,,,,,,M,N\n" + DataLine("B", "3", "", "M", "N") + "\n");
    ASSERT_NE(table.Find("A", "M"), nullptr);
    EXPECT_EQ(table.Find("A", "M")->NewPn, "1");
    EXPECT_NE(table.Find("B", "M"), nullptr);
    ASSERT_EQ(table.Warnings().size(), 1U);
    EXPECT_EQ(table.Warnings()[0].nLine, 3U);
}

TEST_F(ConversionDataFileTest, LaterLineOfTheSameKeyWins) {
    const auto table = Load("header\n" + DataLine("A", "first", "", "M", "N1") + "\n" +
                            DataLine("A", "other code", "", "Q", "N2") + "\n" +
                            DataLine("A", "second", "", "M", "N3") + "\n");
    ASSERT_NE(table.Find("A", "M"), nullptr);
    EXPECT_EQ(table.Find("A", "M")->NewPn, "second");
    EXPECT_EQ(table.Find("A", "Q")->NewPn, "other code");
}

TEST_F(ConversionDataFileTest, ScanHandsOutDataLinesInOrderEveryPass) {
    CConversionDataFile data;
    ASSERT_TRUE(data.Open(m_dir.Write("DATA.txt", "h\n" + DataLine("A", "1", "", "M", "N") +
                                                      "\nbad\n" + DataLine("A", "2", "", "M", "N") +
                                                      "\n\n" + DataLine("Z", "9", "", "M", "N"))));
    for (int pass = 0; pass < 2; ++pass) {
        data.BeginScan();
        NewPnValues values;
        ASSERT_TRUE(data.ReadNext(values));
        EXPECT_EQ(values.NewPn, "1");
        ASSERT_TRUE(data.ReadNext(values));
        EXPECT_EQ(values.NewPn, "2");
        EXPECT_FALSE(data.ReadNext(values));
    }
}

TEST_F(ConversionDataFileTest, HeldFileCannotBeOpenedTwice) {
    const auto path = m_dir.Write("DATA.txt", "h\n");
    CConversionDataFile first;
    ASSERT_TRUE(first.Open(path));
    CConversionDataFile second;
    EXPECT_FALSE(second.Open(path));
    EXPECT_FALSE(second.LastError().empty());
}

} // namespace
} // namespace orvane
