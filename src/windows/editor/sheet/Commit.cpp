// SPDX-License-Identifier: GPL-3.0-or-later
// Putting the work figure into the store.
#include <span>

#include "windows/editor/EditorWindow.h"

namespace vantor {

void EditorWindow::commitNewFigure() { commitWork(2, nullptr); }

// A figure taken out for editing goes back even when it has one vertex (a
// data set read from a file may hold such figures); only new drawings under
// two vertices are dropped.
//
// With every number in use the figure shares figure 1's number and attributes,
// as any new figure does then; figure 1's record is not overwritten.
void EditorWindow::commitEditedFigure() { commitWork(1, &m_workRecord); }

void EditorWindow::restoreHeldFigure() {
    if (m_figureHeld) commitEditedFigure();
}

void EditorWindow::commitWork(int minimumCount, const FigureRecord* record) {
    m_figureHeld = false;
    m_gesture.dragging = false;
    FigureStore& s = store();
    if (m_work.overflow) {
        // The drawing did not fit in the work buffer: nothing of it is kept.
        tell(TooManyVerticesText, MsgIcon::Error);
        m_work.clear();
        redrawSheet();
        return;
    }
    if (m_work.count >= minimumCount) {
        // The data set counts as edited also when the figure is refused for room.
        markChanged();
        if (s.VertexCount + m_work.count > MaxVertices) {
            tell(TooManyVerticesText, MsgIcon::Error);
            // The sheet still carries previews of the refused figure.
            redrawSheet();
            return;
        }
        const std::span<const float> xs(m_work.x.data(), static_cast<std::size_t>(m_work.count));
        const std::span<const float> ys(m_work.y.data(), static_cast<std::size_t>(m_work.count));
        // The store announces the figure; the display follows on its own.
        const std::int32_t slot = record ? s.appendFigure(xs, ys, *record) : s.appendFigure(xs, ys);
        showPicked(slot, m_work.count);
    }
    redrawSheet();
}

void EditorWindow::markChanged() {
    store().setEdited(true);
    // No picture of the old data may stay on screen; the display itself
    // follows the store, and the scenario editor shows frames of it.
    m_peers.hideScenarioEditor();
}

}  // namespace vantor
