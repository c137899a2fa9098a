// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/geometry/ScreenPoints.h"

#include <algorithm>
#include <cmath>

namespace vantor {

namespace {

// Two doubles side by side: the arithmetic of pixel() for two vertices at
// once, each lane rounded exactly as the scalar operation rounds.
using Pair = double __attribute__((vector_size(16)));
using Lanes = std::int64_t __attribute__((vector_size(16)));  // all ones where true
using IntPair = std::int32_t __attribute__((vector_size(8)));

Pair magnitude(Pair v) { return v < 0 ? -v : v; }
Pair both(double v) { return Pair{v, v}; }

}  // namespace

void ScreenTurn::pixels(const ScreenBox& box, const f32* xs, const f32* ys, int count, IntPoint* out) const {
    const ViewGeometry& g = *m_view;
    const Pair cosView = both(g.cosView), sinView = both(g.sinView), eye = both(g.eyeDistance);
    const Pair focal = both(g.focal), cosInclin = both(g.cosInclin), sinInclin = both(g.sinInclin);
    const Pair zoom = both(g.zoomScale), centerX = both(g.centerX), centerY = both(g.centerY);
    // The box bounds every value by 2^24 and the rounding by `rounding`, so
    // that neither the range nor the bound is asked for each vertex.
    const Pair bound = both(box.rounding), half = both(0.5), one = both(1);
    auto decided = [&](Pair q, IntPair& pixel) {
        const Pair w = q + half;
        pixel = __builtin_convertvector(w, IntPair);
        const Pair frac = magnitude(w - __builtin_convertvector(pixel, Pair));
        return (frac > bound) & (frac < one - bound);
    };
    // Two vertices a round; an odd last vertex is worked out twice. The
    // rounds are kept free of branches, and a rare vertex the bound leaves
    // open sends all of them through pixel() again.
    Lanes open = {0, 0};
    for (int i = 0; i < count; i += 2) {
        const int i2 = i + 1 < count ? i + 1 : i;
        const Pair X = {xs[i], xs[i2]}, y = {ys[i], ys[i2]};
        const Pair x = m_cos * X, z = m_sin * X;
        const Pair inverse = one / (z * cosView - y * sinView + eye);
        const Pair v = z * sinView + y * cosView;
        const Pair px = focal * x * inverse, py = focal * v * inverse;
        IntPair sx, sy;
        open |= ~(decided((px * cosInclin - py * sinInclin) * zoom + centerX, sx) &
                  decided(centerY - (px * sinInclin + py * cosInclin) * zoom, sy));
        out[i2] = {sx[1], sy[1]};
        out[i] = {sx[0], sy[0]};
    }
    if (open[0] | open[1])
        for (int i = 0; i < count; ++i) out[i] = pixel(xs[i], ys[i]);
}

ScreenSpan ScreenTurn::span(f32 x0, f32 x1, f32 y0, f32 y1) const {
    const ViewGeometry& g = *m_view;
    ScreenSpan span;
    span.qxLo = span.qyLo = INFINITY;
    span.qxHi = span.qyHi = -INFINITY;
    // The largest |px|, |py|, dTerms / d and vTerms / d of pixel(): over the
    // rectangle each is greatest at a corner (d being linear and positive,
    // the first two are linear-fractional and the others quasiconvex).
    double pxMost = 0, pyMost = 0, dRatioMost = 0, vRatioMost = 0;
    for (const f32 X : {x0, x1}) {
        for (const f32 Y : {y0, y1}) {
            const double x = m_cos * X, z = m_sin * X, y = Y;
            const double d = z * g.cosView - y * g.sinView + g.eyeDistance;
            if (!(d > 0)) return span;
            const double v = z * g.sinView + y * g.cosView;
            const double px = g.focal * x / d, py = g.focal * v / d;
            const double qx = (px * g.cosInclin - py * g.sinInclin) * g.zoomScale + g.centerX;
            const double qy = g.centerY - (px * g.sinInclin + py * g.cosInclin) * g.zoomScale;
            span.qxLo = std::min(span.qxLo, qx), span.qxHi = std::max(span.qxHi, qx);
            span.qyLo = std::min(span.qyLo, qy), span.qyHi = std::max(span.qyHi, qy);
            pxMost = std::max(pxMost, std::fabs(px)), pyMost = std::max(pyMost, std::fabs(py));
            dRatioMost = std::max(dRatioMost, (std::fabs(z * g.cosView) + std::fabs(y * g.sinView) + std::fabs(g.eyeDistance)) / d);
            vRatioMost = std::max(vRatioMost, (std::fabs(z * g.sinView) + std::fabs(y * g.cosView)) / d);
        }
    }
    // Within these limits the rounding moves no value by a hundredth of a
    // pixel (see screenBoxOf).
    constexpr double Far = 0x1p24;
    if (!(dRatioMost < 1024 && span.qxLo > -Far && span.qxHi < Far && span.qyLo > -Far && span.qyHi < Far)) return span;
    span.spread = std::fabs(g.zoomScale) * ((pxMost + pyMost) * (1 + dRatioMost) + std::fabs(g.focal) * vRatioMost);
    span.bounded = true;
    return span;
}

bool screenBoxOf(const ScreenSpan& a, const ScreenSpan& b, const ViewGeometry& view, ScreenBox& box) {
    if (!a.bounded || !b.bounded) return false;
    const double qxLo = std::min(a.qxLo, b.qxLo), qxHi = std::max(a.qxHi, b.qxHi);
    const double qyLo = std::min(a.qyLo, b.qyLo), qyHi = std::max(a.qyHi, b.qyHi);
    const double qMost = std::max(std::max(std::fabs(qxLo), std::fabs(qxHi)), std::max(std::fabs(qyLo), std::fabs(qyHi)));
    const double centre = std::max(std::fabs(double(view.centerX)), std::fabs(double(view.centerY)));
    // Doubled for the rounding of the bounds themselves.
    box.rounding = screen_detail::roundingBound(2 * std::max(a.spread, b.spread) + centre, qMost + 1);
    // The projection of a rectangle in front of the eye lies in the hull of
    // its projected corners, and the in-plane turn and zoom keep hulls. A
    // vertex's value lies within the rounding bound of a point of the
    // rectangle, twice over (once for the corners), and a pixel is its
    // value plus one half cut toward zero, which never decreases as the
    // value grows.
    constexpr double Slack = 1.0 / 64;
    if (!(box.rounding < Slack / 4)) return false;
    box.x0 = static_cast<int>(qxLo - Slack + 0.5);
    box.x1 = static_cast<int>(qxHi + Slack + 0.5);
    box.y0 = static_cast<int>(qyLo - Slack + 0.5);
    box.y1 = static_cast<int>(qyHi + Slack + 0.5);
    return true;
}

}  // namespace vantor
