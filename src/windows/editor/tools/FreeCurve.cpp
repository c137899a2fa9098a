// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/tools/FreeCurve.h"

#include <cmath>

#include "platform/numbers/Numbers.h"
#include "windows/editor/toolkit/Context.h"
#include "windows/editor/toolkit/FigureBuffer.h"

namespace vantor::edit {

namespace {
double distance(IntPoint a, IntPoint b) {
    const double dx = static_cast<double>(a.x) - b.x;
    const double dy = static_cast<double>(a.y) - b.y;
    return std::sqrt(dx * dx + dy * dy);
}
}  // namespace

void FreeCurve::beginCurve(int x, int y) {
    if (m_editor.otherButton()) return;
    m_spacing = m_editor.vertexSpacing();
    beginFigure(x, y);
}

void FreeCurve::extendCurve(int x, int y) {
    if (!m_editor.dragging()) return;
    FigureBuffer& work = m_editor.work();
    IntPoint e{x, y};
    if (sheetToDataX(e.x) < 0) e.x = AxisColumn;
    if (distance(m_current, e) < m_spacing) return;
    // Sampling stops when the buffer is full; one entry stays free for the
    // end point of the release.
    if (work.count >= FigureBuffer::Capacity - 1) return;
    appendPoint(e);
    m_editor.rubberLine(m_current, e);
    m_previous = m_current;
    m_current = e;
    m_rubberShown = true;
}

void FreeCurve::finishCurve(int x, int y) {
    if (!m_editor.dragging()) return;
    FigureBuffer& work = m_editor.work();
    IntPoint e{x, y};
    if (distance(m_current, e) < m_spacing * 0.5) {
        // The end point replaces the last sample, which lies too close to it.
        if (m_rubberShown && work.count >= 2) m_editor.rubberLine(m_previous, m_current);
        if (work.count > 0) --work.count;
    }
    m_editor.adjustGrid(e);
    appendPoint(e);
    smoothCurve();
    m_editor.commitNewFigure();
}

// Each step spreads vertices k-2 and k-1 evenly between k-3 (as already
// rewritten by the step before) and k, so the smoothing cascades along the
// curve. The end vertices stay. Only x and y change: the commit reads no more.
void FreeCurve::smoothCurve() {
    FigureBuffer& work = m_editor.work();
    if (work.count < 5 || !(m_spacing < 20)) return;
    auto& X = work.x;
    auto& Y = work.y;
    for (int k = 4; k <= work.count; ++k) {
        const std::size_t v = static_cast<std::size_t>(k - 1);  // entry of vertex k
        const float dX = static_cast<float>((static_cast<f80>(X[v]) - X[v - 3]) / 3);
        const float dY = static_cast<float>((static_cast<f80>(Y[v]) - Y[v - 3]) / 3);
        X[v - 2] = static_cast<float>(static_cast<f80>(X[v - 3]) + dX);
        Y[v - 2] = static_cast<float>(static_cast<f80>(Y[v - 3]) + dY);
        X[v - 1] = static_cast<float>(static_cast<f80>(X[v - 3]) + 2 * static_cast<f80>(dX));
        Y[v - 1] = static_cast<float>(static_cast<f80>(Y[v - 3]) + 2 * static_cast<f80>(dY));
    }
}

}  // namespace vantor::edit
