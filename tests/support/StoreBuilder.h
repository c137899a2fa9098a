// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Figure-store contents for the data-set tests: figures given as point
// lists and numbered as the editor numbers them, and the invariants every
// reader must leave behind.
#include <gtest/gtest.h>

#include "model/figures/FigureStore.h"
#include "support/FigureBuilder.h"

namespace vantor::test {

inline void addSinglePoints(FigureStore& store, int count) {
    for (int i = 0; i < count; ++i) addFigure(store, {{float(i % 100), float(i / 100)}});
}

// The two-figure vase: 3 and 2 vertices.
inline void buildVase(FigureStore& s) {
    addFigure(s, {{0, 0}, {10, 5}, {20, 40}});
    addFigure(s, {{5, -3}, {7.5f, 2.25f}});
}

// A store over factory options with its table reset.
struct FreshStore {
    DisplayOptions options;
    FigureStore store{options};
    FreshStore() {
        options.setFactoryValues();
        store.clearVertices();
        store.resetFigureTable();
    }
};

// Counts within the capacities, every vertex's figure allocated and at most
// `highest` (HighestFigure unless given), and with RunCheck::Strict no link
// joining two different figures.
enum class RunCheck { Strict, NumbersOnly };
inline ::testing::AssertionResult storeIsConsistent(const FigureStore& s, RunCheck runs = RunCheck::Strict, int highest = -1) {
    if (highest < 0) highest = s.HighestFigure;
    if (s.VertexCount < 0 || s.VertexCount > MaxVertices) return ::testing::AssertionFailure() << "VertexCount " << s.VertexCount;
    if (s.HighestFigure < 0 || s.HighestFigure > MaxFigures) return ::testing::AssertionFailure() << "HighestFigure " << s.HighestFigure;
    for (int k = 1; k <= s.VertexCount; ++k) {
        const int f = s.figure(k);
        if (f < 1 || f > highest || f > MaxFigures) return ::testing::AssertionFailure() << "entry " << k << " has figure " << f;
        if (!s.FigureInUse[static_cast<std::size_t>(f)]) return ::testing::AssertionFailure() << "figure " << f << " not in use";
        if (runs == RunCheck::Strict && k < s.VertexCount && s.link(k) != 0 && s.figure(k + 1) != f)
            return ::testing::AssertionFailure() << "entry " << k << " joins another figure";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace vantor::test
