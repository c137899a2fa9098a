// Peak memory of a long export: a scenario of N frames (default 5000) of one
// 600 x 400 noise picture of 256 colours, written as an animated GIF and an
// animated PNG through the routine behind `vantor-cli animate` and the
// scenario window's export. Each format runs in a child process of its own,
// which reports its peak resident size (getrusage), the time and the file's
// size. Target: under 64 MB whatever N is.
//
//   bench_animate_memory [frames] [gif|png]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ChildProcess.h"
#include "model/scenario/Scenario.h"
#include "export/animation/ScenarioExport.h"
#include "platform/files/Files.h"
#include "platform/pixels/Bmp.h"

namespace {

using namespace vantor;

int run(const std::string& folder, int frames, AnimationFormat format) {
    Bitmap noise(600, 400, PixelFormat::Rgb32);
    std::uint32_t seed = 7;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            noise.setRawPixel(x, y, (seed >> 24) * 0x010101u);
        }
    writeBmpFile(folder + "/noise001.bmp", noise);
    const std::vector<std::string> names(static_cast<std::size_t>(frames), "noise001");
    const auto start = std::chrono::steady_clock::now();
    const ScenarioExport result =
        exportScenario(Files(folder), folder, names, 100, format, format == AnimationFormat::Gif ? "out.gif" : "out.png");
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-4s %6d frames: peak %7.1f MB resident, %6.1f s, file %8.1f MB\n",
                format == AnimationFormat::Gif ? "GIF" : "APNG", result.frames, usage.ru_maxrss / 1024.0, seconds,
                static_cast<double>(result.bytes) / 1e6);
    std::fflush(stdout);
    return usage.ru_maxrss < 64 * 1024 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 5000;
    const std::string only = argc > 2 ? argv[2] : "";
    const bench::ScratchFolder folder;
    if (!folder.made()) return 2;
    int status = 0;
    for (const AnimationFormat format : {AnimationFormat::Gif, AnimationFormat::Apng}) {
        if (!only.empty() && only != (format == AnimationFormat::Gif ? "gif" : "png")) continue;
        status |= bench::inChild([&] { return run(folder.path(), frames, format); });
    }
    return status;
}
