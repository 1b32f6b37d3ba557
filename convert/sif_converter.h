#pragma once

#include "convert/data_file.h"
#include "convert/text_file.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvane {

// What became of one product record of a source file.
struct RecordResult {
    std::string strSource; // path of the source file
    std::size_t nLine = 0; // line number of the record's "PN=" line
    std::string strOldPn;
    std::string strOldMc; // the code the record was looked up with
    std::string strNewPn; // empty unless converted
    std::string strNewMc; // empty unless converted
    bool bConverted = false;
};

// Counts of one converted source file.
struct FileCounts {
    std::size_t nRecords = 0;
    std::size_t nConverted = 0;
};

// The conversion state of one run: converts SIF files record by record against a conversion
// table. Every source line reaches the output, in order, ending in CR LF; only the "PN=", "MC="
// and "PD=" lines of records found in the table change.
//
// A record is a "PN=" line and the lines after it, up to the next "PN=" line or the end of the
// file; the lines before the first "PN=" line are copied as they are. A record is looked up by
// the value of its "PN=" line and the value of its last "MC=" line. A record without an "MC="
// line is looked up with the code of the last "MC=" line of an earlier record of the run when
// the manufacturer is kept (the default), else with the empty code.
class CSifConverter {
public:
    using RecordObserver = std::function<void(const RecordResult&)>;
    // Called now and then with the bytes of the source read so far, and its size.
    using ProgressObserver = std::function<void(std::uint64_t, std::uint64_t)>;

    explicit CSifConverter(bool bKeepManufacturer = true);

    void SetRecordObserver(RecordObserver observer) { m_onRecord = std::move(observer); }
    void SetProgressObserver(ProgressObserver observer) { m_onProgress = std::move(observer); }

    // Reads source to its end and writes every line to output. Neither opens nor closes a file.
    // Throws CFileException on a read or write error.
    FileCounts ConvertFile(CTextFile& source, CTextFile& output, const CConversionTable& table);

    std::string m_strPartNumber;   // value of the current record's "PN=" line
    std::string m_strManufacturer; // value of the last "MC=" line the run has read
    bool m_bConverted = false;     // at least one record of the run was found in the table

private:
    void ConvertRecord(CTextFile& output, const CConversionTable& table,
                       const std::string& strManufacturer, std::size_t nLine, FileCounts& counts);

    bool m_bKeepManufacturer;
    const std::string* m_pSourcePath = nullptr; // of the file being converted
    std::vector<std::string> m_arrLines;        // the lines of the record being converted
    RecordObserver m_onRecord;
    ProgressObserver m_onProgress;
};

} // namespace orvane
