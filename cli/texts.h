#pragma once

// The texts that the command-line converter prints, in one place.
namespace orvane::cli::texts {

inline constexpr const char* kProgramName = "orvane-convert";
inline constexpr const char* kVersion = "orvane-convert 1.0.0.1";
inline constexpr const char* kDescription =
    "Converts Kestova SIF files: expired part numbers and catalog codes are replaced by their\n"
    "current equivalents from the conversion table. Each SOURCE is left as it is; its converted\n"
    "copy is written beside it, named like the source in upper case with \"(Converted).SIF\" in\n"
    "place of \".SIF\".\n\n"
    "Exit status: 0 when every source was converted, 1 when any failed, 2 for a usage error.";
inline constexpr const char* kDataHelp =
    "the conversion table (default: DATA.txt beside this program)";
inline constexpr const char* kNoKeepHelp =
    "look up a record without MC= line with an empty catalog code instead of the code of the "
    "last MC= line before it";
inline constexpr const char* kReportHelp =
    "write a CSV report with one row per record (\"-\" for standard output)";
inline constexpr const char* kQuietHelp = "print only errors and warnings";
inline constexpr const char* kVerboseHelp = "also print every converted record";
inline constexpr const char* kSourcesHelp = "the SIF files to convert, in this order";

inline constexpr const char* kReportHeader =
    "Source,Line,Old Part Number,Old Manufacturer Code,New Part Number,New Manufacturer Code,"
    "Status";
inline constexpr const char* kConverted = "converted";
inline constexpr const char* kNotConverted = "not converted";
inline constexpr const char* kWarning = "warning";

} // namespace orvane::cli::texts
