// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pixels/Canvas.h"

#include <algorithm>
#include <climits>

#include "platform/pixels/Raster.h"
#include "platform/pixels/RasterMath.h"

namespace vantor {

using raster::Coverage;

namespace {

// Bounding box of points grown by a pen's reach, clipped.
IntRect boundsOf(const std::vector<IntPoint>& points, int penWidth, const IntRect& clip) {
    if (points.empty()) return {};
    long long l = LLONG_MAX, t = LLONG_MAX, r = LLONG_MIN, b = LLONG_MIN;
    for (const IntPoint& p : points) {
        l = std::min<long long>(l, p.x);
        t = std::min<long long>(t, p.y);
        r = std::max<long long>(r, p.x);
        b = std::max<long long>(b, p.y);
    }
    const long long grow = raster::clampPenWidth(penWidth) + 1;
    auto clampTo = [](long long v, int lo, int hi) { return static_cast<int>(std::clamp<long long>(v, lo, hi)); };
    return raster::intersect({clampTo(l - grow, clip.left, clip.right), clampTo(t - grow, clip.top, clip.bottom),
                              clampTo(r + grow + 1, clip.left, clip.right), clampTo(b + grow + 1, clip.top, clip.bottom)},
                             clip);
}

IntRect normalisedBox(int x1, int y1, int x2, int y2) {
    return {raster::clampCoord(std::min(x1, x2)), raster::clampCoord(std::min(y1, y2)),
            raster::clampCoord(std::max(x1, x2)), raster::clampCoord(std::max(y1, y2))};
}

// Keeps outline pixels whose direction from the ellipse centre lies in the
// counter-clockwise sweep (on the screen) from the start ray to the end ray.
class ArcFilter : public raster::PixelFilter {
public:
    ArcFilter(const raster::EllipseShape& e, int x3, int y3, int x4, int y4)
        : m_cx(e.centre2x()), m_cy(e.centre2y()) {
        // Doubled coordinates with y pointing up, so counter-clockwise is the
        // positive turning direction.
        m_sx = 2 * raster::i128(x3) + 1 - m_cx;
        m_sy = m_cy - (2 * raster::i128(y3) + 1);
        if (m_sx == 0 && m_sy == 0) m_sx = 1;
        m_ex = 2 * raster::i128(x4) + 1 - m_cx;
        m_ey = m_cy - (2 * raster::i128(y4) + 1);
        if (m_ex == 0 && m_ey == 0) {
            m_ex = m_sx;
            m_ey = m_sy;
        }
        m_full = half(m_ex, m_ey) == 0 && cross(m_sx, m_sy, m_ex, m_ey) == 0;
    }

    bool keep(int x, int y) const override {
        if (m_full) return true;
        const raster::i128 px = 2 * raster::i128(x) + 1 - m_cx, py = m_cy - (2 * raster::i128(y) + 1);
        if (px == 0 && py == 0) return true;
        const int hp = half(px, py), he = half(m_ex, m_ey);
        if (hp != he) return hp < he;
        return cross(px, py, m_ex, m_ey) >= 0;
    }

private:
    static raster::i128 cross(raster::i128 ax, raster::i128 ay, raster::i128 bx, raster::i128 by) {
        return ax * by - ay * bx;
    }
    // 0 when the angle from the start ray to v is in [0, pi), else 1.
    int half(raster::i128 vx, raster::i128 vy) const {
        const raster::i128 c = cross(m_sx, m_sy, vx, vy);
        if (c > 0) return 0;
        if (c < 0) return 1;
        return (m_sx * vx + m_sy * vy > 0) ? 0 : 1;
    }
    raster::i128 m_cx, m_cy, m_sx, m_sy, m_ex, m_ey;
    bool m_full = false;
};

}  // namespace

Canvas::Canvas(Bitmap& bitmap) : m_bitmap(bitmap) {}

IntRect Canvas::clipRect() const { return {0, 0, m_bitmap.width(), m_bitmap.height()}; }

void Canvas::span(int y, int x1, int x2, std::uint32_t raw, PenMode mode) {
    if (y < 0 || y >= m_bitmap.height()) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, m_bitmap.width());
    if (x1 >= x2) return;
    if (m_bitmap.format() == PixelFormat::Indexed8) {
        std::uint8_t* p = m_bitmap.indexRow(y);
        const auto pen = static_cast<std::uint8_t>(raw);
        for (int x = x1; x < x2; ++x) {
            switch (mode) {
            case PenMode::Copy: p[x] = pen; break;
            case PenMode::Invert: p[x] = static_cast<std::uint8_t>(~p[x]); break;
            case PenMode::NotXor: p[x] = static_cast<std::uint8_t>(~(pen ^ p[x])); break;
            }
        }
    } else {
        std::uint32_t* p = m_bitmap.rgbRow(y);
        const std::uint32_t pen = raw & 0xFFFFFFu;
        for (int x = x1; x < x2; ++x) {
            switch (mode) {
            case PenMode::Copy: p[x] = pen; break;
            case PenMode::Invert: p[x] = ~p[x] & 0xFFFFFFu; break;
            case PenMode::NotXor: p[x] = ~(pen ^ p[x]) & 0xFFFFFFu; break;
            }
        }
    }
}

