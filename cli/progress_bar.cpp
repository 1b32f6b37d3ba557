#include "cli/progress_bar.h"

#include <algorithm>
#include <string>

namespace orvane::cli {

namespace {

constexpr auto kDelay = std::chrono::seconds(1);
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);
constexpr int kWidth = 30;

} // namespace

CProgressBar::CProgressBar(std::ostream& out, bool bTerminal)
    : m_out(out), m_bTerminal(bTerminal), m_start(Clock::now()) {}

void CProgressBar::Update(int nFile, int nFiles, double dFraction) {
    if (!m_bTerminal || nFiles <= 0) {
        return;
    }
    const auto now = Clock::now();
    if (now - m_start < kDelay || (m_bShown && now - m_lastDrawn < kRedrawEvery)) {
        return;
    }
    const double dDone = std::clamp((nFile - 1 + dFraction) / nFiles, 0.0, 1.0);
    const int nFilled = static_cast<int>(dDone * kWidth);
    m_out << "\r[" << std::string(static_cast<std::size_t>(nFilled), '#')
          << std::string(static_cast<std::size_t>(kWidth - nFilled), '-') << "] "
          << static_cast<int>(dDone * 100.0) << "%  file " << nFile << " of " << nFiles << "\x1b[K"
          << std::flush;
    m_bShown = true;
    m_lastDrawn = now;
}

void CProgressBar::Clear() {
    if (m_bShown) {
        m_out << "\r\x1b[K" << std::flush;
        m_bShown = false;
    }
}

} // namespace orvane::cli
