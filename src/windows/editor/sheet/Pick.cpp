// SPDX-License-Identifier: GPL-3.0-or-later
// Picking: the figure that owns the vertex nearest the mouse is taken out of
// the vertex list into the work buffer, with its attributes, and held there
// until it is put back.
#include <algorithm>
#include <cmath>

#include "windows/editor/EditorWindow.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

namespace {
float dataDistance(float px, float py, float x, float y) {
    const f80 dx = static_cast<f80>(px) - x;
    const f80 dy = static_cast<f80>(py) - y;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}
}  // namespace

bool EditorWindow::pickable() const { return store().VertexCount > 0; }

// Equal distances go to the later vertex; there is no maximum distance.
std::int32_t EditorWindow::nearestVertex(int x, int y) const {
    const FigureStore& s = store();
    const float px = sheetToDataX(x);
    const float py = sheetToDataY(y);
    float best = 1e12f;
    std::int32_t nearest = s.VertexCount > 0 ? 1 : 0;
    for (std::int32_t k = 1; k <= s.VertexCount; ++k) {
        const float d = dataDistance(px, py, s.x(k), s.y(k));
        if (d <= best) {
            best = d;
            nearest = k;
        }
    }
    return nearest;
}

void EditorWindow::pickNearestFigure(int x, int y) {
    const FigureStore& s = store();
    std::int32_t nearest = std::max(nearestVertex(x, y), 1);
    while (nearest > 1 && s.link(nearest - 1) == 1) --nearest;
    loadFigureIntoWork(nearest);
}

void EditorWindow::loadFigureIntoWork(std::int32_t first) {
    m_work.clear();
    const TakenFigure taken = store().takeOutFigure(first);
    if (taken.count() == 0) return;
    m_workRecord = taken.record;
    for (int i = 0; i < taken.count(); ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        m_work.append(taken.x[k], taken.y[k], pixelOf(taken.x[k], taken.y[k]));
    }
    m_figureHeld = true;
    highlightWork();
    showPicked(taken.number, m_work.count);
}

std::int32_t EditorWindow::nearestWorkVertex(int x, int y) const {
    const float px = sheetToDataX(x);
    const float py = sheetToDataY(y);
    float best = 1e12f;
    std::int32_t nearest = 1;
    for (int i = 0; i < m_work.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const float d = dataDistance(px, py, m_work.x[k], m_work.y[k]);
        if (d <= best) {
            best = d;
            nearest = i + 1;
        }
    }
    return nearest;
}

}  // namespace vantor
