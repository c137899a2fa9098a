// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the still display: whole passes over generated vase profiles on
// both colour paths and in both element orders, and the depth ordering
// alone. Each pass reports, beside its time, the elements it holds, the
// elements whose colour it worked out and the pixel writes it made, so that
// the distance to the floor of the work (one shaded element per pixel of
// the picture) stays visible.
//
// Targets on a 2-core machine, RelWithDebInfo build, CPU time: a 300-vertex
// vase at unit angle 3 within 3 ms, 10,000 vertices within 80 ms at unit
// angle 3 and within 170 ms at unit angle 1 (near-first order); the depth
// ordering of 10,000 segments within 50 ms. Wall time on every core (two
// threads on this machine): 10,000 vertices within 25 ms at unit angle 3
// and within 50 ms at unit angle 1.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "BenchSupport.h"
#include "model/figures/FigureStore.h"
#include "render/still/StillDisplay.h"
#include "platform/pixels/Png.h"

namespace {

using namespace vantor;

// A vase of `vertices` points from its foot on the axis up to the lip, the
// size the editor sheet gives a figure, drawn as a surface.
struct VaseScene {
    DisplayOptions options;
    FigureStore store{options};
    Bitmap bitmap;
    std::unique_ptr<StillDisplay> still;

    VaseScene(int vertices, int unitAngle, bool palettePath)
        : bitmap(600, 400, palettePath ? PixelFormat::Indexed8 : PixelFormat::Rgb32) {
        options.setFactoryValues();
        options.unitAngle = unitAngle;
        bench::fillVase(store, vertices);
        still = std::make_unique<StillDisplay>(store, options, bitmap,
                                              palettePath ? ColourPath::Palette : ColourPath::TrueColour);
    }
};

void stillDisplay(benchmark::State& state) {
    VaseScene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), state.range(2) != 0);
    const auto order = state.range(3) != 0 ? StillDisplay::ElementOrder::NearFirst : StillDisplay::ElementOrder::FarFirst;
    scene.still->setThreads(static_cast<int>(state.range(4)));
    for (auto _ : state) {
        scene.still->run(nullptr, {}, order);
        benchmark::DoNotOptimize(scene.bitmap.rawPixel(300, 200));
    }
    const StillDisplay::PassCounts& pass = scene.still->lastPass();
    state.counters["elements"] = static_cast<double>(pass.elements);
    state.counters["shaded"] = static_cast<double>(pass.elementsShaded);
    state.counters["pixelWrites"] = static_cast<double>(pass.pixelsWritten);
}
// Arguments: vertices, unit angle, palette path (1) or true colour (0),
// near-first order (1, drawFinalElements) or painter's order (0,
// drawElements), threads of the near-first pass (0: one a hardware
// thread). Wall time is what a user waits for once the pass has threads.
BENCHMARK(stillDisplay)
    ->ArgNames({"vertices", "unit", "palette", "nearFirst", "threads"})
    ->ArgsProduct({{100, 300, 1000, 10000}, {3, 1}, {0, 1}, {1, 0}, {1}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(stillDisplay)
    ->ArgNames({"vertices", "unit", "palette", "nearFirst", "threads"})
    ->ArgsProduct({{300, 10000}, {3, 1}, {0, 1}, {1}, {0, 2}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The same passes seen from above (view height 85), where the elements go
// segment by segment rather than angle by angle.
void stillDisplayFromAbove(benchmark::State& state) {
    VaseScene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), false);
    scene.options.viewHeight = 85;
    scene.still->setThreads(static_cast<int>(state.range(2)));
    for (auto _ : state) {
        scene.still->run();
        benchmark::DoNotOptimize(scene.bitmap.rawPixel(300, 200));
    }
    state.counters["shaded"] = static_cast<double>(scene.still->lastPass().elementsShaded);
}
// Arguments: vertices, unit angle, threads.
BENCHMARK(stillDisplayFromAbove)
    ->ArgNames({"vertices", "unit", "threads"})
    ->ArgsProduct({{10000}, {3, 1}, {1, 2}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// A rendered picture written as PNG, as picture saves and `vantor-cli
// render` write it.
void pngOfPicture(benchmark::State& state) {
    VaseScene scene(300, 3, state.range(0) != 0);
    scene.still->run();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::vector<std::uint8_t> png = encodePng(scene.bitmap);
        bytes = png.size();
        benchmark::DoNotOptimize(png.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(pngOfPicture)->ArgNames({"palette"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void depthOrder(benchmark::State& state) {
    VaseScene scene(static_cast<int>(state.range(0)) + 1, 3, false);
    scene.still->prepareView();
    const auto method = state.range(1) != 0 ? DepthOrder::Method::Exchange : DepthOrder::Method::Fast;
    for (auto _ : state) {
        scene.still->sortByDepth(method);
        benchmark::DoNotOptimize(scene.still->order.entry(1, 1));
    }
}
// Arguments: segments, the plain exchange sort (1) or the fast order (0).
BENCHMARK(depthOrder)
    ->ArgNames({"segments", "exchange"})
    ->Args({1000, 0})
    ->Args({9999, 0})
    ->Args({1000, 1})
    ->Args({9999, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
