// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/simulation/MeridianSweep.h"

#include <algorithm>

#include "model/figures/FigureStore.h"
#include "platform/pixels/Canvas.h"

namespace vantor {

void MeridianSweep::computeSet(int a, const FigureStore& store, const ViewGeometry& view, const DepthOrder& order,
                               std::vector<Line>& out) {
    out.clear();
    const int m = std::min(order.segmentCount(), store.VertexCount - 1);
    if (m < 1) return;
    const TurnAngle turn = TurnAngle::fromDegrees(a);
    // Each vertex once: segments i and i + 1 share vertex i + 1.
    m_corners.resize(static_cast<std::size_t>(m) + 2);
    for (int v = 1; v <= m + 1; ++v) m_corners[static_cast<std::size_t>(v)] = view.projectPoint(store.x(v), store.y(v), turn);
    const std::int32_t* table = order.table(DepthOrder::tableForSimulation(a));
    out.reserve(static_cast<std::size_t>(m));
    for (int j = 1; j <= m; ++j) {
        const int s = table[j];
        if (!store.startsSegment(s, m)) continue;
        const Corner& p = m_corners[static_cast<std::size_t>(s)];
        const Corner& q = m_corners[static_cast<std::size_t>(s) + 1];
        out.push_back(Line{IntPoint{p.sx, p.sy}, IntPoint{q.sx, q.sy}});
    }
}

void MeridianSweep::invert(const std::vector<Line>& lines, Bitmap& bitmap) {
    Canvas canvas(bitmap);
    canvas.pen.style = PenStyle::Solid;
    canvas.pen.mode = PenMode::Invert;
    canvas.pen.width = 1;
    for (const Line& l : lines) {
        canvas.moveTo(l[0].x, l[0].y);
        canvas.lineTo(l[1].x, l[1].y);
    }
}

void MeridianSweep::draw(int a, const FigureStore& store, const ViewGeometry& view, const DepthOrder& order, Bitmap& bitmap) {
    computeSet(a, store, view, order, m_shown);
    invert(m_shown, bitmap);
}

void MeridianSweep::erase(Bitmap& bitmap) {
    invert(m_shown, bitmap);
    m_shown.clear();
}

}  // namespace vantor
