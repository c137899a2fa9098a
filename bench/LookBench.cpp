// SPDX-License-Identifier: GPL-3.0-or-later
// Looking by hand in the display window: the pictures a left-button drag
// draws while the button is held (one mouse move each), and the exact
// picture drawn on release.
//
// Targets on a 2-core machine, RelWithDebInfo build, wall time: a preview
// of a 10,000-vertex vase within 33 ms (30 pictures a second), the release
// within 150 ms; the preview keeps that rate with the window enlarged to a
// 1200 x 800 picture ("width" 1200), where the release may take longer (four
// times the pixels to fill). Measured so (CPU time, busy machine): previews
// of 2.6 / 4.4 ms at 600 x 400 and 2.8 / 4.6 ms at 1200 x 800 for 300 and
// 10,000 vertices. A preview that filled every pixel of the 1200 x 800
// picture took 6.6 / 8.7 ms, so the preview's canvas is bounded to
// 600 x 400 pixels.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "windows/display/DisplayWindow.h"

namespace {

using namespace vantor;

struct LookProgram {
    bench::BenchDesktop desktop;
    Program program;

    LookProgram(int vertices, int bitsPerPixel, int width = 600)
        : desktop(bitsPerPixel), program(desktop, [] {
              ProgramConfig c;
              c.readStandardOptions = false;
              return c;
          }()) {
        program.controlWindow().activate();
        bench::fillVase(program.store, vertices);
        DisplayWindow& w = program.displayWindow();
        w.resizeClient(width, DisplayWindow::PictureTop + width * 2 / 3);
        w.mnDispRunClick();
    }
};

// Moves of a drag back and forth over 60 pixels each way.
void lookPreview(benchmark::State& state) {
    LookProgram p(static_cast<int>(state.range(0)), state.range(1) != 0 ? 8 : 32, static_cast<int>(state.range(2)));
    DisplayWindow& w = p.program.displayWindow();
    w.imgSolid.onMouseDown(MouseButton::Left, ShiftLeft, 300, 200);
    int step = 0;
    for (auto _ : state) {
        const int d = (step++ % 120) - 60;
        w.imgSolid.onMouseMove(ShiftLeft, 300 + (d < 0 ? -d : d), 200 + d / 2);
    }
    w.imgSolid.onMouseUp(MouseButton::Left, 0, 300, 200);
    state.counters["unit"] = w.previewUnitAngle();
    state.counters["halfSize"] = w.previewHalfSize();
    state.counters["reduction"] = w.previewReduction();
    state.counters["pictures/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(lookPreview)
    ->ArgNames({"vertices", "palette", "width"})
    ->ArgsProduct({{300, 10000}, {0, 1}, {600, 1200}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// A short drag and its release: one preview and the exact picture.
void lookRelease(benchmark::State& state) {
    LookProgram p(static_cast<int>(state.range(0)), 32, static_cast<int>(state.range(1)));
    DisplayWindow& w = p.program.displayWindow();
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        w.imgSolid.onMouseDown(MouseButton::Left, ShiftLeft, 300, 200);
        w.imgSolid.onMouseMove(ShiftLeft, 300, flip ? 230 : 170);
        w.imgSolid.onMouseUp(MouseButton::Left, 0, 300, flip ? 230 : 170);
    }
}
BENCHMARK(lookRelease)
    ->ArgNames({"vertices", "width"})
    ->ArgsProduct({{10000}, {600, 1200}})
    ->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
