// SPDX-License-Identifier: GPL-3.0-or-later
// Ellipses. The curve runs through the centres of the box's extreme pixels;
// in doubled coordinates (pixel x has centre 2x+1) the box centre is
// (x1+x2, y1+y2) and the semi-axes are A = x2-x1-1 and B = y2-y1-1. A row at
// doubled offset T covers the pixels within half a pixel of the curve, taken
// both row-wise (the curve's x at that row) and column-wise (the columns whose
// curve point lies within half a pixel of the row), so flat and thin
// ellipses stay connected and the box's middle row and column are full.
#include <algorithm>
#include <cmath>

#include "platform/pixels/Raster.h"
#include "platform/pixels/RasterMath.h"

namespace vantor::raster {

EllipseShape::EllipseShape(int x1, int y1, int x2, int y2) {
    m_x1 = clampCoord(std::min(x1, x2));
    m_x2 = clampCoord(std::max(x1, x2));
    m_y1 = clampCoord(std::min(y1, y2));
    m_y2 = clampCoord(std::max(y1, y2));
    m_a = std::max<std::int64_t>(0, std::int64_t(m_x2) - m_x1 - 1);
    m_b = std::max<std::int64_t>(0, std::int64_t(m_y2) - m_y1 - 1);
}

namespace {

// Largest c <= limit with c == limit (mod 2) and ok(c), searching from an
// estimate; ok must hold for small c and fail beyond some point. Returns a
// negative value when no c >= 0 qualifies.
template <class Ok>
std::int64_t largestWithParity(std::int64_t limit, double estimate, Ok ok) {
    const std::int64_t base = limit % 2;
    std::int64_t c = std::isfinite(estimate) ? static_cast<std::int64_t>(std::clamp(estimate, -1.0, double(limit))) : limit;
    c = std::clamp<std::int64_t>(c, base, limit);
    if ((c - base) % 2 != 0) --c;
    while (c + 2 <= limit && ok(c + 2)) c += 2;
    while (c >= base && !ok(c)) c -= 2;
    return c;
}

}  // namespace

std::int64_t EllipseShape::halfAt(std::int64_t t) const {
    const i128 A = m_a, B = m_b, T = t;
    // Row-wise: centres within half a pixel outside the curve's x at this row.
    std::int64_t rowHalf = m_a;
    if (m_b > 0) {
        const double est = 1 + double(m_a) * std::sqrt(std::max(0.0, 1 - double(t) * double(t) / (double(m_b) * double(m_b))));
        rowHalf = largestWithParity(m_a, est, [&](std::int64_t c) {
            const i128 d = c - 1;
            return d <= 0 || d * d * B * B <= A * A * (B * B - T * T);
        });
    }
    // Column-wise: columns whose curve point reaches within half a pixel of the row.
    std::int64_t colHalf = m_a;
    if (t > 1 && m_a > 0) {
        const double r = double(t - 1) / double(m_b);
        const double est = double(m_a) * std::sqrt(std::max(0.0, 1 - r * r));
        colHalf = largestWithParity(m_a, est, [&](std::int64_t c) {
            const i128 C = c, d = T - 1;
            return d * d * A * A <= B * B * (A * A - C * C);
        });
    }
    return std::max(rowHalf, colHalf);
}

void EllipseShape::row(int y, int& x1, int& x2) const {
    x1 = x2 = 0;
    if (isEmpty() || y < m_y1 || y >= m_y2) return;
    const std::int64_t t = std::abs(2 * std::int64_t(y) + 1 - m_y1 - m_y2);
    const std::int64_t half = halfAt(t);
    const std::int64_t sum = std::int64_t(m_x1) + m_x2 - 1;
    x1 = static_cast<int>((sum - half) / 2);
    x2 = static_cast<int>((sum + half) / 2 + 1);
}

namespace {

// Emits [x1, x2) of row y, through the filter when there is one.
void emit(int y, int x1, int x2, const IntRect& clip, SpanSink& out, const PixelFilter* keep) {
    x1 = std::max(x1, clip.left);
    x2 = std::min(x2, clip.right);
    if (x1 >= x2) return;
    if (!keep) {
        out.add(y, x1, x2);
        return;
    }
    int start = x1;
    for (int x = x1; x <= x2; ++x) {
        if (x < x2 && keep->keep(x, y)) continue;
        if (start < x) out.add(y, start, x);
        start = x + 1;
    }
}

// [x1, x2) minus [h1, h2).
void emitDifference(int y, int x1, int x2, int h1, int h2, const IntRect& clip, SpanSink& out, const PixelFilter* keep) {
    if (h1 >= h2) {
        emit(y, x1, x2, clip, out, keep);
        return;
    }
    emit(y, x1, std::min(x2, h1), clip, out, keep);
    emit(y, std::max(x1, h2), x2, clip, out, keep);
}

}  // namespace

void ellipseFill(const EllipseShape& e, const IntRect& clip, SpanSink& out) {
    const int top = std::max(e.top(), clip.top), bottom = std::min(e.bottom(), clip.bottom);
    for (int y = top; y < bottom; ++y) {
        int x1, x2;
        e.row(y, x1, x2);
        emit(y, x1, x2, clip, out, nullptr);
    }
}

void ellipseOutline(const EllipseShape& e, const IntRect& clip, SpanSink& out, const PixelFilter* keep) {
    const int top = std::max(e.top(), clip.top), bottom = std::min(e.bottom(), clip.bottom);
    const long long mid2 = static_cast<long long>(e.top()) + e.bottom();  // doubled centre row
    for (int y = top; y < bottom; ++y) {
        int x1, x2;
        e.row(y, x1, x2);
        // The row further from the centre is never wider than this one, so a
        // pixel is inside when its outward neighbour and both side
        // neighbours are covered.
        const int outward = (2LL * y + 1 < mid2) ? y - 1 : y + 1;
        int n1, n2;
        e.row(outward, n1, n2);
        emitDifference(y, x1, x2, std::max(x1 + 1, n1), std::min(x2 - 1, n2), clip, out, keep);
    }
}

void ellipseRing(int x1, int y1, int x2, int y2, int width, const IntRect& clip, SpanSink& out,
                 const PixelFilter* keep) {
    const IntRect box{clampCoord(std::min(x1, x2)), clampCoord(std::min(y1, y2)), clampCoord(std::max(x1, x2)),
                      clampCoord(std::max(y1, y2))};
    if (box.width() <= 0 || box.height() <= 0) return;
    IntRect outerBox, innerBox;
    penBand(box, width, outerBox, innerBox);
    const EllipseShape outer(outerBox.left, outerBox.top, outerBox.right, outerBox.bottom);
    const EllipseShape inner(innerBox.left, innerBox.top, innerBox.right, innerBox.bottom);
    const bool hollow = innerBox.width() > 0 && innerBox.height() > 0;
    const int top = std::max(outer.top(), clip.top), bottom = std::min(outer.bottom(), clip.bottom);
    for (int y = top; y < bottom; ++y) {
        int o1, o2, i1 = 0, i2 = 0;
        outer.row(y, o1, o2);
        if (hollow) inner.row(y, i1, i2);
        emitDifference(y, o1, o2, i1, i2, clip, out, keep);
    }
}

}  // namespace vantor::raster
