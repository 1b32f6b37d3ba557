#pragma once

#include <string>

namespace orvane {

// How far the bar is filled: nPos / nUpper of the client width nRight, formed in double
// precision, rounded to single precision and truncated toward zero. The lower bound plays no
// part. Values beyond the int range (a position far above a small upper bound, or an upper
// bound of 0) come out as the nearest int, and a 0 / 0 as 0.
int FilledWidth(int nPos, int nUpper, int nRight);

// The percentage text: nPos * 100 / nUpper as the nearest whole number, a half rounded away
// from zero, followed by "%" ("13%" for 1 of 8).
std::string PercentageText(int nPos, int nUpper);

} // namespace orvane
