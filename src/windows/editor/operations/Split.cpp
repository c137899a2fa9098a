// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/operations/Split.h"

#include "windows/editor/toolkit/Context.h"
#include "windows/editor/toolkit/FigureBuffer.h"

namespace vantor::edit {

void Split::splitFigure(int x, int y) {
    if (!m_editor.pickable() || m_editor.otherButton()) return;
    m_editor.pickNearestFigure(x, y);
    const std::int32_t k = m_editor.nearestWorkVertex(x, y);
    FigureBuffer& work = m_editor.work();
    if (k == 1 || k == work.count) {
        m_editor.tell("ここはこの図形の始点か終点です。\r元々切れています。", MsgIcon::Information);
        m_editor.commitEditedFigure();
        return;
    }
    // The two parts need one vertex more than the figure had. Refused before
    // anything changes, so the second part can never be lost at the limit.
    if (m_editor.store().VertexCount + work.count + 1 > MaxVertices) {
        m_editor.tell(RefusedText, MsgIcon::Error);
        m_editor.commitEditedFigure();
        return;
    }
    const FigureRecord record = m_editor.workRecord();
    FigureBuffer second;
    for (int i = k - 1; i < work.count; ++i) {
        const std::size_t v = static_cast<std::size_t>(i);
        second.append(work.x[v], work.y[v], work.pixel[v]);
    }
    work.count = k;
    m_editor.commitEditedFigure();
    m_editor.workRecord() = record;
    work = second;
    m_editor.commitEditedFigure();
}

}  // namespace vantor::edit
