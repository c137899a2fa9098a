// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the reader fuzz targets: a fresh store and the invariants every
// reader must leave behind. A violation aborts, which the fuzzer reports.
#include <cstdint>
#include <cstdlib>

#include "model/figures/FigureStore.h"
#include "model/options/DisplayOptions.h"
#include "platform/files/Files.h"

#include <string>

namespace vantor::fuzz {

struct Fixture {
    DisplayOptions options;
    FigureStore store{options};
    // `before` one-vertex figures already in the store, as an add meets them.
    explicit Fixture(int before) {
        options.setFactoryValues();
        store.clearVertices();
        store.resetFigureTable();
        for (int i = 0; i < before; ++i) {
            const int k = ++store.VertexCount;
            store.x(k) = static_cast<float>(i);
            store.y(k) = 0;
            store.link(k) = 0;
            store.figure(k) = store.allocFigure();
        }
        store.LoadBase = store.VertexCount;
    }
};

inline void require(bool condition) {
    if (!condition) std::abort();
}

// Counts within the capacities; every vertex names an allocated figure no
// higher than HighestFigure, and the last figure is ended, so a data set
// added next never joins it.
inline void checkStore(const FigureStore& s) {
    require(s.VertexCount >= 0 && s.VertexCount <= MaxVertices);
    require(s.HighestFigure >= 0 && s.HighestFigure <= MaxFigures);
    require(s.VertexCount == 0 || s.link(s.VertexCount) == 0);
    for (int k = 1; k <= s.VertexCount; ++k) {
        const int f = s.figure(k);
        require(f >= 1 && f <= s.HighestFigure && f <= MaxFigures);
        require(s.FigureInUse[static_cast<std::size_t>(f)] == 1);
    }
}

// A text reader fed the input's lines (after a first byte that chooses how
// many figures are already present), then its writer's output parsed back:
// every vertex written must come back, one line each.
template <typename Read, typename Encode, typename Parse>
int fuzzTextReader(const std::uint8_t* data, std::size_t size, Read read, Encode encode, Parse parse) {
    if (size < 1) return 0;
    Fixture f(data[0] % 8);
    read(f.store, splitLines(std::string(data + 1, data + size)));
    f.store.HighestFigure = f.store.LoadedHighest;
    checkStore(f.store);
    const auto parsed = parse(encode(f.store), MaxVertices);
    require(parsed.complete() && static_cast<int>(parsed.vertices.size()) == f.store.VertexCount);
    return 0;
}

}  // namespace vantor::fuzz
