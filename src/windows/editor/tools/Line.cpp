// The common press of the drawing tools, straight lines (free, vertical,
// horizontal) and the subdivision of a segment by the vertex spacing.
#include <cmath>

#include "windows/editor/TGEditF.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

void TGEditF::appendPoint(IntPoint p) { m_work.append(x2d(p.x), y2v(p.y), p); }

void TGEditF::startDrawZukei(int x, int y) {
    if (otherButton()) return;
    m_gesture.start = adjusted({x, y});
    m_gesture.current = m_gesture.start;
    m_work.clear();
    appendPoint(m_gesture.start);
    m_gesture.rubberShown = false;
    m_gesture.dragging = true;
    selectRubberPen();
}

// Vertical and horizontal lines keep the start point's column or row.
void TGEditF::constrainLine(IntPoint& e) const {
    if (m_state == EditState::Vertical) e.x = m_gesture.current.x;
    if (m_state == EditState::Horizontal) e.y = m_gesture.current.y;
}

void TGEditF::viaLineDraw(int x, int y) {
    if (!m_gesture.dragging) return;
    if (m_gesture.rubberShown) rubberLine(m_gesture.start, m_gesture.current);
    IntPoint e = adjusted({x, y});
    constrainLine(e);
    m_gesture.current = e;
    rubberLine(m_gesture.start, m_gesture.current);
    m_gesture.rubberShown = true;
}

void TGEditF::detLine(int x, int y) {
    if (!m_gesture.dragging) return;
    if (m_gesture.rubberShown) rubberLine(m_gesture.start, m_gesture.current);
    IntPoint e = adjusted({x, y});
    constrainLine(e);
    addLine(m_gesture.start, e);
    detDraw();
}

void TGEditF::addLine(IntPoint p, IntPoint q) {
    const float px = x2d(p.x);
    const float py = y2v(p.y);
    const float dx = static_cast<float>(static_cast<f80>(x2d(q.x)) - px);
    const float dy = static_cast<float>(static_cast<f80>(y2v(q.y)) - py);
    const float length = static_cast<float>(std::sqrt(static_cast<f80>(dx) * dx + static_cast<f80>(dy) * dy));
    std::int64_t n = roundHalfEven(static_cast<f80>(length) / m_settings.vertexSpacing);
    if (n < 1) n = 1;
    // A segment that cannot fit is not generated in part.
    if (n > FigureBuffer::Capacity - m_work.count) {
        m_work.overflow = true;
        return;
    }
    const float stepX = static_cast<float>(static_cast<f80>(dx) / n);
    const float stepY = static_cast<float>(static_cast<f80>(dy) / n);
    for (std::int64_t j = 1; j <= n; ++j) {
        const float vx = static_cast<float>(px + j * static_cast<f80>(stepX));
        const float vy = static_cast<float>(py + j * static_cast<f80>(stepY));
        m_work.append(vx, vy, pixelOf(vx, vy));
    }
}

}  // namespace vantor
