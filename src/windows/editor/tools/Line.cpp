// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/tools/Line.h"

#include "windows/editor/toolkit/Context.h"

namespace vantor::edit {

void Line::constrainLine(IntPoint& e) const {
    if (m_direction == Direction::Vertical) e.x = m_current.x;
    if (m_direction == Direction::Horizontal) e.y = m_current.y;
}

void Line::preview(IntPoint e) { m_editor.rubberLine(m_start, e); }

void Line::previewLineTo(int x, int y) {
    if (!m_editor.dragging()) return;
    IntPoint e = m_editor.adjusted({x, y});
    constrainLine(e);
    showPreview(e);
}

void Line::commitLine(int x, int y) {
    if (!m_editor.dragging()) return;
    erasePreview();
    IntPoint e = m_editor.adjusted({x, y});
    constrainLine(e);
    addLine(m_start, e);
    m_editor.commitNewFigure();
}

}  // namespace vantor::edit
