// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/tools/Ellipse.h"

#include <cmath>
#include <cstdlib>

#include "platform/numbers/Numbers.h"
#include "windows/editor/toolkit/Context.h"
#include "windows/editor/toolkit/FigureBuffer.h"

namespace vantor::edit {

namespace {
constexpr f80 Pi = 3.14159265358979323846264338327950288L;
}

// The corner of the square box with the larger of the two extents.
IntPoint Ellipse::circleCorner(IntPoint s, IntPoint e) const {
    int dx = e.x - s.x;
    int dy = e.y - s.y;
    const int sx = dx >= 0 ? 1 : -1;
    const int sy = dy >= 0 ? 1 : -1;
    if (std::abs(dy) < std::abs(dx)) dy = sy * std::abs(dx);
    else dx = sx * std::abs(dy);
    return {s.x + dx, s.y + dy};
}

void Ellipse::preview(IntPoint corner) { m_editor.rubberEllipse(m_start, corner); }

void Ellipse::previewEllipseTo(int x, int y) {
    if (!m_editor.dragging()) return;
    IntPoint e = m_editor.adjusted({x, y});
    if (m_circle) e = circleCorner(m_start, e);
    showPreview(e);
}

void Ellipse::commitEllipse(int x, int y) {
    if (!m_editor.dragging()) return;
    erasePreview();
    const IntPoint s = m_start;
    IntPoint e = m_editor.adjusted({x, y});
    const bool degenerate = m_circle ? (e.x == s.x && e.y == s.y) : (e.x == s.x || e.y == s.y);
    if (degenerate) {
        m_editor.setDragging(false);
        m_rubberShown = false;
        return;
    }
    if (m_circle) e = circleCorner(s, e);
    const float a = static_cast<float>(std::abs(e.x - s.x));
    const float b = static_cast<float>(std::abs(e.y - s.y));
    const float cx = sheetToDataX(s.x);
    const float cy = sheetToDataY(s.y);

    // Four times the quarter circumference of the mean radius, in spacings.
    const f80 quarters = Pi * ((static_cast<f80>(a) + b) * 0.5L) * 0.5L / m_editor.vertexSpacing();
    std::int64_t n = 4 * roundHalfEven(quarters);
    if (n < 12) n = 12;
    FigureBuffer& work = m_editor.work();
    work.clear();
    if (n + 1 > FigureBuffer::Capacity) {
        work.overflow = true;
        m_editor.commitNewFigure();
        return;
    }
    const float step = static_cast<float>(360.0L / n);
    for (std::int64_t k = 0; k <= n; ++k) {
        const float theta = static_cast<float>((180 - k * static_cast<f80>(step)) * Pi / 180);
        const float vx = static_cast<float>(cx + a * std::cos(static_cast<f80>(theta)));
        const float vy = static_cast<float>(cy + b * std::sin(static_cast<f80>(theta)));
        work.append(vx, vy, pixelOf(vx, vy));
    }
    cutAtAxis(a, b, cx, cy, static_cast<int>(n));
    m_editor.commitNewFigure();
}

// Keeps the part on or left of the axis. Vertex n + 2 - j mirrors vertex j
// across the centre's row, so the kept run j .. n + 2 - j is symmetric.
void Ellipse::cutAtAxis(float a, float b, float cx, float cy, int n) {
    if (cx >= a) return;
    FigureBuffer& work = m_editor.work();
    int j = 0;
    for (int v = 1; v <= work.count; ++v) {
        if (work.x[static_cast<std::size_t>(v - 1)] >= 0) {
            j = v;
            break;
        }
    }
    const int last = n + 2 - j;
    if (j < 2 || last < j) return;  // vertex 1 lies right of the axis whenever cx < a
    auto move = [&work](int to, int from) {
        const std::size_t t = static_cast<std::size_t>(to), f = static_cast<std::size_t>(from);
        work.x[t] = work.x[f];
        work.y[t] = work.y[f];
        work.pixel[t] = work.pixel[f];
    };
    const int kept = last - j + 1;
    if (work.x[static_cast<std::size_t>(j - 1)] == 0) {
        for (int i = 0; i < kept; ++i) move(i, j - 1 + i);
        work.count = kept;
        return;
    }
    // Close the run with the two points where the outline meets the axis.
    for (int i = 0; i < kept; ++i) move(1 + i, j - 1 + i);
    const f80 rise = b * std::sin(std::acos(static_cast<f80>(cx) / a));
    const float top = static_cast<float>(cy + rise);
    const float bottom = static_cast<float>(cy - rise);
    work.x[0] = 0;
    work.y[0] = top;
    work.pixel[0] = {AxisColumn, dataToSheetY(top)};
    const std::size_t end = static_cast<std::size_t>(kept + 1);
    work.x[end] = 0;
    work.y[end] = bottom;
    work.pixel[end] = {AxisColumn, dataToSheetY(bottom)};
    work.count = kept + 2;
}

}  // namespace vantor::edit
