// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/operations/MoveAll.h"

#include "platform/numbers/Numbers.h"
#include "windows/editor/toolkit/Context.h"

namespace vantor::edit {

void MoveAll::rubber() { m_editor.rubberLine(m_start, {m_start.x, m_current.y}); }

void MoveAll::pickUpAll(int x, int y) {
    if (m_editor.store().VertexCount == 0) {
        m_editor.initState();
        return;
    }
    if (m_editor.otherButton()) return;
    m_start = m_editor.adjusted({x, y});
    m_current = m_start;
    m_rubberShown = false;
    m_editor.setDragging(true);
    m_editor.selectRubberPen();
}

void MoveAll::dragAll(int x, int y) {
    if (m_editor.otherButton() || !m_editor.dragging()) return;
    if (m_rubberShown) rubber();
    IntPoint e = m_editor.adjusted({x, y});
    e.x = m_current.x;
    m_current = e;
    rubber();
    m_rubberShown = true;
}

void MoveAll::dropAll(int x, int y) {
    if (m_editor.otherButton() || !m_editor.dragging()) return;
    if (m_rubberShown) rubber();
    const IntPoint e = m_editor.adjusted({x, y});
    const int dy = e.y - m_start.y;
    m_editor.store().moveAllVertically(-static_cast<f80>(dy));
    m_editor.setDragging(false);
    m_rubberShown = false;
    m_editor.redrawSheet();
    m_editor.markChanged();
}

}  // namespace vantor::edit
