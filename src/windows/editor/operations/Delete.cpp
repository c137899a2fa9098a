#include "windows/editor/operations/Delete.h"

#include "windows/editor/toolkit/Context.h"

namespace vantor::edit {

void Delete::detDeleteZukei(int x, int y) {
    if (!m_editor.pickable() || m_editor.otherButton()) return;
    m_editor.searchNearestAndLoadZukei(x, y);
    if (m_editor.confirm("この図形を削除してもいいんですね？")) {
        m_editor.keepFigureOut();
        m_editor.GESheetInit();
        m_editor.EdittedProc();
    } else {
        m_editor.EditDetDraw();
    }
}

}  // namespace vantor::edit
