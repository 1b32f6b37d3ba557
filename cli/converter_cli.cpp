#include "cli/converter_cli.h"

#include "cli/console_host.h"
#include "cli/csv_report.h"
#include "cli/progress_bar.h"
#include "cli/texts.h"
#include "convert/conversion_run.h"
#include "convert/data_file.h"
#include "convert/messages.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <memory>
#include <optional>

namespace orvane::cli {

namespace {

struct Arguments {
    std::string strDataFile;
    std::string strReport;
    bool bNoKeepManufacturer = false;
    bool bQuiet = false;
    bool bVerbose = false;
    std::vector<std::string> sources;
};

// Parses the command line. Returns an exit status when the program should end at once
// (help, version, usage error).
std::optional<int> ParseArguments(int argc, const char* const* argv, Arguments& args,
                                  std::ostream& out, std::ostream& err) {
    CLI::App app(texts::kDescription, texts::kProgramName);
    app.set_version_flag("--version", texts::kVersion);
    app.add_option("--data", args.strDataFile, texts::kDataHelp)->option_text("FILE");
    app.add_flag("--no-keep-manufacturer", args.bNoKeepManufacturer, texts::kNoKeepHelp);
    app.add_option("--report", args.strReport, texts::kReportHelp)->option_text("FILE");
    auto* quiet = app.add_flag("-q,--quiet", args.bQuiet, texts::kQuietHelp);
    app.add_flag("-v,--verbose", args.bVerbose, texts::kVerboseHelp)->excludes(quiet);
    app.add_option("SOURCE", args.sources, texts::kSourcesHelp)->required();
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e, out, err);
        return status == 0 ? kExitOk : kExitUsage;
    }
    return std::nullopt;
}

// Loads the table once before anything is written: a table that cannot be read stops the
// program, and its warnings are told once, not once per source.
std::optional<CConversionTable> LoadTable(const std::string& path, std::ostream& err) {
    CConversionDataFile data;
    if (!data.Open(path)) {
        PrintMessage(err, messages::kFileReadErrorCaption, messages::DataOpenError(path));
        err << "  (" << data.LastError() << ")\n";
        return std::nullopt;
    }
    try {
        auto table = data.LoadTable();
        data.Close();
        return table;
    } catch (const CFileException& e) {
        err << texts::kProgramName << ": " << e.what() << '\n';
        return std::nullopt;
    }
}

} // namespace

int RunConverterCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    const CliEnvironment& environment) {
    Arguments args;
    if (const auto status = ParseArguments(argc, argv, args, out, err)) {
        return *status;
    }
    if (args.strDataFile.empty()) {
        args.strDataFile = GetDataFilePath(environment.strExecutablePath);
    }

    const auto table = LoadTable(args.strDataFile, err);
    if (!table) {
        return kExitFailed;
    }
    for (const auto& warning : table->Warnings()) {
        err << texts::kProgramName << ": " << args.strDataFile << ':' << warning.nLine << ": "
            << texts::kWarning << ": " << warning.strText << '\n';
    }

    std::ofstream reportFile;
    std::unique_ptr<CCsvReport> report;
    if (!args.strReport.empty()) {
        std::ostream* reportStream = &out;
        if (args.strReport != "-") {
            reportFile.open(args.strReport, std::ios::binary | std::ios::trunc);
            if (!reportFile) {
                err << texts::kProgramName << ": cannot write the report " << args.strReport
                    << '\n';
                return kExitFailed;
            }
            reportStream = &reportFile;
        }
        report = std::make_unique<CCsvReport>(*reportStream);
    }
    // A report on standard output keeps that stream to itself.
    const bool bQuiet = args.bQuiet || args.strReport == "-";

    CProgressBar progress(err, environment.bErrorIsTerminal);
    CConsoleHost host(args.sources, out, err, progress, bQuiet);
    RunOptions options;
    options.strDataFile = args.strDataFile;
    options.bKeepManufacturer = !args.bNoKeepManufacturer;
    options.bStopAtFirstFailure = false;
    options.nPauseMilliseconds = 0;
    options.onRecord = [&](const RecordResult& record) {
        if (report) {
            report->AddRecord(record);
        }
        if (args.bVerbose && record.bConverted) {
            progress.Clear();
            out << "  " << record.strSource << ':' << record.nLine << ": PN=" << record.strOldPn
                << " MC=" << record.strOldMc << "  ->  PN=" << record.strNewPn
                << " MC=" << record.strNewMc << '\n';
        }
    };
    const RunSummary summary = RunConversion(host, options);
    progress.Clear();

    if (report) {
        for (const auto& warning : table->Warnings()) {
            report->AddWarning(args.strDataFile, warning);
        }
    }
    if (reportFile.is_open()) {
        reportFile.close();
        if (reportFile.fail()) {
            err << texts::kProgramName << ": cannot write the report " << args.strReport << '\n';
            return kExitFailed;
        }
    }
    if (!bQuiet) {
        out << summary.nFiles << " of " << args.sources.size() << " file(s) converted";
        if (summary.nFailed > 0) {
            out << ", " << summary.nFailed << " failed";
        }
        out << "; " << host.ConvertedRecords() << " of " << host.Records()
            << " record(s) converted\n";
    }
    return summary.nFailed == 0 ? kExitOk : kExitFailed;
}

} // namespace orvane::cli
