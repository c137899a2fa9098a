#include "render/geometry/ScreenPoints.h"

#include <algorithm>
#include <cmath>

namespace vantor {

namespace {

// Two doubles side by side: the arithmetic of pixel() for two vertices at
// once, each lane rounded exactly as the scalar operation rounds.
using Pair = double __attribute__((vector_size(16)));

Pair magnitude(Pair v) { return v < 0 ? -v : v; }

}  // namespace

void ScreenTurn::pixels(const f32* xs, const f32* ys, int count, IntPoint* out) const {
    const ViewGeometry& g = *m_view;
    const Pair cosView = {g.cosView, g.cosView}, sinView = {g.sinView, g.sinView};
    const Pair eye = {g.eyeDistance, g.eyeDistance}, focal = {g.focal, g.focal};
    const Pair cosInclin = {g.cosInclin, g.cosInclin}, sinInclin = {g.sinInclin, g.sinInclin};
    const Pair zoom = {g.zoomScale, g.zoomScale};
    const Pair centerX = {double(g.centerX), double(g.centerX)}, centerY = {double(g.centerY), double(g.centerY)};
    const double scaleX = std::fabs(double(g.centerX)), scaleY = std::fabs(double(g.centerY));
    int i = 0;
    for (; i + 2 <= count; i += 2) {
        const Pair X = {xs[i], xs[i + 1]}, y = {ys[i], ys[i + 1]};
        const Pair x = m_cos * X, z = m_sin * X;
        const Pair d = z * cosView - y * sinView + eye;
        const Pair dTerms = magnitude(z * cosView) + magnitude(y * sinView) + magnitude(eye);
        const Pair inverse = 1 / d;
        const Pair v = z * sinView + y * cosView;
        const Pair px = focal * x * inverse, py = focal * v * inverse;
        const Pair qx = (px * cosInclin - py * sinInclin) * zoom + centerX;
        const Pair qy = centerY - (px * sinInclin + py * cosInclin) * zoom;
        const Pair vTerms = magnitude(z * sinView) + magnitude(y * cosView);
        const Pair spread = magnitude(zoom) * ((magnitude(px) + magnitude(py)) * (1 + dTerms * inverse) +
                                               magnitude(focal) * vTerms * inverse);
        for (int lane = 0; lane < 2; ++lane) {
            IntPoint& p = out[i + lane];
            if (!(d[lane] > dTerms[lane] * 0x1p-20) ||
                !screen_detail::decidedPixel(qx[lane], spread[lane] + scaleX, p.x) ||
                !screen_detail::decidedPixel(qy[lane], spread[lane] + scaleY, p.y)) {
                const Corner c = g.calcCoordi(xs[i + lane], ys[i + lane], m_turn);
                p = {c.sx, c.sy};
            }
        }
    }
    for (; i < count; ++i) out[i] = pixel(xs[i], ys[i]);
}

bool screenBoxOf(const ScreenTurn& a, const ScreenTurn& b, f32 x0, f32 x1, f32 y0, f32 y1, PixelBox& box) {
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
    double dLeast = INFINITY, dTermsMost = 0;
    for (const double z : {zLo, zHi}) {
        for (const double y : {yLo, yHi}) {
            const double d = z * g.cosView - y * g.sinView + g.eyeDistance;
            if (!(d > 0)) return false;
            dLeast = std::min(dLeast, d);
            dTermsMost = std::max(dTermsMost, std::fabs(z * g.cosView) + std::fabs(y * g.sinView) + std::fabs(g.eyeDistance));
            const double v = z * g.sinView + y * g.cosView;
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
    return true;
}

}  // namespace vantor
