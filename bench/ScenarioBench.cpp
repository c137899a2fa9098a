// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the flip-book: one playback tick (a 600 x 400 frame read from
// disk, decoded and handed to the playback image) on both colour paths, and
// the export of a 100-frame scenario as animated GIF and PNG.
//
// Targets on a 2-core machine, Release build: a playback tick within 2 ms,
// so that the shortest timer setting is limited by the timer, not by us.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "model/scenario/Scenario.h"
#include "windows/scenario/ScenarioWindow.h"
#include "windows/scenario/PlaybackWindow.h"
#include "export/animation/ScenarioExport.h"
#include "BenchSupport.h"
#include "app/Program.h"
#include "model/figures/FigureStore.h"
#include "windows/control/ControlWindow.h"
#include "render/still/StillDisplay.h"
#include "platform/widgets/Desktop.h"
#include "platform/pixels/Bmp.h"

namespace {

using namespace vantor;


struct Folder {
    std::string path;
    Folder() {
        std::string t = (std::filesystem::temp_directory_path() / "vantor-bench-XXXXXX").string();
        if (!::mkdtemp(t.data())) std::abort();
        path = t;
    }
    ~Folder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

// A shaded vase turned by `turn` degrees of tilt, as a frame of the display.
Bitmap vaseFrame(bool palettePath, double turn) {
    DisplayOptions options;
    options.setFactoryValues();
    options.inclin = turn;
    FigureStore store{options};
    bench::fillVase(store, 200);
    Bitmap bitmap(600, 400, palettePath ? PixelFormat::Indexed8 : PixelFormat::Rgb32);
    StillDisplay still(store, options, bitmap, palettePath ? ColourPath::Palette : ColourPath::TrueColour);
    still.run();
    return bitmap;
}

void writeFrames(const std::string& folder, int count, bool palettePath) {
    std::string scenario;
    for (int i = 1; i <= count; ++i) {
        const std::string name = frameNameFor("vase", i);
        writeBmpFile(folder + "/" + name + ".bmp", vaseFrame(palettePath, (i - 1) * 360.0 / count));
        scenario += name + "\r\n";
    }
    Files(folder).writeAtomic("vase.snr", std::vector<std::uint8_t>(scenario.begin(), scenario.end()));
}

void playbackTick(benchmark::State& state) {
    const bool palettePath = state.range(0) != 0;
    Folder folder;
    writeFrames(folder.path, 2, palettePath);
    bench::BenchDesktop desktop{32, MsgAnswer::Ok};
    ProgramConfig config;
    config.currentFolder = folder.path;
    config.readStandardOptions = false;
    Program program(desktop, config);
    ScenarioWindow& editor = program.scenarioWindow();
    editor.lstScenario.setItems({"vase001", "vase002"});
    program.scenarioWindow().playbackWindow().PlaybackStart();
    for (auto _ : state) {
        program.clock.timer.tick();
        benchmark::DoNotOptimize(program.scenarioWindow().playbackWindow().frameBitmap.rawPixel(300, 200));
    }
}
BENCHMARK(playbackTick)->ArgName("palette")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void exportHundredFrames(benchmark::State& state) {
    const bool palettePath = state.range(0) != 0;
    const AnimationFormat format = state.range(1) != 0 ? AnimationFormat::Apng : AnimationFormat::Gif;
    Folder folder;
    writeFrames(folder.path, 100, palettePath);
    const Files files(folder.path);
    std::vector<std::string> frames;
    for (int i = 1; i <= 100; ++i) frames.push_back(frameNameFor("vase", i));
    std::size_t bytes = 0;
    for (auto _ : state) bytes = exportScenario(files, folder.path, frames, 100, format, "out.anim").bytes;
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(exportHundredFrames)
    ->ArgNames({"palette", "apng"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace
