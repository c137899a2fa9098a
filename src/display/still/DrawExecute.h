#pragma once
// drawExecute: one element of the still display drawn by its method, with
// any painter that offers polygon (filled and outlined in one colour),
// outline (closed) and line (without its end point) on screen points.
#include "control/FigureStore.h"
#include "display/shading/Shading.h"
#include "display/still/ElementShading.h"
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
        return fullColor(intensity, figure.tintR, figure.tintG, figure.tintB);
    }
    f32 intensity(const Vec3& g) const { return intensityAt(g, light, bright, baseRadius); }
};

enum DrawMethod { MethodWire = 1, MethodSurface = 2, MethodMesh = 3 };

template <class Painter>
void drawExecute(const ElementCorners& c, const FigureRecord& figure, const ShadeContext& ctx, Painter& painter) {
    const IntPoint s1{c.p1.sx, c.p1.sy}, s2{c.p2.sx, c.p2.sy}, s3{c.p3.sx, c.p3.sy}, s4{c.p4.sx, c.p4.sy};
    if (figure.method == MethodWire) {
        // The profile edge at the first angle and the two chords; the edge at
        // the second angle belongs to the neighbouring step.
        painter.line(s1, s2, ctx.colourOf(ctx.intensity(midpoint(c.p1, c.p2)), figure));
        painter.line(s1, s3, ctx.colourOf(ctx.intensity(midpoint(c.p1, c.p3)), figure));
        painter.line(s2, s4, ctx.colourOf(ctx.intensity(midpoint(c.p2, c.p4)), figure));
        return;
    }
    const Vec3 g = centreOf(c);
    const f32 lit = litIntensity(ctx.intensity(g), calcNormalRate(c, g, ctx.eye, ctx.light));
    const IntPoint quad[4] = {s1, s2, s4, s3};
    painter.polygon(quad, ctx.colourOf(lit, figure));
    if (figure.method == MethodMesh) painter.outline(quad, ctx.colourOf(meshIntensity(lit), figure));
}

}  // namespace vantor
