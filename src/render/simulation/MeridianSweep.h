// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sweeping meridian of the simulation on a true-colour screen: the
// profile line of every segment turned to one angle, drawn with an inverting
// one-pixel pen over the still picture. Inverting the same lines again
// restores every pixel, so the sweep erases the set on the picture by
// replaying the lines it drew -- exact even when the vertex list or the view
// changed in between.
#include <array>
#include <vector>

#include "render/geometry/ViewGeometry.h"
#include "render/still/DepthOrder.h"
#include "platform/pixels/Bitmap.h"
#include "platform/pixels/Color.h"

namespace vantor {

class FigureStore;

class MeridianSweep {
public:
    using Line = std::array<IntPoint, 2>;

    // The lines of the set at a (whole degrees), in the order of the depth
    // table (the 270-degree table for 180 <= a <= 360, else the 90-degree
    // one), each from vertex i to vertex i + 1 of a joined segment. Segments
    // the tables no longer cover (the list changed since the sort) are left
    // out.
    void computeSet(int a, const FigureStore& store, const ViewGeometry& view, const DepthOrder& order,
                    std::vector<Line>& out);
    // Inverts each line, without its end point.
    static void invert(const std::vector<Line>& lines, Bitmap& bitmap);

    // Draws the set at a and remembers it as the set on the picture.
    void draw(int a, const FigureStore& store, const ViewGeometry& view, const DepthOrder& order, Bitmap& bitmap);
    // Inverts the remembered set again and forgets it.
    void erase(Bitmap& bitmap);
    // Forgets the remembered set without touching the picture (it was
    // redrawn under the sweep).
    void forget() { m_shown.clear(); }
    const std::vector<Line>& shown() const { return m_shown; }

private:
    std::vector<Line> m_shown;
    std::vector<Corner> m_corners;
};

}  // namespace vantor
