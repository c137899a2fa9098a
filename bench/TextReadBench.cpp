// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a .csv of nothing but line breaks: the time, and the peak memory
// of the process (maximum resident set) reported as a counter, which must
// stay near the program's own size whatever the file's size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "model/figures/FigureStore.h"
#include "model/formats/DataSetFiles.h"
#include "platform/files/Files.h"

namespace {

std::string makeBlankCsv(std::size_t megabytes) {
    char name[] = "/tmp/vantor-bench-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd < 0) std::abort();
    const std::string chunk(1 << 20, '\n');
    for (std::size_t i = 0; i < megabytes; ++i)
        if (::write(fd, chunk.data(), chunk.size()) != static_cast<ssize_t>(chunk.size())) std::abort();
    ::close(fd);
    return name;
}

double peakMegabytes() {
    struct rusage u {};
    ::getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void BM_ReadBlankCsv(benchmark::State& state) {
    const std::size_t megabytes = static_cast<std::size_t>(state.range(0));
    const std::string path = makeBlankCsv(megabytes);
    vantor::DisplayOptions options;
    options.setFactoryValues();
    vantor::FigureStore store(options);
    vantor::Files files("/");
    const double before = peakMegabytes();
    for (auto _ : state) {
        store.clearVertices();
        store.resetFigureTable();
        store.LoadBase = 0;
        benchmark::DoNotOptimize(vantor::DataSetFiles(store, files).LoadCSV(path));
    }
    state.counters["peak_MB"] = peakMegabytes();
    state.counters["peak_growth_MB"] = peakMegabytes() - before;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * megabytes << 20));
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadBlankCsv)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
