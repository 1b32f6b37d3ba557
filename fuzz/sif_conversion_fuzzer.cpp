// Converts arbitrary bytes as a SIF source and checks what users rely on: every source line
// reaches the output, in order, and only "PN=", "MC=" and "PD=" lines may change.
#include "convert/sif_converter.h"
#include "convert/text_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& path) {
    orvane::CTextFile file;
    if (!file.Open(path, orvane::CTextFile::Mode::Read)) {
        std::abort();
    }
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadString(line)) {
        lines.push_back(line);
    }
    return lines;
}

bool Rewritable(const std::string& line) {
    const auto prefix = line.substr(0, 3);
    return prefix == "PN=" || prefix == "MC=" || prefix == "PD=";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = "/tmp/orvane-fuzz-" + std::to_string(getpid());
    static const bool made = (std::system(("mkdir -p " + folder).c_str()), true);
    (void)made;
    const std::string sourcePath = folder + "/in.sif";
    const std::string outputPath = folder + "/OUT(Converted).SIF";
    std::ofstream(sourcePath, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    orvane::CConversionTable table;
    table.Add({"A", "NEW-A", "new a", "M", "NM"});
    table.Add({"B", "NEW-B", "", "", "NM2"});

    {
        orvane::CTextFile source;
        orvane::CTextFile output;
        if (!source.Open(sourcePath, orvane::CTextFile::Mode::Read) ||
            !output.Open(outputPath, orvane::CTextFile::Mode::Write)) {
            std::abort();
        }
        orvane::CSifConverter converter;
        converter.ConvertFile(source, output, table);
        output.Close();
    }

    const auto in = Lines(sourcePath);
    const auto out = Lines(outputPath);
    if (in.size() != out.size()) {
        std::abort();
    }
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] != out[i] && !(Rewritable(in[i]) && in[i].substr(0, 3) == out[i].substr(0, 3))) {
            std::abort();
        }
    }
    return 0;
}
