// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/tools/Point.h"

#include "windows/editor/toolkit/Context.h"
#include "windows/editor/toolkit/FigureBuffer.h"

namespace vantor::edit {

void Point::commitPoint(int x, int y) {
    if (!m_editor.dragging()) return;
    const IntPoint e = m_editor.adjusted({x, y});
    m_editor.work().clear();
    appendPoint(e);
    appendPoint(e);
    m_editor.commitNewFigure();
}

}  // namespace vantor::edit
