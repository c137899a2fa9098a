// Undo and redo: every event that changes the figure store leaves one step in
// the history; the edit menu and Ctrl+Z / Ctrl+Y move through it.
#include "windows/shared/Workspace.h"
#include "windows/editor/TGEditF.h"
#include "platform/widgets/VirtualKey.h"

namespace vantor {

void TGEditF::buildEditMenu() {
    mainMenu.add(mnEdit);
    mnEdit.add(mnUndo);
    mnEdit.add(mnRedo);
    mnUndo.onClick = [this] { mnUndoClick(); };
    mnRedo.onClick = [this] { mnRedoClick(); };
    updateEditMenu();
}

void TGEditF::updateEditMenu() {
    mnUndo.setEnabled(m_history.canUndo());
    mnRedo.setEnabled(m_history.canRedo());
}

// A figure taken out of the store is not a state to return to: the step is
// taken once it is back.
void TGEditF::checkpoint() {
    if (m_figureHeld) return;
    const FigureStore& s = store();
    m_history.record(s);
    if (s.DataEdited == 0) m_history.markSaved();
    updateEditMenu();
}

void TGEditF::recordStoreChange() { checkpoint(); }

void TGEditF::mnUndoClick() {
    cancelGesture();
    checkpoint();
    if (m_history.undo(store())) afterHistoryMove();
}

void TGEditF::mnRedoClick() {
    cancelGesture();
    checkpoint();
    if (m_history.redo(store())) afterHistoryMove();
}

// The data set differs from what it was unless this is the state on disk.
void TGEditF::afterHistoryMove() {
    m_work.clear();
    EdittedProc();
    store().DataEdited = m_history.atSavedState() ? 0 : 1;
    m_pickedText.clear();
    GESheetInit();
    refreshStatusLine();
    updateEditMenu();
}

void TGEditF::FormKeyDown(int key, unsigned shift) {
    if (key == vk::Escape) {
        cancelGesture();
        return;
    }
    if ((shift & ShiftCtrl) == 0 || (shift & ShiftAlt) != 0) return;
    if (key == 'Z' && (shift & ShiftShift) == 0) mnUndo.click();
    else if (key == 'Y' || (key == 'Z' && (shift & ShiftShift) != 0)) mnRedo.click();
}

}  // namespace vantor
