#include "convert/data_file.h"

#include <array>
#include <filesystem>
#include <functional>

namespace orvane {

namespace {

// Only the first 255 characters of a data line can hold separators.
constexpr std::size_t kSeparatorWindow = 255;
constexpr std::size_t kSeparators = 12;

} // namespace

std::optional<NewPnValues> ParseDataLine(std::string_view line) {
    std::array<std::size_t, kSeparators> commas{};
    std::size_t found = 0;
    const std::size_t window = std::min(line.size(), kSeparatorWindow);
    for (std::size_t pos = 0; pos < window; ++pos) {
        if (line[pos] != ',') {
            continue;
        }
        if (found == kSeparators) {
            return std::nullopt; // more than twelve
        }
        commas[found++] = pos;
    }
    if (found != kSeparators) {
        return std::nullopt;
    }
    // Column k (from 1) lies between comma k-1 and comma k.
    const auto column = [&](std::size_t k) {
        const std::size_t begin = k == 1 ? 0 : commas[k - 2] + 1;
        return std::string(line.substr(begin, commas[k - 1] - begin));
    };
    return NewPnValues{column(1), column(2), column(3), column(11), column(12)};
}

std::string GetDataFilePath(const std::string& modulePath) {
    return (std::filesystem::path(modulePath).parent_path() / "DATA.txt").string();
}

std::size_t CConversionTable::KeyHash::operator()(
    const std::pair<std::string, std::string>& key) const noexcept {
    const std::size_t h = std::hash<std::string>{}(key.first);
    return h ^ (std::hash<std::string>{}(key.second) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
}

const NewPnValues* CConversionTable::Find(std::string_view oldPn, std::string_view oldMc) const {
    const auto it = m_index.find({std::string(oldPn), std::string(oldMc)});
    return it == m_index.end() ? nullptr : &it->second;
}

void CConversionTable::Add(NewPnValues values) {
    auto key = std::make_pair(values.OldPn, values.OldMc);
    m_index.insert_or_assign(std::move(key), std::move(values));
}

void CConversionTable::AddWarning(std::size_t nLine, std::string text) {
    m_warnings.push_back({nLine, std::move(text)});
}

bool CConversionDataFile::Open(const std::string& path) {
    return m_file.Open(path, CTextFile::Mode::Read);
}

void CConversionDataFile::BeginScan() {
    m_file.SeekToBegin();
    std::string header;
    m_file.ReadString(header);
}

bool CConversionDataFile::ReadNext(NewPnValues& values) {
    std::string line;
    while (m_file.ReadString(line) && !line.empty()) {
        if (auto parsed = ParseDataLine(line)) {
            values = std::move(*parsed);
            return true;
        }
    }
    return false;
}

CConversionTable CConversionDataFile::LoadTable() {
    CConversionTable table;
    BeginScan();
    std::string line;
    while (m_file.ReadString(line)) {
        if (line.empty()) {
            std::size_t ignored = 0;
            const std::size_t emptyLine = m_file.LineNumber();
            while (m_file.ReadString(line)) {
                ++ignored;
            }
            if (ignored > 0) {
                table.AddWarning(emptyLine, "the table ends at this empty line; the " +
                                                std::to_string(ignored) +
                                                " line(s) after it are ignored");
            }
            break;
        }
        if (auto parsed = ParseDataLine(line)) {
            table.Add(std::move(*parsed));
        } else {
            table.AddWarning(m_file.LineNumber(),
                             "not a data line (the first 255 characters must hold exactly "
                             "twelve commas); it matches nothing");
        }
    }
    return table;
}

void CConversionDataFile::Close() {
    m_file.Close();
}

} // namespace orvane
