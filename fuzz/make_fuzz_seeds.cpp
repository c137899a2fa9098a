// SPDX-License-Identifier: GPL-3.0-or-later
// Writes seeds that fill the readers to their capacities (10,000 vertices,
// 2,500 figures) and one record beyond, so that the fuzzers start at the
// code that stops a read there. They are made at build time rather than
// kept in the repository: a 10,001-vertex seed takes 160 KB.
//   make_fuzz_seeds FOLDER  ->  FOLDER/fuzz_va4/..., FOLDER/fuzz_va2/..., ...
// Each seed starts with the bytes its target reads before the file (see
// the targets).
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int Vertices = 10000 + 1;
constexpr int Figures = 2500 + 1;
constexpr int VerticesPerFigure = 5;

using Bytes = std::vector<std::uint8_t>;

void u32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void f32(Bytes& b, float f) {
    std::uint32_t v;
    std::memcpy(&v, &f, 4);
    u32(b, v);
}
void f64(Bytes& b, double d) {
    std::uint64_t v;
    std::memcpy(&v, &d, 8);
    u32(b, static_cast<std::uint32_t>(v));
    u32(b, static_cast<std::uint32_t>(v >> 32));
}

// A vertex record: .va4 with the figure number, .va2 without.
void vertex(Bytes& b, int i, bool withFigure) {
    f32(b, static_cast<float>(i % 300));
    f32(b, static_cast<float>(i % 240 - 120));
    b.push_back(i % VerticesPerFigure == VerticesPerFigure - 1 ? 0 : 1);
    b.insert(b.end(), 3, 0);
    if (withFigure) u32(b, static_cast<std::uint32_t>(i / VerticesPerFigure + 1));
}

void write(const std::filesystem::path& folder, const std::string& target, const std::string& name, const Bytes& b) {
    std::filesystem::create_directories(folder / target);
    std::ofstream(folder / target / name, std::ios::binary).write(reinterpret_cast<const char*>(b.data()),
                                                                   static_cast<std::streamsize>(b.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];

    // .va4: no store before, no figure file; then with a figure file of the
    // 255 * 4 bytes the target can split off.
    Bytes va4 = {0, 0, 0};
    for (int i = 0; i < Vertices; ++i) vertex(va4, i, true);
    write(folder, "fuzz_va4", "capacity", va4);
    Bytes va4zuk = {0, 1, 255};
    for (int i = 0; i < Vertices; ++i) vertex(va4zuk, i, true);
    va4zuk.insert(va4zuk.end(), 255 * 4, 0);
    write(folder, "fuzz_va4", "capacity-with-figures", va4zuk);

    Bytes va2 = {0};
    for (int i = 0; i < Vertices; ++i) vertex(va2, i, false);
    write(folder, "fuzz_va2", "capacity", va2);

    Bytes zuk = {0, 0};  // appended from HighestFigure 0
    for (int i = 0; i < Figures; ++i) {
        f64(zuk, 1.0), f64(zuk, 0.5), f64(zuk, 0.25);
        zuk.insert(zuk.end(), {static_cast<std::uint8_t>(i % 3 + 1), static_cast<std::uint8_t>(i % 2), 1, 0});
    }
    write(folder, "fuzz_zuk", "capacity", zuk);

    std::string csv(1, '\0'), van = std::string(1, '\0') + std::to_string(Vertices) + "\r\n";
    for (int i = 0; i < Vertices; ++i) {
        const bool last = i % VerticesPerFigure == VerticesPerFigure - 1;
        csv += std::to_string(i % 300) + "." + std::to_string(i % 7) + "," + std::to_string(i % 240 - 120) + "\r\n";
        if (last) csv += "=\r\n";
        van += std::to_string(i % 300) + "," + std::to_string(i % 240 - 120) + "," + (last ? "0" : "1") + "\r\n";
    }
    write(folder, "fuzz_csv", "capacity", Bytes(csv.begin(), csv.end()));
    write(folder, "fuzz_van", "capacity", Bytes(van.begin(), van.end()));
    return 0;
}
