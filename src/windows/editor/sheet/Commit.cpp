// Putting the work figure into the store.
#include <algorithm>

#include "windows/editor/EditorWindow.h"

namespace vantor {

void EditorWindow::commitNewFigure() { commitWork(2); }

// A figure taken out for editing goes back even when it has one vertex (a
// data set read from a file may hold such figures); only new drawings under
// two vertices are dropped.
//
// With every number in use the figure shares figure 1's number and attributes,
// as any new figure does then; figure 1's record is not overwritten.
void EditorWindow::commitEditedFigure() {
    FigureStore& s = store();
    const bool tableFull = std::find(s.FigureInUse.begin() + 1, s.FigureInUse.end(), 0) == s.FigureInUse.end();
    if (!tableFull) {
        const std::int32_t slot = s.allocFigure();
        s.slot(slot) = m_workRecord;
        s.FigureInUse[static_cast<std::size_t>(slot)] = 0;
    }
    commitWork(1);
}

void EditorWindow::restoreHeldFigure() {
    if (m_figureHeld) commitEditedFigure();
}

void EditorWindow::commitWork(int minimumCount) {
    commitWorkToStore(minimumCount);
    // A live solid shows the store as it is once the figure is in.
    if (m_solidRedrawPending) {
        m_solidRedrawPending = false;
        if (m_peers.liveSolidShown()) m_peers.redrawSolid();
    }
}

void EditorWindow::commitWorkToStore(int minimumCount) {
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
        markChanged(SolidRedraw::AfterCommit);
        if (s.VertexCount + m_work.count > MaxVertices) {
            tell(TooManyVerticesText, MsgIcon::Error);
            // The sheet still carries previews of the refused figure.
            redrawSheet();
            return;
        }
        const std::int32_t slot = s.allocFigure();
        for (int i = 0; i < m_work.count; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            ++s.VertexCount;
            s.x(s.VertexCount) = m_work.x[k];
            s.y(s.VertexCount) = m_work.y[k];
            s.link(s.VertexCount) = 1;
            s.figure(s.VertexCount) = slot;
        }
        s.link(s.VertexCount) = 0;
        showPicked(slot, m_work.count);
    }
    redrawSheet();
}

void EditorWindow::markChanged(SolidRedraw when) {
    store().DataEdited = 1;
    // No picture of the old data may stay on screen: the display is drawn
    // anew when the user keeps it open while editing, else it goes.
    m_peers.hideScenarioEditor();
    if (!m_peers.liveSolidShown()) m_peers.hideDisplay();
    else if (when == SolidRedraw::AfterCommit) m_solidRedrawPending = true;
    else m_peers.redrawSolid();
}

}  // namespace vantor
