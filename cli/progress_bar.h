#pragma once

#include <chrono>
#include <ostream>

namespace orvane::cli {

// A one-line progress bar on a terminal. It appears only once the work has taken more than a
// second, so short runs print nothing but their results, and never when the stream is not a
// terminal (a log file or a pipe gets no control characters).
class CProgressBar {
public:
    using Clock = std::chrono::steady_clock;

    CProgressBar(std::ostream& out, bool bTerminal);

    // Where the run is: file nFile (from 1) of nFiles, dFraction of that file done.
    void Update(int nFile, int nFiles, double dFraction);
    // Removes the bar, so that other output can take the line.
    void Clear();

private:
    std::ostream& m_out;
    bool m_bTerminal;
    bool m_bShown = false;
    Clock::time_point m_start;
    Clock::time_point m_lastDrawn;
};

} // namespace orvane::cli
