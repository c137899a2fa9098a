// SPDX-License-Identifier: GPL-3.0-or-later
// Time of the still display over a generated vase, built both natively and
// for the browser so that the two can be set side by side:
//   still_time [vertices [unit angle [runs [threads]]]]
// prints the median and the fastest pass in milliseconds for the true-colour
// and the palette path, on one thread unless told otherwise (0: one a
// hardware thread).
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "model/figures/FigureStore.h"
#include "render/still/StillDisplay.h"

using namespace vantor;

namespace {

void timePath(int vertices, int unit, int runs, int threads, bool palette) {
    DisplayOptions options;
    options.setFactoryValues();
    options.unitAngle = unit;
    FigureStore store{options};
    bench::fillVase(store, vertices);
    Bitmap bitmap(600, 400, palette ? PixelFormat::Indexed8 : PixelFormat::Rgb32);
    StillDisplay still(store, options, bitmap, palette ? ColourPath::Palette : ColourPath::TrueColour);
    still.setThreads(threads);
    // Wall time, and the process's CPU time, which a busy machine disturbs
    // far less.
    std::vector<double> ms, cpu;
    for (int r = 0; r < runs; ++r) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t startCpu = std::clock();
        still.run(nullptr, {}, StillDisplay::ElementOrder::NearFirst);
        cpu.push_back(1000.0 * static_cast<double>(std::clock() - startCpu) / CLOCKS_PER_SEC);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%s vertices=%d unit=%d threads=%d runs=%d median_ms=%.2f min_ms=%.2f cpu_median_ms=%.2f\n",
                palette ? "palette   " : "truecolour", vertices, unit, still.threads(), runs, ms[ms.size() / 2], ms.front(), cpu[cpu.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
    const int vertices = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int unit = argc > 2 ? std::atoi(argv[2]) : 3;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 30;
    const int threads = argc > 4 ? std::atoi(argv[4]) : 1;
    timePath(vertices, unit, runs, threads, false);
    timePath(vertices, unit, runs, threads, true);
}
