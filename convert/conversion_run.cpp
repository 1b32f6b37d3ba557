#include "convert/conversion_run.h"

#include "convert/data_file.h"
#include "convert/messages.h"
#include "convert/output_file.h"
#include "convert/text_file.h"

#include <filesystem>

namespace orvane {

namespace {

constexpr std::string_view kSifExtension = ".SIF";
constexpr std::string_view kConvertedExtension = "(Converted).SIF";

// ASCII letters only: the bytes of multi-byte UTF-8 characters stay as they are.
std::string UpperCaseAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

std::string UpperCaseFileName(const std::string& sourcePath) {
    const std::filesystem::path path(sourcePath);
    return (path.parent_path() / UpperCaseAscii(path.filename().string())).string();
}

// One conversion run over the host's list.
class CConversionRun {
public:
    CConversionRun(IConversionHost& host, const RunOptions& options)
        : m_host(host), m_options(options), m_converter(options.bKeepManufacturer) {
        m_converter.SetRecordObserver(options.onRecord);
        m_converter.SetProgressObserver([this](std::uint64_t done, std::uint64_t total) {
            m_host.OnFileProgress(done, total);
        });
    }

    RunSummary Run() {
        const int nCount = m_host.GetCount();
        if (nCount == 0) {
            return m_summary;
        }
        m_host.SetRange(1, nCount);
        m_host.SetStep(1);
        m_host.ShowPercentage();

        int k = 0;
        while (k < m_host.GetCount()) {
            m_host.StepIt();
            switch (ConvertEntry(k)) {
            case Next::Entry:
                ++k;
                break;
            case Next::SameIndex:
                break;
            case Next::EndRun:
                m_host.SetBusyPointer(false);
                return m_summary;
            }
        }

        m_host.Sleep(m_options.nPauseMilliseconds);
        m_host.SetBusyPointer(false);
        m_host.ResetContent();
        m_summary.bCompleted = true;
        m_summary.bConverted = m_converter.m_bConverted;
        if (m_converter.m_bConverted) {
            m_host.MessageBox(messages::kCompleteText, messages::kCompleteCaption,
                              MessageIcon::Information);
        }
        return m_summary;
    }

private:
    enum class Next { Entry, SameIndex, EndRun };

    Next ConvertEntry(int k) {
        FileResult result;
        result.strSource = m_host.GetText(k);

        CTextFile source;
        if (!source.Open(result.strSource, CTextFile::Mode::Read)) {
            return Fail(result, FileOutcome::SourceOpenFailed, source.LastError(),
                        messages::SourceOpenError(result.strSource), k);
        }
        CConversionDataFile data;
        if (!data.Open(m_options.strDataFile)) {
            // Without the table no file of the run can be converted; the list stays as it is.
            result.outcome = FileOutcome::DataOpenFailed;
            result.strReason = data.LastError();
            ++m_summary.nFailed;
            m_host.MessageBox(messages::DataOpenError(m_options.strDataFile),
                              messages::kFileReadErrorCaption, MessageIcon::Exclamation);
            m_host.OnFileDone(result);
            return Next::EndRun;
        }
        result.strOutput = GetOutputPath(source.GetFilePath());
        COutputFile output;
        if (result.strOutput.empty()) {
            return Fail(result, FileOutcome::OutputOpenFailed,
                        "the file name does not end in .SIF, so the converted file would "
                        "replace the source",
                        messages::OutputOpenError(UpperCaseFileName(source.GetFilePath())), k);
        }
        if (!output.Open(result.strOutput)) {
            return Fail(result, FileOutcome::OutputOpenFailed, output.LastError(),
                        messages::OutputOpenError(result.strOutput), k);
        }

        m_host.SetBusyPointer(true);
        try {
            const CConversionTable table = data.LoadTable();
            result.counts = m_converter.ConvertFile(source, output.Text(), table);
            source.Close();
            data.Close();
            output.Commit();
        } catch (const CFileException& e) {
            output.Discard();
            const bool bOutputFailed =
                e.Path() != source.GetFilePath() && e.Path() != data.GetFilePath();
            const std::string& where = bOutputFailed ? result.strOutput : e.Path();
            result.outcome = FileOutcome::ReadWriteFailed;
            result.strReason = e.Reason();
            ++m_summary.nFailed;
            m_host.MessageBox(messages::ReadWriteError(where, e.Reason()),
                              messages::kFileErrorCaption, MessageIcon::Exclamation);
            m_host.OnFileDone(result);
            return m_options.bStopAtFirstFailure ? Next::EndRun : Next::Entry;
        }
        ++m_summary.nFiles;
        m_host.OnFileDone(result);
        return Next::Entry;
    }

    // Reports a file that could not be opened. The dialog removes exactly that entry and ends
    // the run; the command line goes on with the next entry.
    Next Fail(FileResult& result, FileOutcome outcome, const std::string& reason,
              const std::string& message, int k) {
        result.outcome = outcome;
        result.strReason = reason;
        ++m_summary.nFailed;
        m_host.MessageBox(message, messages::kFileReadErrorCaption, MessageIcon::Exclamation);
        m_host.OnFileDone(result);
        if (!m_options.bStopAtFirstFailure) {
            return Next::Entry;
        }
        m_host.DeleteString(k);
        return Next::EndRun;
    }

    IConversionHost& m_host;
    const RunOptions& m_options;
    CSifConverter m_converter;
    RunSummary m_summary;
};

} // namespace

std::string GetOutputPath(const std::string& sourcePath) {
    const std::filesystem::path path(sourcePath);
    const std::string upper = UpperCaseAscii(path.filename().string());
    std::string name;
    std::size_t from = 0;
    for (auto at = upper.find(kSifExtension); at != std::string::npos;
         at = upper.find(kSifExtension, from)) {
        name.append(upper, from, at - from);
        name.append(kConvertedExtension);
        from = at + kSifExtension.size();
    }
    if (from == 0) {
        return {};
    }
    name.append(upper, from);
    return (path.parent_path() / name).string();
}

RunSummary RunConversion(IConversionHost& host, const RunOptions& options) {
    return CConversionRun(host, options).Run();
}

} // namespace orvane
