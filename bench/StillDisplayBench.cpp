// Speed of the still display: whole passes over generated vase profiles on
// both colour paths, and the depth ordering alone.
//
// Targets on a 2-core machine, Release build: a 300-vertex vase at unit
// angle 3 within 5 ms, 10,000 vertices at unit angle 3 within 400 ms, the
// depth ordering of 10,000 segments within 50 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "control/FigureStore.h"
#include "display/still/StillDisplay.h"

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
        store.clearVertices();
        store.resetFigureTable();
        for (int i = 0; i < vertices; ++i) {
            const double t = static_cast<double>(i) / (vertices - 1);
            const int k = ++store.VertexCount;
            store.x(k) = i == 0 ? 0.0f : static_cast<float>(60 + 35 * std::sin(t * 5.5) + 20 * t);
            store.y(k) = static_cast<float>(-120 + 240 * t);
            store.link(k) = i + 1 < vertices ? 1 : 0;
            store.figure(k) = 1;
        }
        store.HighestFigure = 1;
        still = std::make_unique<StillDisplay>(store, options, bitmap, palettePath);
    }
};

void stillDisplay(benchmark::State& state) {
    VaseScene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), state.range(2) != 0);
    for (auto _ : state) {
        scene.still->run();
        benchmark::DoNotOptimize(scene.bitmap.rawPixel(300, 200));
    }
    const int steps = StillDisplay::stepCount(static_cast<int>(state.range(1)));
    state.counters["elements"] = 2.0 * (state.range(0) - 1) * steps;
}
// Arguments: vertices, unit angle, palette path (1) or true colour (0).
BENCHMARK(stillDisplay)
    ->ArgNames({"vertices", "unit", "palette"})
    ->ArgsProduct({{100, 300, 1000, 10000}, {3, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void depthOrder(benchmark::State& state) {
    VaseScene scene(static_cast<int>(state.range(0)) + 1, 3, false);
    scene.still->prepareView();
    const auto method = state.range(1) != 0 ? DepthOrder::Method::Exchange : DepthOrder::Method::Fast;
    for (auto _ : state) {
        scene.still->DYSort(method);
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
