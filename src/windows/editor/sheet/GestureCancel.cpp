// SPDX-License-Identifier: GPL-3.0-or-later
// Cancelling a gesture: whatever the press and the moves since did (a rubber
// band on the sheet, a figure taken out of the store, a status text) is undone
// exactly, from a copy taken at the press; the tool forgets its own part.
#include "windows/editor/EditorWindow.h"
#include "windows/editor/ToolTable.h"

namespace vantor {

void EditorWindow::beginGesture() {
    m_gestureStart.sheet = sheetBitmap;
    m_gestureStart.store = StoreSnapshot::capture(store());
    m_gestureStart.dataEdited = store().DataEdited;
    m_gestureStart.status = lblState.caption();
}

bool EditorWindow::cancelGesture() {
    if (!m_gesture.buttonDown && !m_gesture.dragging && !m_figureHeld) return false;
    if (m_gesture.buttonDown) m_gesture.cancelled = true;
    m_gesture.buttonDown = false;
    // The store changes during a gesture only while a figure is held out of it.
    if (m_figureHeld) {
        FigureStore& s = store();
        s.restore(m_gestureStart.store, StoreChange::GestureUndone);
        s.setEdited(m_gestureStart.dataEdited != 0);
    }
    m_figureHeld = false;
    m_gesture.dragging = false;
    m_tools->at(m_state).cancel();
    m_work.clear();
    sheetBitmap = m_gestureStart.sheet;
    sheetChanged();
    setStatus(m_gestureStart.status);
    m_pickedText.clear();
    refreshStatusLine();
    return true;
}

}  // namespace vantor
