// Moving one vertex of a figure. The vertex follows the mouse (kept on or
// left of the axis, never snapped to the grid) with rubber lines to its
// neighbours.
#include "windows/editor/TGEditF.h"

namespace vantor {

void TGEditF::startMovePoint(int x, int y) {
    restoreHeldFigure();
    if (!pickable() || otherButton()) return;
    searchNearestAndLoadZukei(x, y);
    if (m_work.count == 0) return;
    m_pick.index = inZukeiNearestP(x, y);
    const std::size_t k = static_cast<std::size_t>(m_pick.index - 1);
    drawMarker(m_work.pixel[k], colors::Gray);
    m_gesture.current = m_work.pixel[k];
    m_pick.hasPrev = m_pick.index != 1;
    m_pick.hasNext = m_pick.index != m_work.count;
    if (m_pick.hasPrev) m_pick.prevNeighbour = m_work.pixel[k - 1];
    if (m_pick.hasNext) m_pick.nextNeighbour = m_work.pixel[k + 1];
    movePointRubber();
    m_gesture.dragging = true;
    m_gesture.rubberShown = true;
}

void TGEditF::viaMovePoint(int x, int y) {
    if (otherButton() || !m_gesture.dragging) return;
    IntPoint e{x, y};
    if (x2d(e.x) < 0) e.x = AxisColumn;
    if (m_gesture.rubberShown) movePointRubber();
    m_gesture.current = e;
    movePointRubber();
    m_gesture.rubberShown = true;
}

void TGEditF::detMovePoint(int x, int y) {
    if (otherButton() || !m_gesture.dragging) return;
    IntPoint e{x, y};
    if (x2d(e.x) < 0) e.x = AxisColumn;
    if (m_gesture.rubberShown) movePointRubber();
    const std::size_t k = static_cast<std::size_t>(m_pick.index - 1);
    m_work.x[k] = x2d(e.x);
    m_work.y[k] = y2v(e.y);
    m_work.pixel[k] = e;
    EditDetDraw();
}

}  // namespace vantor
