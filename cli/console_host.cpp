#include "cli/console_host.h"

#include "cli/texts.h"

#include <sstream>

namespace orvane::cli {

void PrintMessage(std::ostream& err, const std::string& caption, const std::string& text) {
    err << texts::kProgramName << ": " << caption << ':';
    std::istringstream lines(text);
    std::string line;
    const char* separator = " ";
    while (std::getline(lines, line)) {
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        err << separator << line << '\n';
        separator = "  ";
    }
}

CConsoleHost::CConsoleHost(std::vector<std::string> sources, std::ostream& out, std::ostream& err,
                           CProgressBar& progress, bool bQuiet)
    : m_sources(std::move(sources)), m_out(out), m_err(err), m_progress(progress),
      m_bQuiet(bQuiet) {}

int CConsoleHost::GetCount() const {
    return static_cast<int>(m_sources.size());
}

std::string CConsoleHost::GetText(int nIndex) const {
    return m_sources.at(static_cast<std::size_t>(nIndex));
}

void CConsoleHost::DeleteString(int nIndex) {
    if (nIndex >= 0 && nIndex < GetCount()) {
        m_sources.erase(m_sources.begin() + nIndex);
    }
}

void CConsoleHost::ResetContent() {
    m_sources.clear();
}

void CConsoleHost::SetRange(int nLower, int nUpper) {
    m_nFiles = nUpper - nLower + 1;
    m_nPos = nLower;
}

void CConsoleHost::SetStep(int nStep) {
    m_nStep = nStep;
}

void CConsoleHost::StepIt() {
    m_nPos += m_nStep;
    m_progress.Update(m_nPos - 1, m_nFiles, 0.0);
}

void CConsoleHost::MessageBox(const std::string& strText, const std::string& strCaption,
                              MessageIcon icon) {
    if (icon == MessageIcon::Information) {
        return; // the summary says how the run went
    }
    m_progress.Clear();
    PrintMessage(m_err, strCaption, strText);
}

void CConsoleHost::OnFileDone(const FileResult& result) {
    m_progress.Clear();
    if (result.outcome != FileOutcome::Converted) {
        if (!result.strReason.empty()) {
            m_err << "  (" << result.strReason << ")\n";
        }
        return;
    }
    m_nRecords += result.counts.nRecords;
    m_nConverted += result.counts.nConverted;
    if (!m_bQuiet) {
        m_out << result.strSource << " -> " << result.strOutput << ": " << result.counts.nRecords
              << " records, " << result.counts.nConverted << " converted\n";
    }
}

void CConsoleHost::OnFileProgress(std::uint64_t nBytesRead, std::uint64_t nBytesTotal) {
    const double dFraction =
        nBytesTotal == 0 ? 1.0 : static_cast<double>(nBytesRead) / static_cast<double>(nBytesTotal);
    m_progress.Update(m_nPos - 1, m_nFiles, dFraction);
}

} // namespace orvane::cli
