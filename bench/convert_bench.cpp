// Throughput of the conversion engine on generated order files and tables.
//
// Targets: a source converts at 50 MB/s or more against a 20,000-row table, and the memory a
// conversion needs does not grow with the size of the source (peak_rss_MB stays flat from
// 10,000 to 400,000 records).
#include "convert/data_file.h"
#include "convert/sif_converter.h"
#include "convert/text_file.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

fs::path BenchFolder() {
    const fs::path folder =
        fs::temp_directory_path() / ("orvane-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    return folder;
}

// A table of nRows lines; old part numbers P0 ... P(nRows-1) under the code KSTV.
std::string WriteTable(int nRows) {
    const auto path = (BenchFolder() / ("DATA-" + std::to_string(nRows) + ".txt")).string();
    if (!fs::exists(path)) {
        std::ofstream out(path, std::ios::binary);
        out << "OldPn,NewPn,NewPd,a,b,c,d,e,f,g,OldMc,NewMc,Note\r\n";
        for (int i = 0; i < nRows; ++i) {
            out << 'P' << i << ",KN." << i << ",New description " << i
                << ",s,c,100.00,30,24,29,2011-01-01,KSTV,KST,note\r\n";
        }
    }
    return path;
}

// An order of nRecords items of 12 lines each; every other item is in the table.
std::string WriteSource(int nRecords, int nTableRows) {
    const auto path = (BenchFolder() / ("order-" + std::to_string(nRecords) + ".sif")).string();
    if (!fs::exists(path)) {
        std::ofstream out(path, std::ios::binary);
        out << "SF=bench.sif\r\nST=Nexavo 4.2\r\n";
        for (int i = 0; i < nRecords; ++i) {
            const int pn = i % 2 == 0 ? i % nTableRows : nTableRows + i;
            out << "PN=P" << pn << "\r\nPD=Some product description " << i
                << "\r\nMC=KSTV\r\nTG=Area " << i % 17 << "\r\nQT=" << i % 9 + 1
                << "\r\nPL=123.45\r\nON=FIN\r\nOD=Finish: Graphite\r\nON=EDG\r\nOD=Edge: Black\r\n"
                << "ON=LCK\r\nOD=Lock: Keyed alike\r\n\r\n";
        }
    }
    return path;
}

double PeakRssMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ConvertFile(benchmark::State& state) {
    const int nRecords = static_cast<int>(state.range(0));
    constexpr int kTableRows = 20000;
    const auto tablePath = WriteTable(kTableRows);
    const auto sourcePath = WriteSource(nRecords, kTableRows);
    const auto outputPath = (BenchFolder() / "OUT(Converted).SIF").string();

    orvane::CConversionDataFile data;
    data.Open(tablePath);
    const auto table = data.LoadTable();
    data.Close();

    for (auto _ : state) {
        orvane::CTextFile source;
        orvane::CTextFile output;
        source.Open(sourcePath, orvane::CTextFile::Mode::Read);
        output.Open(outputPath, orvane::CTextFile::Mode::Write);
        orvane::CSifConverter converter;
        benchmark::DoNotOptimize(converter.ConvertFile(source, output, table));
        output.Close();
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(fs::file_size(sourcePath)));
    state.counters["peak_rss_MB"] = PeakRssMegabytes();
}
BENCHMARK(BM_ConvertFile)->Arg(10000)->Arg(100000)->Arg(400000)->Unit(benchmark::kMillisecond);

void BM_LoadTable(benchmark::State& state) {
    const auto tablePath = WriteTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        orvane::CConversionDataFile data;
        data.Open(tablePath);
        benchmark::DoNotOptimize(data.LoadTable());
        data.Close();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadTable)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(BenchFolder(), ignored);
    return 0;
}
