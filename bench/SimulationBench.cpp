// Speed of one tick of the rotation simulation, through the display window
// as the shared timer drives it.
//
// Targets on a 2-core machine, Release build: a tick on the palette path
// costs the same at 300 and at 10,000 vertices (it changes palette entries
// only); a true-colour tick of a 10,000-vertex profile (erase one meridian
// set, draw the next) within 5 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "BenchSupport.h"
#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "windows/display/DisplayWindow.h"

namespace {

using namespace vantor;

// The display window showing a vase of `vertices` points, the simulation
// started.
struct RunningSimulation {
    bench::BenchDesktop desktop;
    std::unique_ptr<Program> program;

    RunningSimulation(int vertices, bool palettePath) : desktop(palettePath ? 8 : 32) {
        ProgramConfig config;
        config.readStandardOptions = false;
        program = std::make_unique<Program>(desktop, config);
        program->controlWindow().activate();
        bench::fillVase(program->store, vertices);
        DisplayWindow& display = program->displayWindow();
        display.mnDispRunClick();
        display.mnSimuStartClick();
    }
};

void simulationTick(benchmark::State& state) {
    RunningSimulation sim(static_cast<int>(state.range(0)), state.range(1) != 0);
    DisplayWindow& display = sim.program->displayWindow();
    for (auto _ : state) {
        display.simuTimerTimer();
        benchmark::DoNotOptimize(display.displayPicture().rawPixel(300, 200));
    }
    state.counters["ticks"] = display.simulationTicks();
}
// Arguments: vertices, palette path (1) or true colour (0).
BENCHMARK(simulationTick)
    ->ArgNames({"vertices", "palette"})
    ->ArgsProduct({{300, 10000}, {1, 0}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
