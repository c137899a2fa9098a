// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory and time of long exports, each case in a child process of its
// own, which reports its peak resident size (getrusage), the time and the
// file's size, through the routine behind `vantor-cli animate` and the
// scenario window's export:
//
//   noise   a scenario of N frames (default 5000) of one 600 x 400 noise
//           picture of 256 colours, as GIF and as APNG;
//   repeat  one 600 x 400 picture named 100,000 times (a 600 KB scenario);
//           target: under 10 s and 50 MB;
//   huge    one frame whose BMP header says 16384 x 16384 (its pixels a
//           hole in the file); target: under 64 MB;
//   fifo    2,000 frames, two pictures with a patch of noise taking turns,
//           as APNG into a FIFO that a reader drains; target: under 64 MB.
//
//   bench_animate_memory [noise|repeat|huge|fifo] [frames] [gif|png]
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "ChildProcess.h"
#include "export/animation/ScenarioExport.h"
#include "model/scenario/Scenario.h"
#include "platform/files/Files.h"
#include "platform/pixels/Bmp.h"

namespace {

using namespace vantor;

Bitmap noisePicture(std::uint32_t seed, int patch, bool colour) {
    Bitmap noise(600, 400, PixelFormat::Rgb32);
    for (int y = 0; y < std::min(patch, 400); ++y)
        for (int x = 0; x < std::min(patch, 600); ++x) {
            seed = seed * 1664525u + 1013904223u;
            noise.setRawPixel(x, y, colour ? seed >> 8 : (seed >> 24) * 0x010101u);
        }
    return noise;
}

int report(const char* what, AnimationFormat format, const ScenarioExport& result, double seconds, long limitMb, double limitS) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-7s %-4s %7d frames: peak %7.1f MB resident, %6.2f s, file %8.2f MB\n", what,
                format == AnimationFormat::Gif ? "GIF" : "APNG", result.frames, usage.ru_maxrss / 1024.0, seconds,
                static_cast<double>(result.bytes) / 1e6);
    std::fflush(stdout);
    return usage.ru_maxrss < limitMb * 1024 && seconds < limitS ? 0 : 1;
}

template <typename Work>
int timed(const char* what, AnimationFormat format, long limitMb, double limitS, Work work) {
    const auto start = std::chrono::steady_clock::now();
    const ScenarioExport result = work();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return report(what, format, result, seconds, limitMb, limitS);
}

const char* outName(AnimationFormat format) { return format == AnimationFormat::Gif ? "out.gif" : "out.png"; }

int noise(const std::string& folder, int frames, AnimationFormat format) {
    writeBmpFile(folder + "/noise001.bmp", noisePicture(7, 600, false));
    const std::vector<std::string> names(static_cast<std::size_t>(frames), "noise001");
    return timed("noise", format, 64, 1e9, [&] { return exportScenario(Files(folder), folder, names, 100, format, outName(format)); });
}

int repeat(const std::string& folder, int frames, AnimationFormat format) {
    writeBmpFile(folder + "/noise001.bmp", noisePicture(7, 600, false));
    std::string text;
    for (int i = 0; i < frames; ++i) text += "noise001\r\n";
    Files(folder).writeAtomic("repeat.snr", std::vector<std::uint8_t>(text.begin(), text.end()));
    return timed("repeat", format, 50, 10, [&] {
        const ScenarioText scenario = readScenarioFile(Files(folder), "repeat.snr");
        return exportScenario(Files(folder), folder, scenario.frames, 100, format, outName(format));
    });
}

int huge(const std::string& folder, int, AnimationFormat format) {
    const std::string path = folder + "/huge001.bmp";
    std::vector<std::uint8_t> h(54, 0);
    auto put = [&h](std::size_t at, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) h[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    h[0] = 'B', h[1] = 'M';
    put(10, 54, 4), put(14, 40, 4), put(18, 16384, 4), put(22, 16384, 4), put(26, 1, 2), put(28, 24, 2);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(h.data()), 54);
    if (::truncate(path.c_str(), 54 + 16384LL * 16384 * 3) != 0) return 2;
    return timed("huge", format, 64, 1e9, [&] { return exportScenario(Files(folder), folder, {"huge001"}, 100, format, outName(format)); });
}

int fifo(const std::string& folder, int frames, AnimationFormat format) {
    writeBmpFile(folder + "/n001.bmp", noisePicture(1, 160, true));
    writeBmpFile(folder + "/n002.bmp", noisePicture(2, 160, true));
    std::vector<std::string> names;
    for (int i = 0; i < frames; ++i) names.push_back(i % 2 ? "n002" : "n001");
    const std::string path = folder + "/fifo";
    if (::mkfifo(path.c_str(), 0600) != 0) return 2;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    std::thread reader([fd] {
        std::vector<std::uint8_t> buf(1 << 16);
        for (;;) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 60000) <= 0 || ::read(fd, buf.data(), buf.size()) == 0) return;
        }
    });
    const int code = timed("fifo", format, 64, 1e9, [&] { return exportScenario(Files(folder), folder, names, 100, format, "fifo"); });
    reader.join();
    ::close(fd);
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "noise";
    const int defaults = mode == "repeat" ? 100000 : mode == "fifo" ? 2000 : mode == "huge" ? 1 : 5000;
    const int frames = argc > 2 ? std::atoi(argv[2]) : defaults;
    const std::string only = argc > 3 ? argv[3] : "";
    auto work = mode == "repeat" ? repeat : mode == "huge" ? huge : mode == "fifo" ? fifo : noise;
    int status = 0;
    for (const AnimationFormat format : {AnimationFormat::Gif, AnimationFormat::Apng}) {
        if (!only.empty() && only != (format == AnimationFormat::Gif ? "gif" : "png")) continue;
        const bench::ScratchFolder folder;
        if (!folder.made()) return 2;
        status |= bench::inChild([&] { return work(folder.path(), frames, format); });
    }
    return status;
}
