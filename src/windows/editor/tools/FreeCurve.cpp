// The free curve: points sampled along the drag, one vertex spacing apart,
// then smoothed.
#include <cmath>

#include "windows/editor/TGEditF.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

namespace {
double distance(IntPoint a, IntPoint b) {
    const double dx = static_cast<double>(a.x) - b.x;
    const double dy = static_cast<double>(a.y) - b.y;
    return std::sqrt(dx * dx + dy * dy);
}
}  // namespace

void TGEditF::startFreeLine(int x, int y) {
    if (otherButton()) return;
    m_gesture.spacing = m_settings.vertexSpacing;
    startDrawZukei(x, y);
}

void TGEditF::viaFreeDraw(int x, int y) {
    if (!m_gesture.dragging) return;
    IntPoint e{x, y};
    if (x2d(e.x) < 0) e.x = AxisColumn;
    if (distance(m_gesture.current, e) < m_gesture.spacing) return;
    // Sampling stops when the buffer is full; one entry stays free for the
    // end point of the release.
    if (m_work.count >= FigureBuffer::Capacity - 1) return;
    appendPoint(e);
    rubberLine(m_gesture.current, e);
    m_gesture.previous = m_gesture.current;
    m_gesture.current = e;
    m_gesture.rubberShown = true;
}

void TGEditF::detFreeLine(int x, int y) {
    if (!m_gesture.dragging) return;
    IntPoint e{x, y};
    if (distance(m_gesture.current, e) < m_gesture.spacing * 0.5) {
        // The end point replaces the last sample, which lies too close to it.
        if (m_gesture.rubberShown && m_work.count >= 2) rubberLine(m_gesture.previous, m_gesture.current);
        if (m_work.count > 0) --m_work.count;
    }
    adjustGrid(e);
    appendPoint(e);
    smoothFreeCurve();
    detDraw();
}

// Each step spreads vertices k-2 and k-1 evenly between k-3 (as already
// rewritten by the step before) and k, so the smoothing cascades along the
// curve. The end vertices stay. Only x and y change: the commit reads no more.
void TGEditF::smoothFreeCurve() {
    if (m_work.count < 5 || !(m_gesture.spacing < 20)) return;
    auto& X = m_work.x;
    auto& Y = m_work.y;
    for (int k = 4; k <= m_work.count; ++k) {
        const std::size_t v = static_cast<std::size_t>(k - 1);  // entry of vertex k
        const float dX = static_cast<float>((static_cast<f80>(X[v]) - X[v - 3]) / 3);
        const float dY = static_cast<float>((static_cast<f80>(Y[v]) - Y[v - 3]) / 3);
        X[v - 2] = static_cast<float>(static_cast<f80>(X[v - 3]) + dX);
        Y[v - 2] = static_cast<float>(static_cast<f80>(Y[v - 3]) + dY);
        X[v - 1] = static_cast<float>(static_cast<f80>(X[v - 3]) + 2 * static_cast<f80>(dX));
        Y[v - 1] = static_cast<float>(static_cast<f80>(Y[v - 3]) + 2 * static_cast<f80>(dY));
    }
}

}  // namespace vantor
