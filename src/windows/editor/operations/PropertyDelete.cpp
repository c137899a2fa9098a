// A figure's own colour and drawing method, and deleting a figure.
#include "windows/shared/Workspace.h"
#include "windows/editor/TGEditF.h"
#include "windows/editor/TZuPropF.h"

namespace vantor {

// The dialog edits propRecord; whatever it leaves there becomes the figure's.
void TGEditF::detZukeiProperty(int x, int y) {
    if (!pickable()) return;
    searchNearestAndLoadZukei(x, y);
    propRecord = m_workRecord;
    TZuPropF& dialog = m_peers.ZuPropF();
    dialog.imgFill();
    dialog.setMethodLabel();
    m_workspace.desktop.showModal(dialog);
    dialog.hide();
    m_workRecord = propRecord;
    EditDetDraw();
}

void TGEditF::detDeleteZukei(int x, int y) {
    if (!pickable() || otherButton()) return;
    searchNearestAndLoadZukei(x, y);
    if (m_workspace.desktop.messageBox("この図形を削除してもいいんですね？", Workspace::ApplicationTitle, MsgIcon::Warning,
                                     MsgButtons::YesNo) == MsgAnswer::Yes) {
        m_figureHeld = false;  // stays out of the list for good
        GESheetInit();
        EdittedProc();
    } else {
        EditDetDraw();
    }
}

}  // namespace vantor
