// SPDX-License-Identifier: GPL-3.0-or-later
// Size, closeness and CPU of animated GIFs, ours beside ffmpeg's
// palettegen/paletteuse GIF made from the same true frames in the same run:
//
//  - the vase's rotation simulation (`vantor-cli animate vase.va4
//    --simulation`, 60 frames of 600 x 400); our CPU includes drawing them;
//  - a scenario of 60 frames of the vase turned step by step
//    (`vantor-cli animate vase.snr`); our CPU includes reading them.
//
// The true frames come from the lossless animated PNG of the same command.
// Targets: our mean PSNR at least ffmpeg's - 0.5 dB, our size at most
// ffmpeg's. Each case runs once: the counters are the result.
#include <filesystem>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "AnimDecode.h"
#include "BenchSupport.h"
#include "ChildProcess.h"
#include "model/figures/FigureStore.h"
#include "model/scenario/Scenario.h"
#include "platform/files/Files.h"
#include "platform/pixels/Bmp.h"
#include "render/still/StillDisplay.h"

namespace {

using namespace vantor;

// The command line program measured: $VANTOR_CLI when set (to measure
// another build beside this one), else this build's.
std::string cliProgram() {
    const char* other = std::getenv("VANTOR_CLI");
    return other && *other ? other : VANTOR_CLI;
}

double childrenCpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Runs a shell command; its CPU seconds, or -1 when it failed.
double timedCommand(const std::string& command) {
    const double before = childrenCpuSeconds();
    if (std::system(command.c_str()) != 0) return -1;
    return childrenCpuSeconds() - before;
}

std::uint64_t fileSize(const std::string& path) { return bench::readAll(path).size(); }

void writeFrameFiles(const std::string& folder, const std::vector<bench::Frame>& frames, int width, int height) {
    for (std::size_t i = 0; i < frames.size(); ++i) {
        Bitmap b(width, height, PixelFormat::Rgb32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) b.setRawPixel(x, y, frames[i][static_cast<std::size_t>(y) * width + x]);
        char name[32];
        std::snprintf(name, sizeof name, "/t%04zu.bmp", i + 1);
        writeBmpFile(folder + name, b);
    }
}

// `ours`: the command that writes our GIF to {out}; `truth`: the one that
// writes the lossless animated PNG of the same frames.
void compare(benchmark::State& state, const std::string& folder, const std::string& ours, const std::string& truth) {
    const std::string gif = folder + "/ours.gif", png = folder + "/true.png", ff = folder + "/ffmpeg.gif";
    double ourCpu = 0, ffCpu = 0;
    for (auto _ : state) {
        ourCpu = timedCommand(ours + " -o " + gif + " >/dev/null 2>&1");
        if (timedCommand(truth + " -o " + png + " >/dev/null 2>&1") < 0) state.SkipWithError("no true frames");
        int w = 0, h = 0;
        const std::vector<bench::Frame> frames = bench::apngFrames(png, w, h);
        const std::string seq = folder + "/seq";
        std::filesystem::remove_all(seq);
        std::filesystem::create_directory(seq);
        writeFrameFiles(seq, frames, w, h);
        ffCpu = timedCommand("ffmpeg -v error -y -i " + seq + "/t%04d.bmp -vf palettegen " + folder +
                             "/pal.png && ffmpeg -v error -y -framerate 50 -i " + seq + "/t%04d.bmp -i " + folder +
                             "/pal.png -lavfi paletteuse " + ff);
        if (ffCpu < 0) state.SkipWithError("ffmpeg failed");
        int gw = 0, gh = 0;
        state.counters["frames"] = static_cast<double>(frames.size());
        state.counters["ours_KB"] = fileSize(gif) / 1e3;
        state.counters["ours_dB"] = bench::meanPsnr(frames, bench::gifFrames(gif, gw, gh));
        state.counters["ours_cpu_s"] = ourCpu;
        state.counters["ffmpeg_KB"] = fileSize(ff) / 1e3;
        state.counters["ffmpeg_dB"] = bench::meanPsnr(frames, bench::gifFrames(ff, gw, gh));
        state.counters["ffmpeg_cpu_s"] = ffCpu;
    }
}

void simulationGif(benchmark::State& state) {
    const bench::ScratchFolder folder;
    const std::string cli = cliProgram() + " animate " + VANTOR_EXAMPLES + "/vase.va4 --simulation";
    compare(state, folder.path(), cli, cli);
}
BENCHMARK(simulationGif)->Iterations(1)->Unit(benchmark::kSecond);

// 60 frames of the example vase, its tilt turned 6 degrees a frame, true colour.
void scenarioGif(benchmark::State& state) {
    const bench::ScratchFolder folder;
    std::string scenario;
    for (int i = 1; i <= 60; ++i) {
        DisplayOptions options;
        options.setFactoryValues();
        options.inclin = (i - 1) * 6.0;
        FigureStore store{options};
        bench::fillVase(store, 200);
        Bitmap bitmap(600, 400, PixelFormat::Rgb32);
        StillDisplay still(store, options, bitmap, ColourPath::TrueColour);
        still.run();
        const std::string name = frameNameFor("vase", i);
        writeBmpFile(folder.path() + "/" + name + ".bmp", bitmap);
        scenario += name + "\r\n";
    }
    Files(folder.path()).writeAtomic("vase.snr", std::vector<std::uint8_t>(scenario.begin(), scenario.end()));
    const std::string cli = cliProgram() + " animate " + folder.path() + "/vase.snr --delay 20";
    compare(state, folder.path(), cli, cli);
}
BENCHMARK(scenarioGif)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
