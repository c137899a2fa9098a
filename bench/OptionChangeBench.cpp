// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of an option change on a 256-colour screen: a new background colour,
// tint or brightness rebuilds the palette only, against a whole still
// display pass of the same 10,000-vertex profile.
//
// Target: the palette rebuild at least 50 times cheaper than the pass.
#include <benchmark/benchmark.h>

#include <cmath>

#include "BenchSupport.h"
#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "windows/display/DisplayWindow.h"

namespace {

using namespace vantor;

struct PaletteScreenProgram {
    bench::BenchDesktop desktop{8};
    Program program{desktop, [] {
                        ProgramConfig c;
                        c.readStandardOptions = false;
                        return c;
                    }()};

    explicit PaletteScreenProgram(int vertices) {
        program.controlWindow().activate();
        bench::fillVase(program.store, vertices);
        program.displayWindow().mnDispRunClick();
    }
};

void backgroundColourChange(benchmark::State& state) {
    PaletteScreenProgram p(static_cast<int>(state.range(0)));
    for (auto _ : state) p.program.displayWindow().mnBackFreeClick();
}
BENCHMARK(backgroundColourChange)->ArgName("vertices")->Arg(10000)->Unit(benchmark::kMicrosecond);

void tintChange(benchmark::State& state) {
    PaletteScreenProgram p(static_cast<int>(state.range(0)));
    for (auto _ : state) p.program.displayWindow().mnTintFreeClick();
}
BENCHMARK(tintChange)->ArgName("vertices")->Arg(10000)->Unit(benchmark::kMicrosecond);

void brightnessBarMove(benchmark::State& state) {
    PaletteScreenProgram p(static_cast<int>(state.range(0)));
    DisplayWindow& w = p.program.displayWindow();
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        w.scbBright.setPosition(flip ? 1500 : 1000);
    }
}
BENCHMARK(brightnessBarMove)->ArgName("vertices")->Arg(10000)->Unit(benchmark::kMicrosecond);

void fullPass(benchmark::State& state) {
    PaletteScreenProgram p(static_cast<int>(state.range(0)));
    for (auto _ : state) p.program.displayWindow().mnDispRunClick();
}
BENCHMARK(fullPass)->ArgName("vertices")->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
