// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/operations/Move.h"

#include <cstdlib>

#include "platform/numbers/Numbers.h"
#include "windows/editor/toolkit/Context.h"

namespace vantor::edit {

void Move::pickUpFigure(int x, int y) {
    m_editor.restoreHeldFigure();
    if (!m_editor.pickable()) return;
    m_editor.pickNearestFigure(x, y);
    m_outline = getOutline(m_editor.work());
    m_start = m_editor.adjusted({x, y});
    m_rubberShown = false;
    m_editor.setDragging(true);
    m_copyMode = false;
    m_editor.selectRubberPen();
}

IntPoint Move::offsetTo(IntPoint e, bool& stopped) const {
    IntPoint d{e.x - m_start.x, e.y - m_start.y};
    stopped = m_outline.maxPX + d.x > AxisColumn;
    if (stopped) d.x = AxisColumn - m_outline.maxPX;
    return d;
}

void Move::dragFigure(int x, int y) {
    if (!m_editor.dragging()) return;
    const IntPoint e = m_editor.adjusted({x, y});
    if (std::abs(e.x - m_start.x) >= 5 || std::abs(e.y - m_start.y) >= 5) {
        if (!m_copies) {
            m_editor.setStatus("平行移動中");
        } else {
            m_editor.setStatus("コピー中");
            m_copyMode = true;
        }
    }
    bool stopped = false;
    const IntPoint d = offsetTo(e, stopped);
    if (m_rubberShown) m_editor.rubberPolyline(m_preview);
    // A pixel offset is the negated data offset on both axes.
    const FigureBuffer& work = m_editor.work();
    m_preview.clear();
    for (int i = 0; i < work.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const float vx = static_cast<float>(static_cast<f80>(work.x[k]) - d.x);
        const float vy = static_cast<float>(static_cast<f80>(work.y[k]) - d.y);
        m_preview.append(vx, vy, pixelOf(vx, vy));
    }
    m_editor.rubberPolyline(m_preview);
    m_rubberShown = true;
}

void Move::dropFigure(int x, int y) {
    if (!m_editor.dragging()) return;
    if (m_rubberShown) m_editor.rubberPolyline(m_preview);
    bool stopped = false;
    const IntPoint d = offsetTo(m_editor.adjusted({x, y}), stopped);
    // A copy leaves the original where it was.
    if (m_copyMode) m_editor.commitEditedFigure();
    FigureBuffer& work = m_editor.work();
    for (int i = 0; i < work.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        work.x[k] = static_cast<float>(static_cast<f80>(work.x[k]) - d.x);
        work.y[k] = static_cast<float>(static_cast<f80>(work.y[k]) - d.y);
    }
    recomputePixels(work);
    if (!stopped) m_editor.snapWorkFigure();
    m_editor.commitEditedFigure();
    m_editor.setStatus(m_copies ? "コピー" : "平行移動");
}

void Move::cancel() {
    m_rubberShown = false;
    m_copyMode = false;
}

}  // namespace vantor::edit
