// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of one tick of the rotation simulation: the frame engine the display
// window and the command line share.
//
// Targets on a 2-core machine, Release build: a tick on the palette path
// costs the same at 300 and at 10,000 vertices (it changes palette entries
// only); a true-colour tick of a 10,000-vertex profile (erase one meridian
// set, draw the next) within 5 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "BenchSupport.h"
#include "render/picture/SolidPicture.h"
#include "render/simulation/RotationSimulation.h"

namespace {

using namespace vantor;

// The still picture of a vase of `vertices` points, the simulation started.
struct RunningSimulation {
    DisplayOptions options;
    FigureStore store{options};
    SolidPicture picture;
    RotationSimulation simulation{store, options, picture};

    RunningSimulation(int vertices, bool palettePath)
        : picture(store, options, palettePath ? ColourPath::Palette : ColourPath::TrueColour) {
        options.setFactoryValues();
        store.resetFigureTable();
        bench::fillVase(store, vertices);
        picture.drawStill();
        simulation.paintAnglePicture();
        simulation.start();
    }
};

void simulationTick(benchmark::State& state) {
    RunningSimulation sim(static_cast<int>(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        sim.simulation.tick();
        benchmark::DoNotOptimize(sim.picture.bitmap().rawPixel(300, 200));
    }
    state.counters["ticks"] = sim.simulation.ticks();
}
// Arguments: vertices, palette path (1) or true colour (0).
BENCHMARK(simulationTick)
    ->ArgNames({"vertices", "palette"})
    ->ArgsProduct({{300, 10000}, {1, 0}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
