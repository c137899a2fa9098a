// Rectangles from two corners. One that touches the axis stays open along
// it: the side on the axis is not generated and both ends lie on the axis.
#include "windows/editor/TGEditF.h"

namespace vantor {

void TGEditF::viaSetRect(int x, int y) {
    if (!m_gesture.dragging) return;
    if (m_gesture.rubberShown) rubberRectangle(m_gesture.start, m_gesture.current);
    m_gesture.current = adjusted({x, y});
    rubberRectangle(m_gesture.start, m_gesture.current);
    m_gesture.rubberShown = true;
}

void TGEditF::detRectangle(int x, int y) {
    if (!m_gesture.dragging) return;
    if (m_gesture.rubberShown) rubberRectangle(m_gesture.start, m_gesture.current);
    const IntPoint s = m_gesture.start;
    const IntPoint e = adjusted({x, y});
    m_work.clear();
    if (e.x == s.x || e.y == s.y) {
        detDraw();  // nothing to commit; only redraws
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
    detDraw();
}

}  // namespace vantor
