// The bar's scale: how far it is filled and the percentage it shows.

#include "controls/progress_scale.h"

#include <gtest/gtest.h>
#include <limits>

namespace orvane {
namespace {

struct FilledWidthCase {
    int nPos;
    int nUpper;
    int nRight;
    int nExpected;
};
void PrintTo(const FilledWidthCase& c, std::ostream* pOut) {
    *pOut << c.nPos << " of " << c.nUpper << " over " << c.nRight;
}

class FilledWidthTest : public ::testing::TestWithParam<FilledWidthCase> {};

TEST_P(FilledWidthTest, IsThePositionsShareOfTheClientWidth) {
    const FilledWidthCase& c = GetParam();
    EXPECT_EQ(FilledWidth(c.nPos, c.nUpper, c.nRight), c.nExpected);
}

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

INSTANTIATE_TEST_SUITE_P(
    ProgressScale, FilledWidthTest,
    ::testing::Values(FilledWidthCase{0, 100, 300, 0},           // reset
                      FilledWidthCase{4, 4, 395, 395},           // full bar
                      FilledWidthCase{2, 4, 395, 197},           // 197.5 truncated
                      FilledWidthCase{5, 4, 395, 493},           // past the upper bound
                      FilledWidthCase{21, 79, 395, 105},         // 104.99999999999999 rounds
                      FilledWidthCase{-1, 4, 395, -98},          // truncated toward zero
                      FilledWidthCase{kIntMax, 1, 395, kIntMax}, // beyond int: the largest
                      FilledWidthCase{-kIntMax, 1, 395, kIntMin},
                      FilledWidthCase{1, 0, 395, kIntMax}, // no scale at all
                      FilledWidthCase{0, 0, 395, 0}));

struct PercentageCase {
    int nPos;
    int nUpper;
    const char* szExpected;
};
void PrintTo(const PercentageCase& c, std::ostream* pOut) {
    *pOut << c.nPos << " of " << c.nUpper;
}

class PercentageTextTest : public ::testing::TestWithParam<PercentageCase> {};

TEST_P(PercentageTextTest, RoundsHalvesAwayFromZero) {
    const PercentageCase& c = GetParam();
    EXPECT_EQ(PercentageText(c.nPos, c.nUpper), c.szExpected);
}

INSTANTIATE_TEST_SUITE_P(ProgressScale, PercentageTextTest,
                         ::testing::Values(PercentageCase{1, 8, "13%"}, // 12.5
                                           PercentageCase{5, 8, "63%"}, // 62.5
                                           PercentageCase{1, 3, "33%"}, PercentageCase{2, 3, "67%"},
                                           PercentageCase{2, 4, "50%"},
                                           PercentageCase{4, 4, "100%"},
                                           PercentageCase{5, 4, "125%"}));

} // namespace
} // namespace orvane
