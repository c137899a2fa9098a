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
    int i = 0;
    for (; i + 2 <= count; i += 2) {
        const Pair X = {xs[i], xs[i + 1]}, y = {ys[i], ys[i + 1]};
        const Pair x = m_cos * X, z = m_sin * X;
        const Pair inverse = one / (z * cosView - y * sinView + eye);
        const Pair v = z * sinView + y * cosView;
        const Pair px = focal * x * inverse, py = focal * v * inverse;
        IntPair sx, sy;
        const Lanes sure = decided((px * cosInclin - py * sinInclin) * zoom + centerX, sx) &
                           decided(centerY - (px * sinInclin + py * cosInclin) * zoom, sy);
        for (int lane = 0; lane < 2; ++lane) {
            if (sure[lane]) {
                out[i + lane] = {sx[lane], sy[lane]};
            } else {
                const Corner c = g.calcCoordi(xs[i + lane], ys[i + lane], m_turn);
                out[i + lane] = {c.sx, c.sy};
            }
        }
    }
    for (; i < count; ++i) out[i] = pixel(xs[i], ys[i]);
}

bool screenBoxOf(const ScreenTurn& a, const ScreenTurn& b, f32 x0, f32 x1, f32 y0, f32 y1, ScreenBox& box) {
    const ViewGeometry& g = a.view();
    // The world box of the turned vertices: x = cos * X and z = sin * X are
    // linear in X, so their extremes lie at x0 or x1 at either angle.
    const double xs[4] = {a.cosine() * x0, a.cosine() * x1, b.cosine() * x0, b.cosine() * x1};
    const double zs[4] = {a.sine() * x0, a.sine() * x1, b.sine() * x0, b.sine() * x1};
    double xLo = *std::min_element(xs, xs + 4), xHi = *std::max_element(xs, xs + 4);
    double zLo = *std::min_element(zs, zs + 4), zHi = *std::max_element(zs, zs + 4);
    double yLo = y0, yHi = y1;
    // Widened by far more than calcCoordi's rounding of x and z can stray.
    const double grow = 0x1p-40 * (std::fabs(xLo) + std::fabs(xHi) + std::fabs(zLo) + std::fabs(zHi) + std::fabs(yLo) +
                                   std::fabs(yHi));
    xLo -= grow, xHi += grow, zLo -= grow, zHi += grow, yLo -= grow, yHi += grow;

    // Seen from the eye, the box projects into the hull of its projected
    // corners when it lies wholly in front of the eye (d > 0 at every
    // corner; d is linear). The in-plane turn and zoom keep hulls.
    double qxLo = INFINITY, qxHi = -INFINITY, qyLo = INFINITY, qyHi = -INFINITY;
    // The largest magnitudes pixel()'s rounding bound is made of: d's and
    // v's terms (greatest at a corner, being convex), |v|, and the least d.
    double dLeast = INFINITY, dTermsMost = 0, vTermsMost = 0, vMost = 0;
    for (const double z : {zLo, zHi}) {
        for (const double y : {yLo, yHi}) {
            const double d = z * g.cosView - y * g.sinView + g.eyeDistance;
            if (!(d > 0)) return false;
            dLeast = std::min(dLeast, d);
            dTermsMost = std::max(dTermsMost, std::fabs(z * g.cosView) + std::fabs(y * g.sinView) + std::fabs(g.eyeDistance));
            vTermsMost = std::max(vTermsMost, std::fabs(z * g.sinView) + std::fabs(y * g.cosView));
            const double v = z * g.sinView + y * g.cosView;
            vMost = std::max(vMost, std::fabs(v));
            const double py = g.focal * v / d;
            for (const double x : {xLo, xHi}) {
                const double px = g.focal * x / d;
                const double qx = (px * g.cosInclin - py * g.sinInclin) * g.zoomScale + g.centerX;
                const double qy = g.centerY - (px * g.sinInclin + py * g.cosInclin) * g.zoomScale;
                qxLo = std::min(qxLo, qx), qxHi = std::max(qxHi, qx);
                qyLo = std::min(qyLo, qy), qyHi = std::max(qyHi, qy);
            }
        }
    }
    // Within these limits the rounding of the corners' projections and of
    // calcCoordi's own arithmetic moves no value by a hundredth of a pixel.
    // A pixel is its value plus one half cut toward zero, which never
    // decreases as the value grows.
    if (!(dTermsMost < 1024 * dLeast)) return false;
    constexpr double Far = 0x1p24, Slack = 1.0 / 64;
    if (!(qxLo > -Far && qxHi < Far && qyLo > -Far && qyHi < Far)) return false;
    box.x0 = static_cast<int>(qxLo - Slack + 0.5);
    box.x1 = static_cast<int>(qxHi + Slack + 0.5);
    box.y0 = static_cast<int>(qyLo - Slack + 0.5);
    box.y1 = static_cast<int>(qyHi + Slack + 0.5);
    // pixel()'s spread with each magnitude at its largest within the box
    // (|px| <= F |x| / d, |py| <= F |v| / d), doubled for the rounding of
    // these bounds themselves.
    const double focal = std::fabs(g.focal);
    const double xMost = std::max(std::fabs(xLo), std::fabs(xHi));
    const double spread = std::fabs(g.zoomScale) * (focal * (xMost + vMost) / dLeast * (1 + dTermsMost / dLeast) +
                                                    focal * vTermsMost / dLeast);
    const double qMost = std::max(std::max(std::fabs(qxLo), std::fabs(qxHi)), std::max(std::fabs(qyLo), std::fabs(qyHi)));
    const double centre = std::max(std::fabs(double(g.centerX)), std::fabs(double(g.centerY)));
    box.rounding = screen_detail::roundingBound(2 * spread + centre, qMost + 1);
    return true;
}

}  // namespace vantor