void Canvas::apply(const Coverage& coverage) {
    const std::uint32_t fillRaw = m_bitmap.rawFor(brush.color);
    const std::uint32_t penRaw = m_bitmap.rawFor(pen.color);
    coverage.forEachRun([&](int y, int x1, int x2, std::uint8_t label) {
        span(y, x1, x2, label == Coverage::Outline ? penRaw : fillRaw, pen.mode);
    });
}

void Canvas::moveTo(int x, int y) { m_pos = {x, y}; }

void Canvas::lineTo(int x, int y) {
    const IntPoint from = m_pos;
    m_pos = {x, y};
    if (pen.style == PenStyle::Clear) return;
    const std::uint32_t raw = m_bitmap.rawFor(pen.color);
    raster::FunctionSink sink([&](int sy, int x1, int x2) { span(sy, x1, x2, raw, pen.mode); });
    // A single line or stroke lights each of its pixels once, so it can be
    // written directly.
    if (pen.width <= 1) raster::line(from, m_pos, clipRect(), sink);
    else raster::stroke(from, m_pos, pen.width, clipRect(), sink);
}

void Canvas::polyline(const std::vector<IntPoint>& points) {
    if (pen.style == PenStyle::Clear || points.size() < 2) return;
    if (pen.width <= 1) {
        const std::uint32_t raw = m_bitmap.rawFor(pen.color);
        raster::FunctionSink sink([&](int y, int x1, int x2) { span(y, x1, x2, raw, pen.mode); });
        for (std::size_t i = 0; i + 1 < points.size(); ++i) raster::line(points[i], points[i + 1], clipRect(), sink);
        return;
    }
    Coverage coverage(boundsOf(points, pen.width, clipRect()));
    coverage.setLabel(Coverage::Outline);
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        raster::stroke(points[i], points[i + 1], pen.width, coverage.box(), coverage);
    apply(coverage);
}

void Canvas::polygon(const std::vector<IntPoint>& points) {
    const bool fill = brush.style == BrushStyle::Solid && points.size() >= 3;
    const bool outline = pen.style == PenStyle::Solid && points.size() >= 2;
    if (!fill && !outline) return;
    Coverage coverage(boundsOf(points, outline ? pen.width : 0, clipRect()));
    if (fill) raster::polygonFill(points, coverage.box(), coverage);
    if (outline) {
        coverage.setLabel(Coverage::Outline);
        const std::size_t n = points.size();
        for (std::size_t i = 0; i < n; ++i) {
            const IntPoint a = points[i], b = points[(i + 1) % n];
            if (pen.width <= 1) raster::line(a, b, coverage.box(), coverage);
            else raster::stroke(a, b, pen.width, coverage.box(), coverage);
        }
    }
    apply(coverage);
}

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
    const raster::EllipseShape shape(x1, y1, x2, y2);
    const bool fill = brush.style == BrushStyle::Solid;
    const bool outline = pen.style == PenStyle::Solid;
    if (shape.isEmpty() || (!fill && !outline)) return;
    Coverage coverage(boundsOf({{shape.left(), shape.top()}, {shape.right(), shape.bottom()}},
                               outline ? pen.width : 0, clipRect()));
    if (fill) raster::ellipseFill(shape, coverage.box(), coverage);
    if (outline) {
        coverage.setLabel(Coverage::Outline);
        if (pen.width <= 1) raster::ellipseOutline(shape, coverage.box(), coverage);
        else raster::ellipseRing(x1, y1, x2, y2, pen.width, coverage.box(), coverage);
    }
    apply(coverage);
}

void Canvas::arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    const raster::EllipseShape shape(x1, y1, x2, y2);
    if (shape.isEmpty() || pen.style == PenStyle::Clear) return;
    const ArcFilter keep(shape, x3, y3, x4, y4);
    Coverage coverage(boundsOf({{shape.left(), shape.top()}, {shape.right(), shape.bottom()}}, pen.width, clipRect()));
    coverage.setLabel(Coverage::Outline);
    if (pen.width <= 1) raster::ellipseOutline(shape, coverage.box(), coverage, &keep);
    else raster::ellipseRing(x1, y1, x2, y2, pen.width, coverage.box(), coverage, &keep);
    apply(coverage);
}

void Canvas::fillRect(const IntRect& rect) {
    if (brush.style == BrushStyle::Clear) return;
    const std::uint32_t raw = m_bitmap.rawFor(brush.color);
    raster::FunctionSink sink([&](int y, int x1, int x2) { span(y, x1, x2, raw, PenMode::Copy); });
    raster::rectangleFill(rect, clipRect(), sink);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
    const IntRect box = normalisedBox(x1, y1, x2, y2);
    const bool fill = brush.style == BrushStyle::Solid;
    const bool outline = pen.style == PenStyle::Solid;
    if (box.width() <= 0 || box.height() <= 0 || (!fill && !outline)) return;
    Coverage coverage(boundsOf({{box.left, box.top}, {box.right, box.bottom}}, outline ? pen.width : 0, clipRect()));
    if (fill) raster::rectangleFill(box, coverage.box(), coverage);
    if (outline) {
        coverage.setLabel(Coverage::Outline);
        raster::rectangleRing(box, pen.width, coverage.box(), coverage);
    }
    apply(coverage);
}

void Canvas::setPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= m_bitmap.width() || y >= m_bitmap.height()) return;
    span(y, x, x + 1, m_bitmap.rawFor(color), PenMode::Copy);
}

TColor Canvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_bitmap.width() || y >= m_bitmap.height()) return NoColor;
    return m_bitmap.pixelColor(x, y);
}

}  // namespace vantor
