#pragma once
// Profiles for the display tests, written straight into a figure store.
#include <utility>
#include <vector>

#include "control/FigureStore.h"

namespace vantor::test {

using Profile = std::vector<std::pair<float, float>>;  // (distance from the axis, height)

// Appends one figure; its vertices are joined in order.
inline void addFigure(FigureStore& store, const Profile& points, int figure) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int k = ++store.VertexCount;
        store.x(k) = points[i].first;
        store.y(k) = points[i].second;
        store.link(k) = i + 1 < points.size() ? 1 : 0;
        store.figure(k) = figure;
    }
    if (figure > store.HighestFigure) store.HighestFigure = figure;
    store.FigureInUse[static_cast<std::size_t>(figure)] = 1;
}

// A vase from its foot on the axis up to the lip.
Profile vaseProfile(int vertices = 40);
// A zig-zag whose segments repeat, so that many midpoints lie at equal
// distances from the eye.
Profile repeatedProfile(int vertices);

}  // namespace vantor::test
