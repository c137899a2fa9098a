// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/operations/MoveVertex.h"

#include "windows/editor/toolkit/Context.h"
#include "windows/editor/toolkit/FigureBuffer.h"

namespace vantor::edit {

void MoveVertex::rubber() {
    if (m_hasPrev) m_editor.rubberLine(m_current, m_prevNeighbour);
    if (m_hasNext) m_editor.rubberLine(m_current, m_nextNeighbour);
}

void MoveVertex::pickUpVertex(int x, int y) {
    m_editor.restoreHeldFigure();
    if (!m_editor.pickable() || m_editor.otherButton()) return;
    m_editor.pickNearestFigure(x, y);
    const FigureBuffer& work = m_editor.work();
    if (work.count == 0) return;
    m_index = m_editor.nearestWorkVertex(x, y);
    const std::size_t k = static_cast<std::size_t>(m_index - 1);
    m_editor.drawMarker(work.pixel[k], colors::Gray);
    m_current = work.pixel[k];
    m_hasPrev = m_index != 1;
    m_hasNext = m_index != work.count;
    if (m_hasPrev) m_prevNeighbour = work.pixel[k - 1];
    if (m_hasNext) m_nextNeighbour = work.pixel[k + 1];
    rubber();
    m_editor.setDragging(true);
    m_rubberShown = true;
}

void MoveVertex::dragVertex(int x, int y) {
    if (m_editor.otherButton() || !m_editor.dragging()) return;
    IntPoint e{x, y};
    if (sheetToDataX(e.x) < 0) e.x = AxisColumn;
    if (m_rubberShown) rubber();
    m_current = e;
    rubber();
    m_rubberShown = true;
}

void MoveVertex::dropVertex(int x, int y) {
    if (m_editor.otherButton() || !m_editor.dragging()) return;
    IntPoint e{x, y};
    if (sheetToDataX(e.x) < 0) e.x = AxisColumn;
    if (m_rubberShown) rubber();
    FigureBuffer& work = m_editor.work();
    const std::size_t k = static_cast<std::size_t>(m_index - 1);
    work.x[k] = sheetToDataX(e.x);
    work.y[k] = sheetToDataY(e.y);
    work.pixel[k] = e;
    m_editor.commitEditedFigure();
}

}  // namespace vantor::edit
