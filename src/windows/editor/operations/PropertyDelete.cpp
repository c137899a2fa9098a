// A figure's own colour and drawing method, and deleting a figure.
#include "app/Program.h"
#include "windows/editor/TGEditF.h"
#include "windows/editor/TZuPropF.h"

namespace vantor {

// The dialog edits propRecord; whatever it leaves there becomes the figure's.
void TGEditF::detZukeiProperty(int x, int y) {
    if (!pickable()) return;
    searchNearestAndLoadZukei(x, y);
    propRecord = m_workRecord;
    TZuPropF& dialog = m_program.ZuPropF();
    dialog.imgFill();
    dialog.setMethodLabel();
    m_program.desktop.showModal(dialog);
    dialog.hide();
    m_workRecord = propRecord;
    EditDetDraw();
}

void TGEditF::detDeleteZukei(int x, int y) {
    if (!pickable() || otherButton()) return;
    searchNearestAndLoadZukei(x, y);
    if (m_program.desktop.messageBox("この図形を削除してもいいんですね？", Program::ApplicationTitle, MsgIcon::Warning,
                                     MsgButtons::YesNo) == MsgAnswer::Yes) {
        m_figureHeld = false;  // stays out of the list for good
        GESheetInit();
        EdittedProc();
    } else {
        EditDetDraw();
    }
}

}  // namespace vantor
