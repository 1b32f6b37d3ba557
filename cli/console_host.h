#pragma once

#include "cli/progress_bar.h"
#include "convert/conversion_host.h"
#include "convert/conversion_run.h"

#include <ostream>
#include <string>
#include <vector>

namespace orvane::cli {

// The conversion run's host on a console: the sources come from the command line, messages go
// to the error stream, and every converted file gets a line on the output stream.
// Prints a message box's text: the caption, then its lines, trimmed and indented.
void PrintMessage(std::ostream& err, const std::string& strCaption, const std::string& strText);

class CConsoleHost : public IConversionHost {
public:
    CConsoleHost(std::vector<std::string> sources, std::ostream& out, std::ostream& err,
                 CProgressBar& progress, bool bQuiet);

    int GetCount() const override;
    std::string GetText(int nIndex) const override;
    void DeleteString(int nIndex) override;
    void ResetContent() override;

    void SetRange(int nLower, int nUpper) override;
    void SetStep(int nStep) override;
    void StepIt() override;
    void ShowPercentage() override {}

    void MessageBox(const std::string& strText, const std::string& strCaption,
                    MessageIcon icon) override;
    void SetBusyPointer(bool /*bBusy*/) override {}
    void Sleep(int /*nMilliseconds*/) override {}

    void OnFileDone(const FileResult& result) override;
    void OnFileProgress(std::uint64_t nBytesRead, std::uint64_t nBytesTotal) override;

    std::size_t Records() const { return m_nRecords; }
    std::size_t ConvertedRecords() const { return m_nConverted; }

private:
    std::vector<std::string> m_sources;
    std::ostream& m_out;
    std::ostream& m_err;
    CProgressBar& m_progress;
    bool m_bQuiet;
    int m_nFiles = 0;
    int m_nPos = 0;
    int m_nStep = 1;
    std::size_t m_nRecords = 0;
    std::size_t m_nConverted = 0;
};

} // namespace orvane::cli
