// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of recording an editor step and the memory the history holds, at the
// store's full 10,000 vertices.
#include <benchmark/benchmark.h>

#include "model/figures/FigureStore.h"
#include "model/options/DisplayOptions.h"
#include "windows/editor/history/EditHistory.h"

namespace {

using vantor::FigureStore;

void fill(FigureStore& store, int vertices, int perFigure) {
    store.resetFigureTable();
    store.VertexCount = 0;
    for (int k = 1; k <= vertices; ++k) {
        const bool last = k % perFigure == 0 || k == vertices;
        if ((k - 1) % perFigure == 0) store.figure(k) = store.allocFigure();
        else store.figure(k) = store.figure(k - 1);
        store.x(k) = static_cast<float>(k % 300);
        store.y(k) = static_cast<float>(k % 240 - 120);
        store.link(k) = last ? 0 : 1;
        store.VertexCount = k;
    }
}

// One step: the store changed (a vertex moved), the history compares and copies.
void BM_RecordStep(benchmark::State& state) {
    vantor::DisplayOptions options;
    FigureStore store(options);
    fill(store, static_cast<int>(state.range(0)), 100);
    vantor::EditHistory history;
    history.record(store);
    float shift = 0;
    for (auto _ : state) {
        store.x(store.VertexCount) = (shift += 1);
        benchmark::DoNotOptimize(history.record(store));
    }
    state.counters["history_MB"] = static_cast<double>(history.bytes()) / 1e6;
}
BENCHMARK(BM_RecordStep)->Arg(1000)->Arg(10000);

// Undo and redo at full depth.
void BM_UndoRedo(benchmark::State& state) {
    vantor::DisplayOptions options;
    FigureStore store(options);
    fill(store, 10000, 100);
    vantor::EditHistory history;
    history.record(store);
    for (int i = 0; i < vantor::EditHistory::DefaultDepth; ++i) {
        store.y(1 + i) += 1;
        history.record(store);
    }
    for (auto _ : state) {
        history.undo(store);
        history.redo(store);
    }
    state.counters["steps"] = history.undoSteps();
    state.counters["history_MB"] = static_cast<double>(history.bytes()) / 1e6;
    state.counters["bytes_per_step"] = static_cast<double>(history.bytes()) / (history.undoSteps() + 1);
}
BENCHMARK(BM_UndoRedo);

}  // namespace
