// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// drawExecute: one element of the still display drawn by its method, with
// any painter that offers polygon (filled and outlined in one colour),
// outline (closed) and line (without its end point) on screen points.
//
// drawExecuteUnder: the same element for a pass that runs from the last
// element back to the first, over pixels that later elements already own.
// It draws the element's own strokes in reverse order and lets each claim
// only the pixels no later stroke drew; an element that claims nothing is
// not shaded at all. Every pixel then ends with the colour of the last
// stroke that covers it, as in the painter's order.
#include <cstddef>

#include "model/figures/FigureStore.h"
#include "render/shading/Shading.h"
#include "render/still/ElementShading.h"
#include "platform/pixels/Color.h"

namespace vantor {

// What the colour of an element depends on besides its corners.
struct ShadeContext {
    Vec3 light;
    Vec3 eye;
    double bright = 1000;
    double baseRadius = 0;
    bool palettePath = false;
    double brightStep = 0;

    // The colour of an intensity: a ramp entry on the palette path, else the
    // true colour in the figure's own tint.
    TColor colourOf(f32 intensity, const FigureRecord& figure) const {
        if (palettePath) return paletteIndex(rampEntry(intensity, brightStep));
        return fullColor(intensity, figure.tint());
    }
    f32 intensity(const Vec3& g) const { return intensityAt(g, light, bright, baseRadius); }
    // The intensity of a surface element after its normal factor.
    f32 litIntensityOf(const ElementCorners& c) const {
        const Vec3 g = centreOf(c);
        const double d2 = lightDistanceSquared(g, light);
        return litIntensity(intensityAtDistance(d2, bright, baseRadius), calcNormalRate(c, g, eye, light, d2));
    }
};

template <class Painter>
void drawExecute(const ElementCorners& c, const FigureRecord& figure, const ShadeContext& ctx, Painter& painter) {
    const IntPoint s1{c.p1.sx, c.p1.sy}, s2{c.p2.sx, c.p2.sy}, s3{c.p3.sx, c.p3.sy}, s4{c.p4.sx, c.p4.sy};
    if (figure.drawMethod() == DrawMethod::Wire) {
        // The profile edge at the first angle and the two chords; the edge at
        // the second angle belongs to the neighbouring step.
        painter.line(s1, s2, ctx.colourOf(ctx.intensity(midpoint(c.p1, c.p2)), figure));
        painter.line(s1, s3, ctx.colourOf(ctx.intensity(midpoint(c.p1, c.p3)), figure));
        painter.line(s2, s4, ctx.colourOf(ctx.intensity(midpoint(c.p2, c.p4)), figure));
        return;
    }
    const f32 lit = ctx.litIntensityOf(c);
    const IntPoint quad[4] = {s1, s2, s4, s3};
    painter.polygon(quad, ctx.colourOf(lit, figure));
    if (figure.drawMethod() == DrawMethod::Mesh) painter.outline(quad, ctx.colourOf(meshIntensity(lit), figure));
}

// The claimer offers claimPolygon, claimOutline and claimLine (the pixels
// of the same strokes that no later stroke owns, taken over and counted),
// claimed() (the count since begin()), begin(), paint(from, to, colour) and
// boxOwned (whether the bounding box of some points, which holds every
// pixel of a shape on them, is owned already).
//
// This form takes the corners' screen points s[0..3] (P1..P4) and a
// callable that gives the element's ElementCorners; it is called only when
// the element owns a pixel, so that a pass can leave the world positions of
// hidden elements unworked. Returns whether the element was shaded.
template <class Claimer, class CornersOf>
bool drawExecuteUnder(const IntPoint (&s)[4], const CornersOf& cornersOf, const FigureRecord& figure,
                      const ShadeContext& ctx, Claimer& claimer) {
    if (figure.drawMethod() == DrawMethod::Wire) {
        bool shaded = false;
        ElementCorners c;
        auto stroke = [&](int a, int b) {
            if (claimer.boxOwned(s[a], s[b])) return;
            claimer.begin();
            claimer.claimLine(s[a], s[b]);
            if (claimer.claimed() == 0) return;
            if (!shaded) c = cornersOf();
            shaded = true;
            const Corner* p[4] = {&c.p1, &c.p2, &c.p3, &c.p4};
            claimer.paint(0, claimer.claimed(), ctx.colourOf(ctx.intensity(midpoint(*p[a], *p[b])), figure));
        };
        stroke(1, 3);
        stroke(0, 2);
        stroke(0, 1);
        return shaded;
    }
    const IntPoint quad[4] = {s[0], s[1], s[3], s[2]};
    if (claimer.boxOwned(quad)) return false;
    claimer.begin();
    const bool mesh = figure.drawMethod() == DrawMethod::Mesh;
    if (mesh) claimer.claimOutline(quad);
    const std::size_t outline = claimer.claimed();
    claimer.claimPolygon(quad);
    const std::size_t all = claimer.claimed();
    if (all == 0) return false;
    const f32 lit = ctx.litIntensityOf(cornersOf());
    if (outline > 0) claimer.paint(0, outline, ctx.colourOf(meshIntensity(lit), figure));
    if (all > outline) claimer.paint(outline, all, ctx.colourOf(lit, figure));
    return true;
}

template <class Claimer>
bool drawExecuteUnder(const ElementCorners& c, const FigureRecord& figure, const ShadeContext& ctx, Claimer& claimer) {
    const IntPoint s[4] = {{c.p1.sx, c.p1.sy}, {c.p2.sx, c.p2.sy}, {c.p3.sx, c.p3.sy}, {c.p4.sx, c.p4.sy}};
    return drawExecuteUnder(s, [&] { return c; }, figure, ctx, claimer);
}

}  // namespace vantor
