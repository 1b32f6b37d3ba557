#include "controls/progress_scale.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace orvane {

namespace {

// Truncation toward zero that stays defined where a plain conversion would not.
int TruncateToInt(float fValue) {
    if (std::isnan(fValue)) {
        return 0;
    }
    constexpr float fTooLarge = 2147483648.0f; // 2^31, the first value beyond int
    if (fValue >= fTooLarge) {
        return std::numeric_limits<int>::max();
    }
    if (fValue < -fTooLarge) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(fValue);
}

} // namespace

int FilledWidth(int nPos, int nUpper, int nRight) {
    const double dQuotient = static_cast<double>(nPos) / static_cast<double>(nUpper);
    const double dProduct = dQuotient * static_cast<double>(nRight);
    return TruncateToInt(static_cast<float>(dProduct));
}

std::string PercentageText(int nPos, int nUpper) {
    const double dPercent = static_cast<double>(nPos) * 100.0 / static_cast<double>(nUpper);
    // The C library rounds a half to even ("12%" for 12.5); the bar rounds it away from zero.
    char szText[32];
    std::snprintf(szText, sizeof szText, "%.0f%%", std::round(dPercent));
    return szText;
}

} // namespace orvane
