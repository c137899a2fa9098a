// SPDX-License-Identifier: GPL-3.0-or-later
// Time of a mesh export: the vase profile of N vertices made into regions
// and written as binary STL with S segments into a sink that only counts
// the bytes. Time should grow linearly with N x S.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "export/mesh/SolidExport.h"

namespace {

using namespace vantor;

class CountingSink : public ByteSink {
public:
    std::uint64_t bytes = 0;
    void write(const std::uint8_t*, std::size_t size) override { bytes += size; }
    void overwrite(std::uint64_t, const std::vector<std::uint8_t>&) override {}
};

void exportMesh(benchmark::State& state, MeshFormat format) {
    DisplayOptions options;
    FigureStore store(options);
    bench::fillVase(store, static_cast<int>(state.range(0)));
    ExportSettings settings;
    settings.format = format;
    settings.revolve.segments = static_cast<int>(state.range(1));
    settings.revolve.thickness = 2;
    std::uint64_t bytes = 0, triangles = 0;
    for (auto _ : state) {
        const SolidPreview preview = previewSolid(store, settings);
        const RevolvedSolid solid(preview.set, settings.revolve);
        CountingSink sink;
        writeMesh(solid, format, sink);
        bytes = sink.bytes;
        triangles = solid.triangleCount();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["triangles"] = static_cast<double>(triangles);
    state.counters["ns/triangle"] = benchmark::Counter(static_cast<double>(triangles) * state.iterations(),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}

void StlExport(benchmark::State& state) { exportMesh(state, MeshFormat::Stl); }
void ObjExport(benchmark::State& state) { exportMesh(state, MeshFormat::Obj); }
void ThreeMfExport(benchmark::State& state) { exportMesh(state, MeshFormat::ThreeMf); }

// The regions alone: Clipper's part of the time.
void Regions(benchmark::State& state) {
    DisplayOptions options;
    FigureStore store(options);
    bench::fillVase(store, static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(solidOf(profilesOf(store), 2));
}

}  // namespace

BENCHMARK(StlExport)->ArgsProduct({{1000, 2500, 5000, 10000}, {360}})->Unit(benchmark::kMillisecond);
BENCHMARK(StlExport)->ArgsProduct({{10000}, {90, 180, 720}})->Unit(benchmark::kMillisecond);
BENCHMARK(ObjExport)->Args({10000, 360})->Unit(benchmark::kMillisecond);
BENCHMARK(ThreeMfExport)->ArgsProduct({{10000}, {360, 720}})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Regions)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
