#pragma once
// Shared by the reader fuzz targets: a fresh store and the invariants every
// reader must leave behind. A violation aborts, which the fuzzer reports.
#include <cstdint>
#include <cstdlib>

#include "control/FigureStore.h"
#include "display/DisplayOptions.h"

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
// higher than HighestFigure, or one above it when the read left its last
// figure open (`openEnd`).
inline void checkStore(const FigureStore& s, bool openEnd) {
    require(s.VertexCount >= 0 && s.VertexCount <= MaxVertices);
    require(s.HighestFigure >= 0 && s.HighestFigure <= MaxFigures);
    const int highest = s.HighestFigure + (openEnd && s.VertexCount > 0 && s.link(s.VertexCount) != 0 ? 1 : 0);
    for (int k = 1; k <= s.VertexCount; ++k) {
        const int f = s.figure(k);
        require(f >= 1 && f <= highest && f <= MaxFigures);
        require(s.FigureInUse[static_cast<std::size_t>(f)] == 1);
    }
}

}  // namespace vantor::fuzz
