// Rectangles from two corners. One that touches the axis stays open along
// it: the side on the axis is not generated and both ends lie on the axis.
#include "editor/TGEditF.h"

namespace vantor {

void TGEditF::viaSetRect(int x, int y) {
    if (!dragging) return;
    if (rubberShown) rubberRectangle(startPoint, curPoint);
    curPoint = adjusted({x, y});
    rubberRectangle(startPoint, curPoint);
    rubberShown = true;
}

void TGEditF::detRectangle(int x, int y) {
    if (!dragging) return;
    if (rubberShown) rubberRectangle(startPoint, curPoint);
    const IntPoint s = startPoint;
    const IntPoint e = adjusted({x, y});
    work.clear();
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
