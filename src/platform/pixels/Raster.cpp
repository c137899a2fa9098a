// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pixels/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/pixels/RasterMath.h"

namespace vantor::raster {

int clampCoord(long long v) {
    return static_cast<int>(std::clamp<long long>(v, -CoordLimit, CoordLimit));
}

int clampPenWidth(int width) { return std::clamp(width, 1, MaxPenWidth); }

IntRect intersect(const IntRect& a, const IntRect& b) {
    IntRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

Coverage::Coverage(const IntRect& box) : m_box(box) {
    if (m_box.width() <= 0 || m_box.height() <= 0) m_box = IntRect{};
    m_mask.assign(static_cast<std::size_t>(m_box.width()) * static_cast<std::size_t>(m_box.height()), 0);
}

void Coverage::add(int y, int x1, int x2) {
    if (y < m_box.top || y >= m_box.bottom) return;
    x1 = std::max(x1, m_box.left);
    x2 = std::min(x2, m_box.right);
    std::uint8_t* row = m_mask.data() + static_cast<std::size_t>(y - m_box.top) * m_box.width();
    for (int x = x1; x < x2; ++x) {
        std::uint8_t& m = row[x - m_box.left];
        if (m < m_label) m = m_label;
    }
}

void line(IntPoint a, IntPoint b, const IntRect& clip, SpanSink& out) {
    const i128 dx = i128(b.x) - a.x;
    const i128 dy = i128(b.y) - a.y;
    if ((dx == 0 && dy == 0) || clip.width() <= 0 || clip.height() <= 0) return;
    const i128 adx = dx < 0 ? -dx : dx;
    const i128 ady = dy < 0 ? -dy : dy;
    if (adx >= ady) {
        // One pixel per column from a.x towards b.x, column b.x excluded.
        long long lo = dx > 0 ? a.x : static_cast<long long>(b.x) + 1;
        long long hi = dx > 0 ? static_cast<long long>(b.x) - 1 : a.x;
        lo = std::max<long long>(lo, clip.left);
        hi = std::min<long long>(hi, clip.right - 1);
        int runY = 0, runStart = 0, runEnd = 0;
        bool inRun = false;
        for (long long x = lo; x <= hi; ++x) {
            const i128 y = a.y + roundHalfDown((x - a.x) * dy, dx);
            const bool visible = y >= clip.top && y < clip.bottom;
            if (inRun && (!visible || y != runY)) {
                out.add(runY, runStart, runEnd);
                inRun = false;
            }
            if (!visible) continue;
            if (!inRun) {
                inRun = true;
                runY = static_cast<int>(y);
                runStart = static_cast<int>(x);
            }
            runEnd = static_cast<int>(x) + 1;
        }
        if (inRun) out.add(runY, runStart, runEnd);
    } else {
        // One pixel per row from a.y towards b.y, row b.y excluded.
        long long lo = dy > 0 ? a.y : static_cast<long long>(b.y) + 1;
        long long hi = dy > 0 ? static_cast<long long>(b.y) - 1 : a.y;
        lo = std::max<long long>(lo, clip.top);
        hi = std::min<long long>(hi, clip.bottom - 1);
        for (long long y = lo; y <= hi; ++y) {
            const i128 x = a.x + roundHalfDown((y - a.y) * dx, dy);
            if (x >= clip.left && x < clip.right) out.add(static_cast<int>(y), static_cast<int>(x), static_cast<int>(x) + 1);
        }
    }
}

namespace {

// Interval of X where lo <= k*X + m <= hi; returns false when empty.
bool linearRange(double k, double m, double lo, double hi, double& xMin, double& xMax) {
    if (k == 0) {
        if (m < lo || m > hi) return false;
        xMin = -HUGE_VAL;
        xMax = HUGE_VAL;
        return true;
    }
    double p = (lo - m) / k, q = (hi - m) / k;
    xMin = std::min(p, q);
    xMax = std::max(p, q);
    return true;
}

}  // namespace

void stroke(IntPoint a, IntPoint b, int width, const IntRect& clip, SpanSink& out) {
    if (clip.width() <= 0 || clip.height() <= 0) return;
    const long long w = clampPenWidth(width);
    // Doubled coordinates: pixel x has doubled centre 2x+e, where e shifts the
    // centre line to the pixel corners for even widths.
    const long long e = (w % 2 == 0) ? 1 : 0;
    const long long ax = 2LL * clampCoord(a.x), ay = 2LL * clampCoord(a.y);
    const long long bx = 2LL * clampCoord(b.x), by = 2LL * clampCoord(b.y);
    const i128 dx = bx - ax, dy = by - ay;
    const i128 len2 = dx * dx + dy * dy;
    const i128 w2 = i128(w) * w;

    auto covered = [&](long long x, long long y) {
        const i128 px = 2 * i128(x) + e - ax, py = 2 * i128(y) + e - ay;
        const i128 t = px * dx + py * dy;
        if (t <= 0) return px * px + py * py <= w2;
        if (t >= len2) {
            const i128 qx = px - dx, qy = py - dy;
            return qx * qx + qy * qy <= w2;
        }
        const i128 c = px * dy - py * dx;
        return c * c <= w2 * len2;
    };

    const long long yLo = std::max(static_cast<long long>(clip.top), static_cast<long long>(ceilDiv(std::min(ay, by) - w - e, 2)));
    const long long yHi = std::min(static_cast<long long>(clip.bottom) - 1, static_cast<long long>(floorDiv(std::max(ay, by) + w - e, 2)));
    const double fdx = double(bx - ax), fdy = double(by - ay), fw = double(w);
    const double len = std::sqrt(fdx * fdx + fdy * fdy);
    for (long long y = yLo; y <= yHi; ++y) {
        const double py = double(2 * y + e);
        double lo = HUGE_VAL, hi = -HUGE_VAL;
        for (const auto& [cx, cy] : {std::pair{ax, ay}, std::pair{bx, by}}) {
            const double d = py - double(cy);
            if (std::abs(d) <= fw) {
                const double h = std::sqrt(fw * fw - d * d);
                lo = std::min(lo, double(cx) - h);
                hi = std::max(hi, double(cx) + h);
            }
        }
        if (len > 0) {
            double l1, h1, l2, h2;
            const double ry = py - double(ay);
            if (linearRange(fdx, -double(ax) * fdx + ry * fdy, 0, len * len, l1, h1) &&
                linearRange(fdy, -double(ax) * fdy - ry * fdx, -fw * len, fw * len, l2, h2)) {
                const double l = std::max(l1, l2), h = std::min(h1, h2);
                if (l <= h) {
                    lo = std::min(lo, l);
                    hi = std::max(hi, h);
                }
            }
        }
        if (lo > hi) continue;
        // A margin of one pixel absorbs rounding; the exact test trims it.
        long long xl = static_cast<long long>(std::floor((lo - double(e)) / 2)) - 1;
        long long xr = static_cast<long long>(std::ceil((hi - double(e)) / 2)) + 1;
        xl = std::max<long long>(xl, clip.left);
        xr = std::min<long long>(xr, clip.right - 1);
        while (xl <= xr && !covered(xl, y)) ++xl;
        while (xr >= xl && !covered(xr, y)) --xr;
        if (xl <= xr) out.add(static_cast<int>(y), static_cast<int>(xl), static_cast<int>(xr) + 1);
    }
}

void polygonFill(const std::vector<IntPoint>& points, const IntRect& clip, SpanSink& out) {
    struct Edge {
        long long x0, y0, x1, y1;  // y0 < y1
    };
    std::vector<Edge> edges;
    long long minY = 0, maxY = 0;
    const std::size_t n = points.size();
    if (n < 3 || clip.width() <= 0 || clip.height() <= 0) return;
    for (std::size_t i = 0; i < n; ++i) {
        const IntPoint p = points[i], q = points[(i + 1) % n];
        if (i == 0) minY = maxY = p.y;
        minY = std::min<long long>(minY, p.y);
        maxY = std::max<long long>(maxY, p.y);
        if (p.y == q.y) continue;
        if (p.y < q.y) edges.push_back({p.x, p.y, q.x, q.y});
        else edges.push_back({q.x, q.y, p.x, p.y});
    }
    const long long yLo = std::max<long long>(minY, clip.top);
    const long long yHi = std::min<long long>(maxY, clip.bottom);  // exclusive
    std::vector<long long> crossings;
    for (long long y = yLo; y < yHi; ++y) {
        crossings.clear();
        for (const Edge& ed : edges) {
            // Upper end in, lower end out: a shared vertex is counted once
            // and a bottom edge's row belongs to the shape below it.
            if (y < ed.y0 || y >= ed.y1) continue;
            // First pixel at or right of the crossing, in exact integers.
            const i128 dyE = ed.y1 - ed.y0;
            const i128 num = i128(ed.x0) * dyE + (i128(y) - ed.y0) * (ed.x1 - ed.x0);
            crossings.push_back(static_cast<long long>(ceilDiv(num, dyE)));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const long long l = std::max<long long>(crossings[i], clip.left);
            const long long r = std::min<long long>(crossings[i + 1], clip.right);
            if (l < r) out.add(static_cast<int>(y), static_cast<int>(l), static_cast<int>(r));
        }
    }
}

void penBand(const IntRect& box, int width, IntRect& outer, IntRect& inner) {
    const int w = clampPenWidth(width);
    const int grow = w / 2, growRight = (w - 1) / 2;
    const int l = clampCoord(box.left), t = clampCoord(box.top), r = clampCoord(box.right), b = clampCoord(box.bottom);
    outer = {l - grow, t - grow, r + growRight, b + growRight};
    inner = {l + (w - grow), t + (w - grow), r - (w - growRight), b - (w - growRight)};
}

void rectangleFill(const IntRect& box, const IntRect& clip, SpanSink& out) {
    const IntRect r = intersect(box, clip);
    if (r.width() <= 0) return;
    for (int y = r.top; y < r.bottom; ++y) out.add(y, r.left, r.right);
}

void rectangleRing(const IntRect& box, int width, const IntRect& clip, SpanSink& out) {
    IntRect outer, inner;
    penBand(box, width, outer, inner);
    const IntRect r = intersect(outer, clip);
    if (r.width() <= 0) return;
    const bool hollow = inner.width() > 0 && inner.height() > 0;
    for (int y = r.top; y < r.bottom; ++y) {
        if (hollow && y >= inner.top && y < inner.bottom) {
            if (r.left < std::min(r.right, inner.left)) out.add(y, r.left, std::min(r.right, inner.left));
            if (std::max(r.left, inner.right) < r.right) out.add(y, std::max(r.left, inner.right), r.right);
        } else {
            out.add(y, r.left, r.right);
        }
    }
}

}  // namespace vantor::raster
