#pragma once

#include "convert/text_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvane {

// One line of the conversion data file.
struct NewPnValues {
    std::string OldPn; // column 1: compared with a record's part number
    std::string NewPn; // column 2: written after "PN="
    std::string NewPd; // column 3: written after "PD="
    std::string OldMc; // column 11: compared with a record's manufacturer code
    std::string NewMc; // column 12: written after "MC="

    bool operator==(const NewPnValues&) const = default;
};

// Splits one data line. Only commas among the first 255 characters separate columns, and a
// data line has exactly twelve of them; any other line yields nothing and matches nothing.
std::optional<NewPnValues> ParseDataLine(std::string_view line);

// The data file that an executable uses by default: "DATA.txt" in the executable's own folder,
// whatever the executable is called.
std::string GetDataFilePath(const std::string& modulePath);

// Something about the table that the user should know, with the data line it concerns.
struct TableWarning {
    std::size_t nLine = 0;
    std::string strText;
};

// The conversion table in memory, keyed by old part number and old manufacturer code. Of
// several lines with the same key the later one counts, as it does when every line that
// matches is applied in file order.
class CConversionTable {
public:
    const NewPnValues* Find(std::string_view oldPn, std::string_view oldMc) const;
    std::size_t Size() const { return m_index.size(); }
    const std::vector<TableWarning>& Warnings() const { return m_warnings; }

    void Add(NewPnValues values);
    void AddWarning(std::size_t nLine, std::string text);

private:
    struct KeyHash {
        std::size_t operator()(const std::pair<std::string, std::string>& key) const noexcept;
    };
    std::unordered_map<std::pair<std::string, std::string>, NewPnValues, KeyHash> m_index;
    std::vector<TableWarning> m_warnings;
};

// The open conversion data file. Line 1 is a header and is skipped; data lines follow up to the
// first empty line or the end of the file; whatever follows an empty line is ignored.
class CConversionDataFile {
public:
    // False when the file cannot be opened (missing, unreadable, held open); LastError() says why.
    bool Open(const std::string& path);
    const std::string& GetFilePath() const { return m_file.GetFilePath(); }
    const std::string& LastError() const { return m_file.LastError(); }

    // One pass over the table: BeginScan, then ReadNext until it returns false. Lines that are
    // not data lines are passed over. Throw CFileException on read errors.
    void BeginScan();
    bool ReadNext(NewPnValues& values);

    // Reads the whole table into an index, with warnings for malformed lines and for lines
    // ignored after an empty line. Throws CFileException on read errors.
    CConversionTable LoadTable();

    void Close();

private:
    CTextFile m_file;
};

} // namespace orvane
