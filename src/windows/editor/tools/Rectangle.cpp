// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/tools/Rectangle.h"

#include "windows/editor/toolkit/Context.h"
#include "windows/editor/toolkit/FigureBuffer.h"

namespace vantor::edit {

void Rectangle::preview(IntPoint e) { m_editor.rubberRectangle(m_start, e); }

void Rectangle::previewRectangleTo(int x, int y) {
    if (!m_editor.dragging()) return;
    showPreview(m_editor.adjusted({x, y}));
}

void Rectangle::commitRectangle(int x, int y) {
    if (!m_editor.dragging()) return;
    erasePreview();
    const IntPoint s = m_start;
    const IntPoint e = m_editor.adjusted({x, y});
    m_editor.work().clear();
    if (e.x == s.x || e.y == s.y) {
        m_editor.commitNewFigure();  // nothing to commit; only redraws
        return;
    }
    const IntPoint se{e.x, s.y};  // corner beside s on its row
    const IntPoint es{s.x, e.y};  // corner beside s in its column
    if (s.x == AxisColumn) {
        appendPoint(s);
        addLine(s, se);
        addLine(se, e);
        addLine(e, es);
    } else if (e.x == AxisColumn) {
        appendPoint(e);
        addLine(e, es);
        addLine(es, s);
        addLine(s, se);
    } else {
        appendPoint(s);
        addLine(s, se);
        addLine(se, e);
        addLine(e, es);
        addLine(es, s);
    }
    m_editor.commitNewFigure();
}

}  // namespace vantor::edit
