// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scan conversion for the Canvas: each shape is turned into horizontal spans
// (row y, columns x1 <= x < x2) handed to a SpanSink. The shapes only emit
// spans inside the clip rectangle they are given, so the work stays bounded
// by the bitmap whatever the coordinates. Each generator emits every pixel of
// its shape exactly once; shapes made of several parts (fill and outline, a
// polyline's segments) are merged in a Coverage before anything is written.
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/pixels/Color.h"

namespace vantor::raster {

class SpanSink {
public:
    virtual ~SpanSink() = default;
    virtual void add(int y, int x1, int x2) = 0;
};

// Adapts a callable f(y, x1, x2) to a sink.
template <class F>
class FunctionSink : public SpanSink {
public:
    explicit FunctionSink(F f) : m_f(std::move(f)) {}
    void add(int y, int x1, int x2) override { m_f(y, x1, x2); }

private:
    F m_f;
};

// A per-primitive mask over a clipped box. Each pixel keeps the highest label
// added to it, so an outline (higher label) wins over the fill below it and
// the primitive is applied to the bitmap once per pixel.
class Coverage : public SpanSink {
public:
    static constexpr std::uint8_t Fill = 1;
    static constexpr std::uint8_t Outline = 2;

    explicit Coverage(const IntRect& box);
    const IntRect& box() const { return m_box; }
    void setLabel(std::uint8_t label) { m_label = label; }
    void add(int y, int x1, int x2) override;
    // Calls f(y, x1, x2, label) for each run of equal non-zero labels.
    template <class F>
    void forEachRun(F&& f) const {
        const int w = m_box.width();
        for (int y = m_box.top; y < m_box.bottom; ++y) {
            const std::uint8_t* row = m_mask.data() + static_cast<std::size_t>(y - m_box.top) * w;
            int x = 0;
            while (x < w) {
                std::uint8_t label = row[x];
                int start = x;
                while (x < w && row[x] == label) ++x;
                if (label != 0) f(y, m_box.left + start, m_box.left + x, label);
            }
        }
    }

private:
    IntRect m_box;
    std::vector<std::uint8_t> m_mask;
    std::uint8_t m_label = Fill;
};

IntRect intersect(const IntRect& a, const IntRect& b);

// The one-pixel line from a to b, end point excluded (nothing when a == b).
// The pixel of each column (x-major) or row (y-major) is the exact line
// position rounded to the nearest pixel; an exact half goes to the smaller
// coordinate (up for x-major, left for y-major). The rule depends only on the
// two points, so a->b and b->a light the same pixels apart from their ends.
void line(IntPoint a, IntPoint b, const IntRect& clip, SpanSink& out);

// Round-capped stroke of the given width (>= 1) from a to b: the pixels whose
// centre lies within width/2 of the segment. Odd widths are centred on the
// pixels of the points, even widths on their top-left corners. When a == b
// it is a single round dot.
void stroke(IntPoint a, IntPoint b, int width, const IntRect& clip, SpanSink& out);

// Even-odd interior sampled at the pixels' own points (pixel (x, y) is the
// point (x, y), as for lines, so an outline drawn over the fill leaves no
// gap). Top-left convention: a pixel exactly on a left or top edge is in, on
// a right or bottom edge out, so the rectangle polygon (l,t),(r,t),(r,b),(l,b)
// covers exactly l <= x < r, t <= y < b and polygons sharing an edge never
// overlap.
void polygonFill(const std::vector<IntPoint>& points, const IntRect& clip, SpanSink& out);

// The filled ellipse inscribed in the half-open box x1 <= x < x2,
// y1 <= y < y2 (corners in any order). Each row is an interval, symmetric
// about the box centre; the middle rows and columns reach the box edges.
class EllipseShape {
public:
    EllipseShape(int x1, int y1, int x2, int y2);
    bool isEmpty() const { return m_x2 <= m_x1 || m_y2 <= m_y1; }
    int top() const { return m_y1; }
    int bottom() const { return m_y2; }
    int left() const { return m_x1; }
    int right() const { return m_x2; }
    // Columns [x1, x2) covered in row y; x1 >= x2 when none.
    void row(int y, int& x1, int& x2) const;
    // Centre in doubled coordinates (pixel x has doubled centre 2x+1).
    std::int64_t centre2x() const { return std::int64_t(m_x1) + m_x2; }
    std::int64_t centre2y() const { return std::int64_t(m_y1) + m_y2; }

private:
    std::int64_t halfAt(std::int64_t t) const;  // doubled half-width of the row at doubled offset t
    int m_x1, m_y1, m_x2, m_y2;
    std::int64_t m_a, m_b;  // doubled semi-axes between extreme pixel centres
};

// Span emitters for ellipses; `keep` (may be null) filters single pixels and
// is used for arcs.
struct PixelFilter {
    virtual ~PixelFilter() = default;
    virtual bool keep(int x, int y) const = 0;
};
void ellipseFill(const EllipseShape& e, const IntRect& clip, SpanSink& out);
// The one-pixel outline: pixels of the filled shape with a 4-neighbour outside it.
void ellipseOutline(const EllipseShape& e, const IntRect& clip, SpanSink& out, const PixelFilter* keep = nullptr);
// An outline `width` pixels thick centred on the one-pixel outline of the box.
void ellipseRing(int x1, int y1, int x2, int y2, int width, const IntRect& clip, SpanSink& out,
                 const PixelFilter* keep = nullptr);

// The two boxes between which a pen of the given width draws the outline of
// the half-open box: outer grows by width/2 up-left and (width-1)/2
// down-right, inner shrinks by the rest, so the band is `width` thick.
void penBand(const IntRect& box, int width, IntRect& outer, IntRect& inner);

// Clamp for coordinates fed to shape arithmetic: far beyond any bitmap, small
// enough that products of coordinates stay exact in 128 bits.
constexpr int CoordLimit = 1 << 28;
int clampCoord(long long v);
// Pen widths below 1 draw as 1; the upper bound keeps the arithmetic exact.
constexpr int MaxPenWidth = 1 << 16;
int clampPenWidth(int width);

void rectangleFill(const IntRect& box, const IntRect& clip, SpanSink& out);
// The band a pen of the given width draws around the box (see penBand).
void rectangleRing(const IntRect& box, int width, const IntRect& clip, SpanSink& out);

}  // namespace vantor::raster
