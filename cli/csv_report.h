#pragma once

#include "convert/data_file.h"
#include "convert/sif_converter.h"

#include <ostream>
#include <string>
#include <string_view>

namespace orvane::cli {

// Quotes a field as RFC 4180 asks: fields holding a comma, a quote, CR or LF are put in
// quotes, with quotes doubled.
std::string CsvField(std::string_view field);

// The CSV report: one row per record, then the table's warnings. Rows end in CR LF.
class CCsvReport {
public:
    explicit CCsvReport(std::ostream& out);

    void AddRecord(const RecordResult& record);
    void AddWarning(const std::string& dataFile, const TableWarning& warning);

private:
    void Row(std::initializer_list<std::string_view> fields);

    std::ostream& m_out;
};

} // namespace orvane::cli
