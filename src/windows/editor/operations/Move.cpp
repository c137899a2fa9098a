// Moving and copying a figure by dragging it. The figure stops at the axis;
// a figure stopped there is not snapped to the grid.
#include <cstdlib>

#include "windows/editor/TGEditF.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

void TGEditF::startSlideZukei(int x, int y) {
    restoreHeldFigure();
    if (!pickable()) return;
    searchNearestAndLoadZukei(x, y);
    getOutline();
    m_gesture.start = adjusted({x, y});
    m_gesture.rubberShown = false;
    m_gesture.dragging = true;
    m_gesture.copyMode = false;
    selectRubberPen();
}

void TGEditF::viaSlideZukei(int x, int y) {
    if (!m_gesture.dragging) return;
    const IntPoint e = adjusted({x, y});
    int dx = e.x - m_gesture.start.x;
    const int dy = e.y - m_gesture.start.y;
    if (std::abs(dx) >= 5 || std::abs(dy) >= 5) {
        if (m_state == EditState::Slide) {
            setStatus("平行移動中");
        } else {
            setStatus("コピー中");
            m_gesture.copyMode = true;
        }
    }
    if (m_pick.outline.maxPX + dx > AxisColumn) dx = AxisColumn - m_pick.outline.maxPX;
    if (m_gesture.rubberShown) rubberPolyline(m_saved);
    // A pixel offset is the negated data offset on both axes.
    m_saved.clear();
    for (int i = 0; i < m_work.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const float vx = static_cast<float>(static_cast<f80>(m_work.x[k]) - dx);
        const float vy = static_cast<float>(static_cast<f80>(m_work.y[k]) - dy);
        m_saved.append(vx, vy, pixelOf(vx, vy));
    }
    m_gesture.current = e;
    rubberPolyline(m_saved);
    m_gesture.rubberShown = true;
}

void TGEditF::detSlideZukei(int x, int y) {
    if (!m_gesture.dragging) return;
    if (m_gesture.rubberShown) rubberPolyline(m_saved);
    const IntPoint e = adjusted({x, y});
    int dx = e.x - m_gesture.start.x;
    const int dy = e.y - m_gesture.start.y;
    bool stopped = false;
    if (m_pick.outline.maxPX + dx > AxisColumn) {
        dx = AxisColumn - m_pick.outline.maxPX;
        stopped = true;
    }
    // A copy leaves the original where it was.
    if (m_gesture.copyMode) EditDetDraw();
    for (int i = 0; i < m_work.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        m_work.x[k] = static_cast<float>(static_cast<f80>(m_work.x[k]) - dx);
        m_work.y[k] = static_cast<float>(static_cast<f80>(m_work.y[k]) - dy);
    }
    recomputePixels(m_work);
    if (!stopped) zukeiAdjustGrid();
    EditDetDraw();
    setStatus(m_state == EditState::Slide ? "平行移動" : "コピー");
}

}  // namespace vantor
