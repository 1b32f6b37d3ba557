#include "cli/csv_report.h"

#include <gtest/gtest.h>
#include <sstream>

namespace orvane::cli {
namespace {

TEST(CsvField, QuotesOnlyWhatRfc4180Requires) {
    EXPECT_EQ(CsvField("KD.2460.L"), "KD.2460.L");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("Desk, left"), "\"Desk, left\"");
    EXPECT_EQ(CsvField("24\" desk"), "\"24\"\" desk\"");
    EXPECT_EQ(CsvField("a\rb"), "\"a\rb\"");
    EXPECT_EQ(CsvField(" spaced "), " spaced ");
}

TEST(CsvReport, WritesHeaderRecordsAndWarningsWithCrLf) {
    std::ostringstream out;
    CCsvReport report(out);
    RecordResult converted{"/j/a,b.sif", 4, "D2460L", "KSTV", "KD.2460.L", "KST", true};
    RecordResult kept{"/j/a.sif", 9, "X\"1", "", "", "", false};
    report.AddRecord(converted);
    report.AddRecord(kept);
    report.AddWarning("/bin/DATA.txt", {7, "not a data line"});
    EXPECT_EQ(out.str(), "Source,Line,Old Part Number,Old Manufacturer Code,New Part Number,"
                         "New Manufacturer Code,Status\r\n"
                         "\"/j/a,b.sif\",4,D2460L,KSTV,KD.2460.L,KST,converted\r\n"
                         "/j/a.sif,9,\"X\"\"1\",,,,not converted\r\n"
                         "/bin/DATA.txt,7,,,,,warning: not a data line\r\n");
}

} // namespace
} // namespace orvane::cli
