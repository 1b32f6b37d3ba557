#include "cli/csv_report.h"

#include "cli/texts.h"

namespace orvane::cli {

std::string CsvField(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(field);
    }
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

CCsvReport::CCsvReport(std::ostream& out) : m_out(out) {
    m_out << texts::kReportHeader << "\r\n";
}

void CCsvReport::AddRecord(const RecordResult& record) {
    Row({record.strSource, std::to_string(record.nLine), record.strOldPn, record.strOldMc,
         record.strNewPn, record.strNewMc,
         record.bConverted ? texts::kConverted : texts::kNotConverted});
}

void CCsvReport::AddWarning(const std::string& dataFile, const TableWarning& warning) {
    const std::string status = std::string(texts::kWarning) + ": " + warning.strText;
    Row({dataFile, std::to_string(warning.nLine), "", "", "", "", status});
}

void CCsvReport::Row(std::initializer_list<std::string_view> fields) {
    bool bFirst = true;
    for (const auto field : fields) {
        if (!bFirst) {
            m_out << ',';
        }
        m_out << CsvField(field);
        bFirst = false;
    }
    m_out << "\r\n";
}

} // namespace orvane::cli
