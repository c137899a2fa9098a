// Moving every figure up or down by a vertical drag. The list is shifted in
// place: order, figure numbers and x values stay.
#include "editor/TGEditF.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

void TGEditF::startAllScroll(int x, int y) {
    if (store().VertexCount == 0) {
        initState();
        return;
    }
    if (otherButton()) return;
    startPoint = adjusted({x, y});
    curPoint = startPoint;
    rubberShown = false;
    dragging = true;
    selectRubberPen();
}

void TGEditF::viaAllScroll(int x, int y) {
    if (otherButton() || !dragging) return;
    if (rubberShown) rubberLine(startPoint, {startPoint.x, curPoint.y});
    IntPoint e = adjusted({x, y});
    e.x = curPoint.x;
    curPoint = e;
    rubberLine(startPoint, {startPoint.x, curPoint.y});
    rubberShown = true;
}

void TGEditF::detAllScroll(int x, int y) {
    if (otherButton() || !dragging) return;
    if (rubberShown) rubberLine(startPoint, {startPoint.x, curPoint.y});
    const IntPoint e = adjusted({x, y});
    const int dy = e.y - startPoint.y;
    FigureStore& s = store();
    for (std::int32_t k = 1; k <= s.VertexCount; ++k) s.y(k) = static_cast<float>(static_cast<f80>(s.y(k)) - dy);
    dragging = false;
    rubberShown = false;
    GESheetInit();
    EdittedProc();
}

}  // namespace vantor
