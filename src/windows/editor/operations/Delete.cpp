// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/operations/Delete.h"

#include "windows/editor/toolkit/Context.h"

namespace vantor::edit {

void Delete::deleteFigure(int x, int y) {
    if (!m_editor.pickable() || m_editor.otherButton()) return;
    m_editor.pickNearestFigure(x, y);
    if (m_editor.confirm("この図形を削除してもいいんですね？")) {
        m_editor.keepFigureOut();
        m_editor.redrawSheet();
        m_editor.markChanged();
    } else {
        m_editor.commitEditedFigure();
    }
}

}  // namespace vantor::edit
