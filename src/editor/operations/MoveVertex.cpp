// Moving one vertex of a figure. The vertex follows the mouse (kept on or
// left of the axis, never snapped to the grid) with rubber lines to its
// neighbours.
#include "editor/TGEditF.h"

namespace vantor {

void TGEditF::startMovePoint(int x, int y) {
    restoreHeldFigure();
    if (!pickable() || otherButton()) return;
    searchNearestAndLoadZukei(x, y);
    if (work.count == 0) return;
    pickIndex = inZukeiNearestP(x, y);
    const std::size_t k = static_cast<std::size_t>(pickIndex - 1);
    drawMarker(work.pixel[k], colors::Gray);
    curPoint = work.pixel[k];
    hasPrev = pickIndex != 1;
    hasNext = pickIndex != work.count;
    if (hasPrev) prevNeighbour = work.pixel[k - 1];
    if (hasNext) nextNeighbour = work.pixel[k + 1];
    movePointRubber();
    dragging = true;
    rubberShown = true;
}

void TGEditF::viaMovePoint(int x, int y) {
    if (otherButton() || !dragging) return;
    IntPoint e{x, y};
    if (x2d(e.x) < 0) e.x = AxisColumn;
    if (rubberShown) movePointRubber();
    curPoint = e;
    movePointRubber();
    rubberShown = true;
}

void TGEditF::detMovePoint(int x, int y) {
    if (otherButton() || !dragging) return;
    IntPoint e{x, y};
    if (x2d(e.x) < 0) e.x = AxisColumn;
    if (rubberShown) movePointRubber();
    const std::size_t k = static_cast<std::size_t>(pickIndex - 1);
    work.x[k] = x2d(e.x);
    work.y[k] = y2v(e.y);
    work.pixel[k] = e;
    EditDetDraw();
}

}  // namespace vantor
