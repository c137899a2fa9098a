// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where profile vertices land on the screen, for passes that turn many
// vertices to one angle and need only their pixels.
//
// ScreenTurn::pixel gives the sx, sy of projectPoint in plain double
// arithmetic: no extended precision and one division. It differs from
// projectPoint's arithmetic only by rounding, which it bounds; where the bound
// leaves the pixel open (a value within about 10^-10 of a pixel boundary,
// or a point close to the eye), projectPoint itself decides. The pixels are
// therefore always projectPoint's.
//
// ScreenTurn::span and screenBoxOf bound the pixels of every vertex in a
// rectangle of the profile plane at two angles, without transforming any
// vertex, and how far rounding can move the values behind them, so that
// the vertices of the rectangle are transformed with one bound for all.
#include <cmath>
#include <cstdint>

#include "platform/numbers/Numbers.h"
#include "platform/pixels/Color.h"
#include "render/geometry/ViewGeometry.h"

namespace vantor {

// Where the vertices of a rectangle of the profile plane land at one angle:
// the range of the values behind their pixels (the values pixel() rounds)
// and a bound of pixel()'s spread. Unbounded when part of the rectangle
// lies at or near the eye, or far outside any picture.
struct ScreenSpan {
    double qxLo = 0;
    double qxHi = 0;
    double qyLo = 0;
    double qyHi = 0;
    double spread = 0;
    bool bounded = false;
};

// What screenBoxOf finds: columns x0..x1 of rows y0..y1 (bounds included)
// hold the pixels, and no value behind them is off projectPoint's by as much
// as `rounding`.
struct ScreenBox {
    int x0 = 0;
    int y0 = 0;
    int x1 = -1;
    int y1 = -1;
    double rounding = 0;
};

class ScreenTurn {
public:
    // The view must outlive the turn and stay as it is while the turn is used.
    ScreenTurn(const ViewGeometry& view, const TurnAngle& turn)
        : m_view(&view), m_turn(turn), m_cos(turn.cosA.toDouble()), m_sin(turn.sinA.toDouble()) {}

    // projectPoint(X, Y, turn).sx and .sy.
    IntPoint pixel(f32 X, f32 Y) const;
    // The span of the vertices (X, Y) with X in [x0, x1], Y in [y0, y1].
    ScreenSpan span(f32 x0, f32 x1, f32 y0, f32 y1) const;
    // pixel(xs[i], ys[i]) into out[i] for i < count, for vertices within a
    // rectangle whose span at this turn went into the box.
    void pixels(const ScreenBox& box, const f32* xs, const f32* ys, int count, IntPoint* out) const;
    // projectPoint(X, Y, turn)'s world position, for the few vertices that
    // are shaded.
    Vec3 position(f32 X, f32 Y) const { return ViewGeometry::turned(X, Y, m_turn); }

private:
    const ViewGeometry* m_view;
    TurnAngle m_turn;
    double m_cos;
    double m_sin;
};

// A box holding projectPoint's pixel of every vertex of a rectangle at either
// of two angles, from the rectangle's spans at those angles (turns of one
// view). False when either span is unbounded.
bool screenBoxOf(const ScreenSpan& a, const ScreenSpan& b, const ViewGeometry& view, ScreenBox& box);

namespace screen_detail {

// How far projectPoint's value q and the value of pixel()'s arithmetic can
// lie apart, from the magnitudes they are made of: `scale` sums them
// (spread in pixel(), plus the centre). The bound is a few times the
// rounding error a chain of a dozen double operations, each with inputs
// within a few units in the last place, can make on such a value.
inline double roundingBound(double scale, double q) { return 0x1p-47 * (scale + std::fabs(q) + 1); }

// trunc(q' + 1/2), which screenPixel gives, when it is the same for every q'
// within `bound` of q; false when the bound leaves it open.
inline bool decidedPixel(double q, double bound, std::int32_t& out) {
    const double w = q + 0.5;
    if (!(std::fabs(w) < 0x1p30)) return false;
    const auto t = static_cast<std::int32_t>(w);
    const double frac = std::fabs(w - t);  // exact: |w| < 2^30
    if (!(frac > bound && frac < 1 - bound)) return false;
    out = t;
    return true;
}

}  // namespace screen_detail

inline IntPoint ScreenTurn::pixel(f32 X, f32 Y) const {
    const ViewGeometry& g = *m_view;
    // projectPoint's steps, with the turn's cosine and sine rounded to double
    // and the division by d made once.
    const double x = m_cos * X, z = m_sin * X, y = Y;
    const double d = z * g.cosView - y * g.sinView + g.eyeDistance;
    // The sum of the magnitudes that make up d: d's rounding error is
    // relative to it, so it also bounds how much d is off relatively.
    const double dTerms = std::fabs(z * g.cosView) + std::fabs(y * g.sinView) + std::fabs(g.eyeDistance);
    if (d > dTerms * 0x1p-20) {  // false for NaN
        const double inverse = 1 / d;
        const double v = z * g.sinView + y * g.cosView;
        const double px = g.focal * x * inverse, py = g.focal * v * inverse;
        const double qx = (px * g.cosInclin - py * g.sinInclin) * g.zoomScale + g.centerX;
        const double qy = g.centerY - (px * g.sinInclin + py * g.cosInclin) * g.zoomScale;
        // What a relative error of a few units in px, py, d and v can move
        // qx and qy by, in units of the last place.
        const double vTerms = std::fabs(z * g.sinView) + std::fabs(y * g.cosView);
        const double spread = std::fabs(g.zoomScale) * ((std::fabs(px) + std::fabs(py)) * (1 + dTerms * inverse) +
                                                        std::fabs(g.focal) * vTerms * inverse);
        using screen_detail::decidedPixel, screen_detail::roundingBound;
        IntPoint p;
        if (decidedPixel(qx, roundingBound(spread + std::fabs(static_cast<double>(g.centerX)), qx), p.x) &&
            decidedPixel(qy, roundingBound(spread + std::fabs(static_cast<double>(g.centerY)), qy), p.y))
            return p;
    }
    const Corner c = g.projectPoint(X, Y, m_turn);
    return {c.sx, c.sy};
}

}  // namespace vantor
