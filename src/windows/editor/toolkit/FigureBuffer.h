// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A figure held outside the vertex list: the one being drawn, or one taken
// out of the store for editing. Fixed capacity (the store's vertex limit);
// an append past it is refused and remembered in `overflow`, so a figure that
// did not fit is never committed in part.
#include <vector>

#include "model/figures/FigureStore.h"
#include "platform/pixels/Color.h"

namespace vantor {

struct FigureBuffer {
    static constexpr int Capacity = MaxVertices;

    FigureBuffer() : x(Capacity), y(Capacity), pixel(Capacity) {}

    // Vertex k (counted from 1) is entry k - 1.
    int count = 0;
    std::vector<float> x;
    std::vector<float> y;
    std::vector<IntPoint> pixel;  // sheet position of each vertex
    bool overflow = false;

    bool full() const { return count >= Capacity; }
    void clear() {
        count = 0;
        overflow = false;
    }
    // False (and overflow set) when the buffer is full.
    bool append(float vx, float vy, IntPoint p) {
        if (full()) {
            overflow = true;
            return false;
        }
        x[static_cast<std::size_t>(count)] = vx;
        y[static_cast<std::size_t>(count)] = vy;
        pixel[static_cast<std::size_t>(count)] = p;
        ++count;
        return true;
    }
};

}  // namespace vantor
