// A single point is a figure of two coincident vertices where the mouse is released.
#include "windows/editor/TGEditF.h"

namespace vantor {

void TGEditF::detPoint1(int x, int y) {
    if (!m_gesture.dragging) return;
    const IntPoint e = adjusted({x, y});
    m_work.clear();
    appendPoint(e);
    appendPoint(e);
    detDraw();
}

}  // namespace vantor
