// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a long scenario whose frames are mostly gone: the scenario file
// read and parsed, the list filled and the entries without a picture
// dropped, with a listener on the list that copies it at every change as
// the window's view does.
//
// Target on a 2-core machine, Release build: 100,000 names (about the most
// the 1 MB scenario limit allows) well under a second.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchSupport.h"
#include "model/scenario/Scenario.h"
#include "windows/scenario/ScenarioWindow.h"
#include "app/Program.h"
#include "platform/files/Files.h"
#include "platform/pixels/Bmp.h"

namespace {

using namespace vantor;

void openMissingFrames(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    std::string folder = (std::filesystem::temp_directory_path() / "vantor-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data())) std::abort();
    writeBmpFile(folder + "/kept.bmp", Bitmap(8, 8, PixelFormat::Rgb32));
    std::string text;
    for (int i = 0; i < count; ++i) text += i % 1000 == 0 ? "kept\r\n" : "g" + std::to_string(i) + "\r\n";
    const Files files(folder);
    files.writeAtomic("s.snr", std::vector<std::uint8_t>(text.begin(), text.end()));

    bench::BenchDesktop desktop{32, MsgAnswer::Ok};
    ProgramConfig config;
    config.currentFolder = folder;
    config.readStandardOptions = false;
    Program program(desktop, config);
    ScenarioWindow& editor = program.scenarioWindow();
    std::vector<std::string> view;
    editor.lstScenario.subscribe([&] { view = editor.lstScenario.items(); });
    for (auto _ : state) {
        const ScenarioText scenario = readScenarioFile(files, "s.snr");
        editor.lstScenario.setItems(scenario.frames);
        editor.SceneExistCheck();
    }
    state.counters["kept"] = static_cast<double>(view.size());
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}
BENCHMARK(openMissingFrames)->Arg(8000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
