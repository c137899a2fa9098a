// SPDX-License-Identifier: GPL-3.0-or-later
// The figure store's verbs: every change the windows make to the figures,
// each announced once to the listeners.
#include <algorithm>

#include "model/figures/FigureStore.h"
#include "model/figures/StoreSnapshot.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

TakenFigure FigureStore::takeOutFigure(std::int32_t first) {
    TakenFigure taken;
    if (first < 1 || first > VertexCount) return taken;
    taken.number = figure(first);
    freeFigure(taken.number);
    taken.record = LastFreedFigure;
    std::int32_t last = first;
    while (last < VertexCount && link(last) != 0) ++last;
    for (std::int32_t k = first; k <= last; ++k) {
        taken.x.push_back(x(k));
        taken.y.push_back(y(k));
    }
    const std::int32_t n = last - first + 1;
    for (std::int32_t k = last + 1; k <= VertexCount; ++k) {
        x(k - n) = x(k);
        y(k - n) = y(k);
        link(k - n) = link(k);
        figure(k - n) = figure(k);
    }
    VertexCount -= n;
    announce(StoreChange::FigureTakenOut);
    return taken;
}

namespace {
bool fits(const FigureStore& s, std::span<const float> x, std::span<const float> y) {
    return !x.empty() && x.size() == y.size() && x.size() <= static_cast<std::size_t>(MaxVertices - s.VertexCount);
}
}  // namespace

std::int32_t FigureStore::appendFigure(std::span<const float> xs, std::span<const float> ys) {
    if (!fits(*this, xs, ys)) return 0;
    const std::int32_t number = allocFigure();
    for (std::size_t i = 0; i < xs.size(); ++i) {
        ++VertexCount;
        x(VertexCount) = xs[i];
        y(VertexCount) = ys[i];
        link(VertexCount) = 1;
        figure(VertexCount) = number;
    }
    link(VertexCount) = 0;
    announce(StoreChange::FigureAdded);
    return number;
}

std::int32_t FigureStore::appendFigure(std::span<const float> xs, std::span<const float> ys, const FigureRecord& record) {
    if (!fits(*this, xs, ys)) return 0;
    const bool tableFull = std::find(FigureInUse.begin() + 1, FigureInUse.end(), 0) == FigureInUse.end();
    if (!tableFull) {
        // The lowest free number is the one the append takes.
        const auto free = std::find(FigureInUse.begin() + 1, FigureInUse.end(), 0) - FigureInUse.begin();
        slot(static_cast<int>(free)) = record;
    }
    return appendFigure(xs, ys);
}

void FigureStore::deleteTakenFigure() { announce(StoreChange::FigureDeleted); }

void FigureStore::moveVertex(std::int32_t k, float vx, float vy) {
    x(k) = vx;
    y(k) = vy;
    announce(StoreChange::VerticesMoved);
}

void FigureStore::moveAllVertically(long double dy) {
    for (std::int32_t k = 1; k <= VertexCount; ++k) y(k) = static_cast<float>(static_cast<f80>(y(k)) + dy);
    announce(StoreChange::VerticesMoved);
}

void FigureStore::clearFigures() {
    VertexCount = 0;
    resetFigureTable();
    announce(StoreChange::Cleared);
}

void FigureStore::moveVerticesOffAxis() {
    bool moved = false;
    int k = 1;
    while (k <= VertexCount) {
        int end = k;
        while (end + 1 <= VertexCount && figure(end + 1) == figure(k)) ++end;
        if (end - k + 1 >= 3) {
            for (int i = k + 1; i < end; ++i)
                if (x(i) == 0.0f) {
                    x(i) = 0.0001f;
                    moved = true;
                }
        }
        k = end + 1;
    }
    if (moved) announce(StoreChange::MovedOffAxis);
}

void FigureStore::restore(const StoreSnapshot& snapshot, StoreChange why) {
    snapshot.restoreInto(*this);
    announce(why);
}

void FigureStore::markSaved() {
    DataEdited = 0;
    announce(StoreChange::Saved);
}

}  // namespace vantor
