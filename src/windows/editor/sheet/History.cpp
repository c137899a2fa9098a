// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo: every event that changes the figure store leaves one step in
// the history; the edit menu and Ctrl+Z / Ctrl+Y move through it.
#include "windows/shared/Workspace.h"
#include "windows/editor/EditorWindow.h"
#include "platform/widgets/VirtualKey.h"

namespace vantor {

void EditorWindow::buildEditMenu() {
    mainMenu.add(mnEdit);
    mnEdit.add(mnUndo);
    mnEdit.add(mnRedo);
    mnUndo.setShortcutText("Ctrl+Z");
    mnRedo.setShortcutText("Ctrl+Y");
    mnUndo.onClick = [this] { mnUndoClick(); };
    mnRedo.onClick = [this] { mnRedoClick(); };
    updateEditMenu();
}

void EditorWindow::updateEditMenu() {
    mnUndo.setEnabled(m_history.canUndo());
    mnRedo.setEnabled(m_history.canRedo());
}

// A figure taken out of the store is not a state to return to: the step is
// taken once it is back.
void EditorWindow::checkpoint() {
    if (m_figureHeld) return;
    const FigureStore& s = store();
    m_history.record(s);
    if (s.DataEdited == 0) m_history.markSaved();
    updateEditMenu();
}

void EditorWindow::recordStoreChange() { checkpoint(); }

// Changes made outside the editor (a load, a save) are steps of their own.
void EditorWindow::storeChanged() {
    const StoreChange c = store().lastChange();
    m_printMarksShown = false;  // they mark figures as they were
    if (c == StoreChange::Loaded || c == StoreChange::Saved) recordStoreChange();
}

void EditorWindow::mnUndoClick() {
    cancelGesture();
    checkpoint();
    if (m_history.undo(store())) afterHistoryMove();
}

void EditorWindow::mnRedoClick() {
    cancelGesture();
    checkpoint();
    if (m_history.redo(store())) afterHistoryMove();
}

// The data set differs from what it was unless this is the state on disk.
void EditorWindow::afterHistoryMove() {
    m_work.clear();
    markChanged();
    store().setEdited(!m_history.atSavedState());
    m_pickedText.clear();
    redrawSheet();
    refreshStatusLine();
    updateEditMenu();
}

void EditorWindow::FormKeyDown(int key, unsigned shift) {
    if (key == vk::Escape) {
        cancelGesture();
        return;
    }
    if ((shift & ShiftCtrl) == 0 || (shift & ShiftAlt) != 0) return;
    if (key == 'Z' && (shift & ShiftShift) == 0) mnUndo.click();
    else if (key == 'Y' || (key == 'Z' && (shift & ShiftShift) != 0)) mnRedo.click();
}

}  // namespace vantor
