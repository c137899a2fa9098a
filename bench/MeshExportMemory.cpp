// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory of a mesh export: the vase profile of N vertices (default
// 10000) with a wall, turned in S segments (default 360), written through
// the routine behind `vantor-cli export` to a real file. Each format runs in
// a child process of its own, which reports its peak resident size
// (getrusage), the time and the file's size. Targets: STL, OBJ and PLY
// under 32 MB whatever N x S is; 3MF, whose model entry is streamed into
// its zip package, under 64 MB.
//
//   bench_mesh_export_memory [vertices] [segments] [stl|obj|ply|3mf]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchSupport.h"
#include "ChildProcess.h"
#include "export/mesh/SolidExport.h"

namespace {

using namespace vantor;

int run(const std::string& folder, int vertices, int segments, const char* extension) {
    DisplayOptions options;
    FigureStore store(options);
    bench::fillVase(store, vertices);
    ExportSettings settings;
    const std::string path = folder + "/vase." + extension;
    settings.format = meshFormatOf(path);
    settings.revolve.segments = segments;
    settings.revolve.thickness = 2;
    const auto start = std::chrono::steady_clock::now();
    const SolidPreview preview = previewSolid(store, settings);
    const ExportedSolid done = writeSolid(preview, settings, path, path);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-3s %6d vertices x %4d segments: %9zu triangles, peak %7.1f MB resident, %6.2f s, file %7.1f MB\n",
                extension, vertices, segments, done.triangles, usage.ru_maxrss / 1024.0, seconds,
                static_cast<double>(std::filesystem::file_size(path)) / 1e6);
    std::fflush(stdout);
    std::filesystem::remove(path);
    const long limit = std::string(extension) == "3mf" ? 64 * 1024 : 32 * 1024;
    return usage.ru_maxrss < limit ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const int vertices = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int segments = argc > 2 ? std::atoi(argv[2]) : 360;
    const std::string only = argc > 3 ? argv[3] : "";
    const bench::ScratchFolder folder;
    if (!folder.made()) return 2;
    int status = 0;
    for (const char* extension : {"stl", "obj", "ply", "3mf"}) {
        if (!only.empty() && only != extension) continue;
        status |= bench::inChild([&] { return run(folder.path(), vertices, segments, extension); });
    }
    return status;
}
