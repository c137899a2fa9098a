// The common press of the drawing tools, straight lines (free, vertical,
// horizontal) and the subdivision of a segment by the vertex spacing.
#include <cmath>

#include "editor/TGEditF.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

void TGEditF::appendPoint(IntPoint p) { work.append(x2d(p.x), y2v(p.y), p); }

void TGEditF::startDrawZukei(int x, int y) {
    if (otherButton()) return;
    startPoint = adjusted({x, y});
    curPoint = startPoint;
    work.clear();
    appendPoint(startPoint);
    rubberShown = false;
    dragging = true;
    selectRubberPen();
}

// Vertical and horizontal lines keep the start point's column or row.
void TGEditF::constrainLine(IntPoint& e) const {
    if (editState == esVertical) e.x = curPoint.x;
    if (editState == esHorizontal) e.y = curPoint.y;
}

void TGEditF::viaLineDraw(int x, int y) {
    if (!dragging) return;
    if (rubberShown) rubberLine(startPoint, curPoint);
    IntPoint e = adjusted({x, y});
    constrainLine(e);
    curPoint = e;
    rubberLine(startPoint, curPoint);
    rubberShown = true;
}

void TGEditF::detLine(int x, int y) {
    if (!dragging) return;
    if (rubberShown) rubberLine(startPoint, curPoint);
    IntPoint e = adjusted({x, y});
    constrainLine(e);
    addLine(startPoint, e);
    detDraw();
}

void TGEditF::addLine(IntPoint p, IntPoint q) {
    const float px = x2d(p.x);
    const float py = y2v(p.y);
    const float dx = static_cast<float>(static_cast<f80>(x2d(q.x)) - px);
    const float dy = static_cast<float>(static_cast<f80>(y2v(q.y)) - py);
    const float length = static_cast<float>(std::sqrt(static_cast<f80>(dx) * dx + static_cast<f80>(dy) * dy));
    std::int64_t n = roundHalfEven(static_cast<f80>(length) / vertexSpacing);
    if (n < 1) n = 1;
    // A segment that cannot fit is not generated in part.
    if (n > FigureBuffer::Capacity - work.count) {
        work.overflow = true;
        return;
    }
    const float stepX = static_cast<float>(static_cast<f80>(dx) / n);
    const float stepY = static_cast<float>(static_cast<f80>(dy) / n);
    for (std::int64_t j = 1; j <= n; ++j) {
        const float vx = static_cast<float>(px + j * static_cast<f80>(stepX));
        const float vy = static_cast<float>(py + j * static_cast<f80>(stepY));
        work.append(vx, vy, pixelOf(vx, vy));
    }
}

}  // namespace vantor
