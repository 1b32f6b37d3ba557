#include "cli/converter_cli.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace orvane::cli {
namespace {

using test::Exists;
using test::ReadBytes;
using test::TempDir;

const std::string kData = "header\n"
                          "D2460L,KD.2460.L,Desk,,,,,,,,KSTV,KST,\n"
                          "R2042,KR.2042,Return,,,,,,,,KSTV,KST,\n"
                          "broken line\n";

class ConverterCliTest : public ::testing::Test {
protected:
    ConverterCliTest() {
        m_dir.Write("bin/DATA.txt", kData);
        m_environment.strExecutablePath = m_dir.File("bin/orvane-convert");
    }

    int Run(std::vector<std::string> args) {
        args.insert(args.begin(), "orvane-convert");
        std::vector<const char*> argv;
        for (const auto& arg : args) {
            argv.push_back(arg.c_str());
        }
        m_out.str("");
        m_err.str("");
        return RunConverterCli(static_cast<int>(argv.size()), argv.data(), m_out, m_err,
                               m_environment);
    }

    TempDir m_dir;
    CliEnvironment m_environment;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(ConverterCliTest, ConvertsWithTheTableBesideTheProgram) {
    const auto source = m_dir.Write("job/a.sif", "PN=D2460L\nMC=KSTV\nPN=X\n");
    EXPECT_EQ(Run({source}), kExitOk);
    EXPECT_EQ(ReadBytes(m_dir.File("job/A(Converted).SIF")), "PN=KD.2460.L\r\nMC=KST\r\nPN=X\r\n");
    EXPECT_NE(m_out.str().find(source + " -> " + m_dir.File("job/A(Converted).SIF") +
                               ": 2 records, 1 converted"),
              std::string::npos)
        << m_out.str();
    EXPECT_NE(m_err.str().find("DATA.txt:4: warning"), std::string::npos) << m_err.str();
}

TEST_F(ConverterCliTest, GoesOnAfterAFailedSourceAndExitsWithOne) {
    const auto a = m_dir.Write("a.sif", "PN=D2460L\nMC=KSTV\n");
    const auto c = m_dir.Write("c.sif", "PN=R2042\nMC=KSTV\n");
    EXPECT_EQ(Run({a, m_dir.File("missing.sif"), c}), kExitFailed);
    EXPECT_TRUE(Exists(m_dir.File("C(Converted).SIF")));
    EXPECT_NE(m_err.str().find("There was an error opening source data file"), std::string::npos);
    EXPECT_NE(m_err.str().find(m_dir.File("missing.sif")), std::string::npos);
    EXPECT_NE(m_err.str().find("No such file or directory"), std::string::npos);
    EXPECT_NE(m_out.str().find("2 of 3 file(s) converted, 1 failed"), std::string::npos);
}

TEST_F(ConverterCliTest, MissingTableStopsBeforeAnythingIsWritten) {
    const auto source = m_dir.Write("a.sif", "PN=D2460L\nMC=KSTV\n");
    EXPECT_EQ(Run({"--data", m_dir.File("none.txt"), source}), kExitFailed);
    EXPECT_FALSE(Exists(m_dir.File("A(Converted).SIF")));
    EXPECT_NE(m_err.str().find(m_dir.File("none.txt")), std::string::npos);
}

TEST_F(ConverterCliTest, ReportHasARowPerRecordAndTheWarningsLast) {
    const auto source = m_dir.Write("a.sif", "PN=D2460L\nMC=KSTV\nPN=R2042\n");
    const auto report = m_dir.File("report.csv");
    EXPECT_EQ(Run({"--no-keep-manufacturer", "--report", report, source}), kExitOk);
    EXPECT_EQ(ReadBytes(report),
              "Source,Line,Old Part Number,Old Manufacturer Code,New Part Number,"
              "New Manufacturer Code,Status\r\n" +
                  source + ",1,D2460L,KSTV,KD.2460.L,KST,converted\r\n" + source +
                  ",3,R2042,,,,not converted\r\n" + m_dir.File("bin/DATA.txt") +
                  ",4,,,,,warning: not a data line (the first 255 characters must hold "
                  "exactly twelve commas); it matches nothing\r\n");
}

TEST_F(ConverterCliTest, UsageErrorsExitWithTwo) {
    EXPECT_EQ(Run({}), kExitUsage);
    EXPECT_EQ(Run({"--no-such-option", "a.sif"}), kExitUsage);
    EXPECT_EQ(Run({"--quiet", "--verbose", "a.sif"}), kExitUsage);
}

TEST_F(ConverterCliTest, HelpAndVersionExitWithZero) {
    EXPECT_EQ(Run({"--help"}), kExitOk);
    EXPECT_NE(m_out.str().find("--no-keep-manufacturer"), std::string::npos);
    EXPECT_EQ(Run({"--version"}), kExitOk);
    EXPECT_NE(m_out.str().find("orvane-convert 1.0"), std::string::npos);
}

TEST_F(ConverterCliTest, QuietPrintsNothingButProblems) {
    const auto source = m_dir.Write("a.sif", "PN=D2460L\nMC=KSTV\n");
    EXPECT_EQ(Run({"--quiet", source}), kExitOk);
    EXPECT_EQ(m_out.str(), "");
}

} // namespace
} // namespace orvane::cli
