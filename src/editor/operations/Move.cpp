// Moving and copying a figure by dragging it. The figure stops at the axis;
// a figure stopped there is not snapped to the grid.
#include <cstdlib>

#include "editor/TGEditF.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

void TGEditF::startSlideZukei(int x, int y) {
    restoreHeldFigure();
    if (!pickable()) return;
    searchNearestAndLoadZukei(x, y);
    getOutline();
    startPoint = adjusted({x, y});
    rubberShown = false;
    dragging = true;
    copyMode = false;
    selectRubberPen();
}

void TGEditF::viaSlideZukei(int x, int y) {
    if (!dragging) return;
    const IntPoint e = adjusted({x, y});
    int dx = e.x - startPoint.x;
    const int dy = e.y - startPoint.y;
    if (std::abs(dx) >= 5 || std::abs(dy) >= 5) {
        if (editState == esSlide) {
            setStatus("平行移動中");
        } else {
            setStatus("コピー中");
            copyMode = true;
        }
    }
    if (outline.maxPX + dx > AxisColumn) dx = AxisColumn - outline.maxPX;
    if (rubberShown) rubberPolyline(saved);
    // A pixel offset is the negated data offset on both axes.
    saved.clear();
    for (int i = 0; i < work.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const float vx = static_cast<float>(static_cast<f80>(work.x[k]) - dx);
        const float vy = static_cast<float>(static_cast<f80>(work.y[k]) - dy);
        saved.append(vx, vy, pixelOf(vx, vy));
    }
    curPoint = e;
    rubberPolyline(saved);
    rubberShown = true;
}

void TGEditF::detSlideZukei(int x, int y) {
    if (!dragging) return;
    if (rubberShown) rubberPolyline(saved);
    const IntPoint e = adjusted({x, y});
    int dx = e.x - startPoint.x;
    const int dy = e.y - startPoint.y;
    bool stopped = false;
    if (outline.maxPX + dx > AxisColumn) {
        dx = AxisColumn - outline.maxPX;
        stopped = true;
    }
    // A copy leaves the original where it was.
    if (copyMode) EditDetDraw();
    for (int i = 0; i < work.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        work.x[k] = static_cast<float>(static_cast<f80>(work.x[k]) - dx);
        work.y[k] = static_cast<float>(static_cast<f80>(work.y[k]) - dy);
    }
    recomputePixels(work);
    if (!stopped) zukeiAdjustGrid();
    EditDetDraw();
    setStatus(editState == esSlide ? "平行移動" : "コピー");
}

}  // namespace vantor
