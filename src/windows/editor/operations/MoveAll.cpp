// Moving every figure up or down by a vertical drag. The list is shifted in
// place: order, figure numbers and x values stay.
#include "windows/editor/TGEditF.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

void TGEditF::startAllScroll(int x, int y) {
    if (store().VertexCount == 0) {
        initState();
        return;
    }
    if (otherButton()) return;
    m_gesture.start = adjusted({x, y});
    m_gesture.current = m_gesture.start;
    m_gesture.rubberShown = false;
    m_gesture.dragging = true;
    selectRubberPen();
}

void TGEditF::viaAllScroll(int x, int y) {
    if (otherButton() || !m_gesture.dragging) return;
    if (m_gesture.rubberShown) rubberLine(m_gesture.start, {m_gesture.start.x, m_gesture.current.y});
    IntPoint e = adjusted({x, y});
    e.x = m_gesture.current.x;
    m_gesture.current = e;
    rubberLine(m_gesture.start, {m_gesture.start.x, m_gesture.current.y});
    m_gesture.rubberShown = true;
}

void TGEditF::detAllScroll(int x, int y) {
    if (otherButton() || !m_gesture.dragging) return;
    if (m_gesture.rubberShown) rubberLine(m_gesture.start, {m_gesture.start.x, m_gesture.current.y});
    const IntPoint e = adjusted({x, y});
    const int dy = e.y - m_gesture.start.y;
    FigureStore& s = store();
    for (std::int32_t k = 1; k <= s.VertexCount; ++k) s.y(k) = static_cast<float>(static_cast<f80>(s.y(k)) - dy);
    m_gesture.dragging = false;
    m_gesture.rubberShown = false;
    GESheetInit();
    EdittedProc();
}

}  // namespace vantor
