#include "convert/sif_converter.h"

#include <optional>
#include <string_view>

namespace orvane {

namespace {

constexpr std::string_view kPartNumber = "PN=";
constexpr std::string_view kManufacturer = "MC=";
constexpr std::string_view kDescription = "PD=";
constexpr std::uint64_t kProgressEveryBytes = 1 << 20;

// A line is classified by its first three characters, exactly and case-sensitively.
bool HasPrefix(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

std::string_view ValueOf(std::string_view line) {
    return line.substr(3);
}

} // namespace

CSifConverter::CSifConverter(bool bKeepManufacturer) : m_bKeepManufacturer(bKeepManufacturer) {}

FileCounts CSifConverter::ConvertFile(CTextFile& source, CTextFile& output,
                                      const CConversionTable& table) {
    FileCounts counts;
    m_pSourcePath = &source.GetFilePath();
    std::uint64_t nextProgress = kProgressEveryBytes;
    std::string line;
    bool bHaveLine = source.ReadString(line);

    // The preamble: everything before the first record is copied as it is.
    while (bHaveLine && !HasPrefix(line, kPartNumber)) {
        output.WriteLine(line);
        bHaveLine = source.ReadString(line);
    }

    // Records: every "PN=" line opens one, and it runs to the next "PN=" line or the end.
    while (bHaveLine) {
        const std::size_t nRecordLine = source.LineNumber();
        m_strPartNumber.assign(ValueOf(line));
        std::optional<std::string> recordManufacturer;
        m_arrLines.clear();
        m_arrLines.push_back(std::move(line));
        while ((bHaveLine = source.ReadString(line)) && !HasPrefix(line, kPartNumber)) {
            if (HasPrefix(line, kManufacturer)) {
                m_strManufacturer.assign(ValueOf(line));
                recordManufacturer = m_strManufacturer;
            }
            m_arrLines.push_back(line);
        }
        if (!m_bKeepManufacturer && !recordManufacturer) {
            recordManufacturer.emplace();
        }
        ConvertRecord(output, table, recordManufacturer ? *recordManufacturer : m_strManufacturer,
                      nRecordLine, counts);
        if (m_onProgress && source.BytesRead() >= nextProgress) {
            m_onProgress(source.BytesRead(), source.Size());
            nextProgress = source.BytesRead() + kProgressEveryBytes;
        }
    }
    if (m_onProgress) {
        m_onProgress(source.BytesRead(), source.Size());
    }
    return counts;
}

void CSifConverter::ConvertRecord(CTextFile& output, const CConversionTable& table,
                                  const std::string& strManufacturer, std::size_t nLine,
                                  FileCounts& counts) {
    const NewPnValues* match = table.Find(m_strPartNumber, strManufacturer);
    ++counts.nRecords;
    if (match == nullptr) {
        for (const auto& recordLine : m_arrLines) {
            output.WriteLine(recordLine);
        }
    } else {
        ++counts.nConverted;
        m_bConverted = true;
        std::string rewritten;
        for (const auto& recordLine : m_arrLines) {
            const std::string* newValue = HasPrefix(recordLine, kPartNumber)     ? &match->NewPn
                                          : HasPrefix(recordLine, kManufacturer) ? &match->NewMc
                                          : HasPrefix(recordLine, kDescription)  ? &match->NewPd
                                                                                 : nullptr;
            if (newValue == nullptr) {
                output.WriteLine(recordLine);
                continue;
            }
            rewritten.assign(recordLine, 0, 3);
            rewritten += *newValue;
            output.WriteLine(rewritten);
        }
    }
    if (m_onRecord) {
        RecordResult result;
        result.strSource = *m_pSourcePath;
        result.nLine = nLine;
        result.strOldPn = m_strPartNumber;
        result.strOldMc = strManufacturer;
        if (match != nullptr) {
            result.strNewPn = match->NewPn;
            result.strNewMc = match->NewMc;
            result.bConverted = true;
        }
        m_onRecord(result);
    }
}

} // namespace orvane
