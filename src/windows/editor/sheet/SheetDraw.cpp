// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the sheet: the redraw from the store, the markers, the highlight
// of a taken-out figure and the rubber-band previews.
#include "model/figures/FigureStore.h"
#include "export/mesh/PrintChecks.h"
#include "windows/editor/EditorWindow.h"
#include "platform/numbers/Numbers.h"

#include <algorithm>

namespace vantor {

namespace {
constexpr int SheetRight = EditorWindow::SheetWidth - 1;
constexpr int SheetBottom = EditorWindow::SheetHeight - 1;

// The line between two vertices as it crosses the sheet. The part outside a
// margin around the sheet is cut off, so a vertex far off the sheet still
// gives the line the direction it really has. The cut is made in data
// coordinates: there the ends are single-precision values, whose products
// extended precision holds exactly, so the line's equation
// x * dy - y * dx = c is exact enough to place a crossing on the sheet even
// when the ends lie near the limits of single precision.
void sheetLine(Canvas& c, float ax, float ay, float bx, float by) {
    constexpr f80 Margin = 8;
    const f80 lo[2] = {EditorWindow::AxisColumn - SheetRight - Margin, EditorWindow::BaseRow - SheetBottom - Margin};
    const f80 hi[2] = {EditorWindow::AxisColumn + Margin, EditorWindow::BaseRow + Margin};
    const f80 a[2] = {ax, ay}, b[2] = {bx, by};
    const f80 d[2] = {b[0] - a[0], b[1] - a[1]};
    const f80 cross = a[0] * b[1] - a[1] * b[0];
    struct End {
        f80 t;
        int axis;     // -1: the vertex itself, else the boundary's axis
        f80 bound;
    } from{0, -1, 0}, to{1, -1, 0};
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0) {
            if (a[axis] < lo[axis] || a[axis] > hi[axis]) return;
            continue;
        }
        End enter{(lo[axis] - a[axis]) / d[axis], axis, lo[axis]}, leave{(hi[axis] - a[axis]) / d[axis], axis, hi[axis]};
        if (enter.t > leave.t) std::swap(enter, leave);
        if (enter.t > from.t) from = enter;
        if (leave.t < to.t) to = leave;
        if (from.t > to.t) return;
    }
    auto pixel = [&](const End& e, float vx, float vy) -> IntPoint {
        f80 x = vx, y = vy;
        if (e.axis == 0) {
            x = e.bound;
            y = (x * d[1] - cross) / d[0];
        } else if (e.axis == 1) {
            y = e.bound;
            x = (cross + y * d[0]) / d[1];
        }
        // As the pixel mapping rounds a vertex.
        return {static_cast<int>(roundHalfEven(EditorWindow::AxisColumn - x)), static_cast<int>(roundHalfEven(EditorWindow::BaseRow - y))};
    };
    const IntPoint p = pixel(from, ax, ay), q = pixel(to, bx, by);
    c.moveTo(p.x, p.y);
    c.lineTo(q.x, q.y);
}
}  // namespace

void EditorWindow::redrawSheet() {
    m_gesture.dragging = false;
    m_printMarksShown = false;
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
    if (mnGridOn.checked() && m_settings.gridStep > 0) {
        for (int col = AxisColumn; col >= 2; col -= m_settings.gridStep) {
            for (int row = BaseRow; row >= 2; row -= m_settings.gridStep) c.setPixel(col, row, colors::Black);
            for (int row = BaseRow + m_settings.gridStep; row <= 242; row += m_settings.gridStep) c.setPixel(col, row, colors::Black);
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
                sheetLine(c, s.x(k), s.y(k), s.x(k + 1), s.y(k + 1));
            }
        }
    }
    sheetChanged();
}

void EditorWindow::markSegment(const Finding& f, TColor color) {
    m_canvas.pen = Pen{color, 3, PenStyle::Solid, PenMode::Copy};
    // The finding's points are the store's single-precision vertices.
    sheetLine(m_canvas, static_cast<float>(f.from.r), static_cast<float>(f.from.y), static_cast<float>(f.to.r),
              static_cast<float>(f.to.y));
}

void EditorWindow::drawMarker(IntPoint p, TColor color) {
    m_canvas.pen = Pen{color, 1, PenStyle::Solid, PenMode::Copy};
    m_canvas.brush = Brush{color, BrushStyle::Solid};
    m_canvas.ellipse(p.x - 2, p.y - 2, p.x + 2, p.y + 2);
}

// The figure just taken out, in red, so the user sees what was picked.
void EditorWindow::highlightWork() {
    std::vector<IntPoint> points(m_work.pixel.begin(), m_work.pixel.begin() + m_work.count);
    m_canvas.pen = Pen{colors::Red, 1, PenStyle::Solid, PenMode::Copy};
    if (!points.empty()) m_canvas.polyline(points);
    for (const IntPoint& p : points) drawMarker(p, colors::Red);
    sheetChanged();
}

void EditorWindow::selectRubberPen() {
    m_canvas.pen = Pen{RubberColor, 1, PenStyle::Solid, PenMode::NotXor};
    m_canvas.brush.style = BrushStyle::Clear;
}

// Every preview is drawn with the rubber pen; drawing it again removes it.
void EditorWindow::rubberLine(IntPoint a, IntPoint b) {
    selectRubberPen();
    m_canvas.moveTo(a.x, a.y);
    m_canvas.lineTo(b.x, b.y);
    sheetChanged();
}

void EditorWindow::rubberEllipse(IntPoint centre, IntPoint corner) {
    selectRubberPen();
    m_canvas.ellipse(2 * centre.x - corner.x, 2 * centre.y - corner.y, corner.x, corner.y);
    sheetChanged();
}

void EditorWindow::rubberRectangle(IntPoint s, IntPoint e) {
    selectRubberPen();
    m_canvas.polyline({s, {s.x, e.y}, e, {e.x, s.y}, s});
    sheetChanged();
}

void EditorWindow::rubberPolyline(const FigureBuffer& buffer) {
    if (buffer.count == 0) return;
    selectRubberPen();
    m_canvas.polyline(std::vector<IntPoint>(buffer.pixel.begin(), buffer.pixel.begin() + buffer.count));
    sheetChanged();
}

}  // namespace vantor
