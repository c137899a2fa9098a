// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Figures appended to a figure store as a loaded data set holds them: the
// points in order, each joined to the next, the last one ending the figure.
#include <cstddef>
#include <utility>
#include <vector>

#include "model/figures/FigureStore.h"

namespace vantor::test {

using Points = std::vector<std::pair<float, float>>;  // (distance from the axis, height)

// Appends the points as figure `number`, marks the number in use and lets
// HighestFigure cover it. A number already in use is taken again: the
// figures then share it, as they do once the table is full.
inline void addFigure(FigureStore& store, const Points& points, int number) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int k = ++store.VertexCount;
        store.x(k) = points[i].first;
        store.y(k) = points[i].second;
        store.link(k) = i + 1 < points.size() ? 1 : 0;
        store.figure(k) = number;
    }
    store.FigureInUse[static_cast<std::size_t>(number)] = 1;
    if (number > store.HighestFigure) store.HighestFigure = number;
}

// Appends the points under the lowest free number, which is returned.
inline int addFigure(FigureStore& store, const Points& points) {
    const int number = store.allocFigure();
    addFigure(store, points, number);
    return number;
}

}  // namespace vantor::test
