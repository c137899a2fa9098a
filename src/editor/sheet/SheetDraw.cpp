// Painting the sheet: the redraw from the store, the markers, the highlight
// of a taken-out figure and the rubber-band previews.
#include "control/FigureStore.h"
#include "editor/TGEditF.h"
#include "platform/numbers/Numbers.h"

#include <algorithm>

namespace vantor {

namespace {
constexpr int SheetRight = TGEditF::SheetWidth - 1;
constexpr int SheetBottom = TGEditF::SheetHeight - 1;

// The exact pixel position of a vertex, before any rounding or limit.
struct ExactPixel {
    f80 x, y;
};
ExactPixel exactPixel(float x, float y) {
    return {static_cast<f80>(TGEditF::AxisColumn) - static_cast<f80>(x), static_cast<f80>(TGEditF::BaseRow) - static_cast<f80>(y)};
}

// The line between two vertices as it crosses the sheet: the part outside a
// margin around the sheet is cut off in extended precision, so a vertex far
// off the sheet still gives the line the direction it really has.
void sheetLine(Canvas& c, ExactPixel a, ExactPixel b) {
    constexpr f80 Margin = 8;
    const f80 lo[2] = {-Margin, -Margin}, hi[2] = {SheetRight + Margin, SheetBottom + Margin};
    const f80 p0[2] = {a.x, a.y}, d[2] = {b.x - a.x, b.y - a.y};
    f80 t0 = 0, t1 = 1;
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0) {
            if (p0[axis] < lo[axis] || p0[axis] > hi[axis]) return;
            continue;
        }
        f80 ta = (lo[axis] - p0[axis]) / d[axis], tb = (hi[axis] - p0[axis]) / d[axis];
        if (ta > tb) std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
        if (t0 > t1) return;
    }
    auto at = [&](f80 t, int axis) { return static_cast<int>(roundHalfEven(p0[axis] + t * d[axis])); };
    // Unclipped ends round as the pixel mapping does.
    c.moveTo(at(t0, 0), at(t0, 1));
    c.lineTo(at(t1, 0), at(t1, 1));
}
}  // namespace

void TGEditF::GESheetInit() {
    dragging = false;
    Canvas& c = m_canvas;
    c.pen = Pen{colors::White, 1, PenStyle::Solid, PenMode::Copy};
    c.brush = Brush{colors::White, BrushStyle::Solid};
    c.polygon({{0, 0}, {SheetRight, 0}, {SheetRight, SheetBottom}, {0, SheetBottom}});
    c.pen.color = c.brush.color = colors::Silver;
    c.polygon({{2, 2}, {AxisColumn, 2}, {AxisColumn, 242}, {2, 242}});

    c.pen = Pen{colors::Fuchsia, 3, PenStyle::Solid, PenMode::Copy};
    c.moveTo(AxisColumn + 1, 0);
    c.lineTo(AxisColumn + 1, SheetBottom);
    c.pen.width = 1;
    c.moveTo(AxisColumn, BaseRow);
    c.lineTo(0, BaseRow);

    // Grid points are the data points whose x and y are multiples of the step.
    if (mnGridOn.checked() && gridStep > 0) {
        for (int col = AxisColumn; col >= 2; col -= gridStep) {
            for (int row = BaseRow; row >= 2; row -= gridStep) c.setPixel(col, row, colors::Black);
            for (int row = BaseRow + gridStep; row <= 242; row += gridStep) c.setPixel(col, row, colors::Black);
        }
    }

    const FigureStore& s = store();
    const int n = s.VertexCount;
    if (n == 1) {
        drawMarker(pixelOf(s.x(1), s.y(1)), colors::Black);
    } else {
        auto linkOf = [&s](int k) -> int { return k <= 0 ? 0 : s.link(k); };
        for (int k = 1; k <= n; ++k) {
            const IntPoint p = pixelOf(s.x(k), s.y(k));
            const bool first = linkOf(k) == 1 && linkOf(k - 1) == 0;
            const bool last = linkOf(k) == 0;
            TColor color = first || last ? colors::Red : colors::Black;
            // A figure of two vertices on one pixel is a point: one black marker.
            if (first && k < n && linkOf(k + 1) == 0 && pixelOf(s.x(k + 1), s.y(k + 1)) == p) color = colors::Black;
            if (last && k >= 2 && linkOf(k - 1) == 1 && linkOf(k - 2) == 0 && pixelOf(s.x(k - 1), s.y(k - 1)) == p)
                color = colors::Black;
            drawMarker(p, color);
            if (linkOf(k) == 1 && k < n) {
                c.pen = Pen{colors::Black, 1, PenStyle::Solid, PenMode::Copy};
                sheetLine(c, exactPixel(s.x(k), s.y(k)), exactPixel(s.x(k + 1), s.y(k + 1)));
            }
        }
    }
    sheetChanged();
}

void TGEditF::drawMarker(IntPoint p, TColor color) {
    m_canvas.pen = Pen{color, 1, PenStyle::Solid, PenMode::Copy};
    m_canvas.brush = Brush{color, BrushStyle::Solid};
    m_canvas.ellipse(p.x - 2, p.y - 2, p.x + 2, p.y + 2);
}

// The figure just taken out, in red, so the user sees what was picked.
void TGEditF::highlightWork() {
    std::vector<IntPoint> points(work.pixel.begin(), work.pixel.begin() + work.count);
    m_canvas.pen = Pen{colors::Red, 1, PenStyle::Solid, PenMode::Copy};
    if (!points.empty()) m_canvas.polyline(points);
    for (const IntPoint& p : points) drawMarker(p, colors::Red);
    sheetChanged();
}

void TGEditF::selectRubberPen() {
    m_canvas.pen = Pen{RubberColor, 1, PenStyle::Solid, PenMode::NotXor};
    m_canvas.brush.style = BrushStyle::Clear;
}

// Every preview is drawn with the rubber pen; drawing it again removes it.
void TGEditF::rubberLine(IntPoint a, IntPoint b) {
    selectRubberPen();
    m_canvas.moveTo(a.x, a.y);
    m_canvas.lineTo(b.x, b.y);
    sheetChanged();
}

void TGEditF::rubberEllipse(IntPoint centre, IntPoint corner) {
    selectRubberPen();
    m_canvas.ellipse(2 * centre.x - corner.x, 2 * centre.y - corner.y, corner.x, corner.y);
    sheetChanged();
}

void TGEditF::rubberRectangle(IntPoint s, IntPoint e) {
    selectRubberPen();
    m_canvas.polyline({s, {s.x, e.y}, e, {e.x, s.y}, s});
    sheetChanged();
}

void TGEditF::rubberPolyline(const FigureBuffer& buffer) {
    if (buffer.count == 0) return;
    selectRubberPen();
    m_canvas.polyline(std::vector<IntPoint>(buffer.pixel.begin(), buffer.pixel.begin() + buffer.count));
    sheetChanged();
}

void TGEditF::movePointRubber() {
    if (hasPrev) rubberLine(curPoint, prevNeighbour);
    if (hasNext) rubberLine(curPoint, nextNeighbour);
}

}  // namespace vantor
