#pragma once

#include "convert/conversion_host.h"
#include "convert/sif_converter.h"

#include <cstddef>
#include <string>

namespace orvane {

// How one source file of a run ended.
enum class FileOutcome {
    Converted,
    SourceOpenFailed,
    DataOpenFailed,
    OutputOpenFailed,
    ReadWriteFailed,
};

struct FileResult {
    std::string strSource;
    std::string strOutput; // empty when no output name could be formed
    FileOutcome outcome = FileOutcome::Converted;
    std::string strReason; // the system's reason when the outcome is a failure
    FileCounts counts;
};

struct RunOptions {
    std::string strDataFile;       // the conversion table
    bool bKeepManufacturer = true; // a record without "MC=" line uses the run's last code
    // The dialog ends the run at the first failure, as users of the dialog know it; the
    // command-line converter reports the failure and goes on with the next source.
    bool bStopAtFirstFailure = true;
    int nPauseMilliseconds = 500;
    CSifConverter::RecordObserver onRecord; // optional, for reports
};

struct RunSummary {
    std::size_t nFiles = 0;  // files converted
    std::size_t nFailed = 0; // files that failed
    bool bConverted = false; // at least one record of the run was converted
    bool bCompleted = false; // the run reached its end (no failure stopped it)
};

// The output name of a source: the source's file name upper-cased, with every ".SIF" in it
// replaced by "(Converted).SIF", in the source's own folder. Empty when the upper-cased name
// holds no ".SIF", since the output would then overwrite the source.
std::string GetOutputPath(const std::string& sourcePath);

// Converts the host's listed files one after the other, each against the conversion table,
// drives the host's progress indicator, and reports failures and the result in its messages.
// After a run that reached its end the host's list is empty.
RunSummary RunConversion(IConversionHost& host, const RunOptions& options);

} // namespace orvane
