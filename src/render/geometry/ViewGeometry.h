// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The view and light values derived from the display options before each
// drawing pass, the transform of a profile vertex turned about the axis into
// the display bitmap, and the eye distance on which the depth order rests.
//
// World space: the axis of revolution is the y axis; a profile vertex (X, Y)
// turned to angle a lies at (X cos a, Y, X sin a). 90 degrees is the far side,
// 270 the near side. The eye looks at the origin from the near side.
#include <cstdint>

#include "model/options/DisplayOptions.h"
#include "platform/numbers/ExtendedFactor.h"
#include "platform/numbers/Numbers.h"
#include "platform/numbers/Vec3.h"

namespace vantor {

// One corner of a drawn element: world position and screen pixel.
struct Corner {
    double x = 0;
    double y = 0;
    double z = 0;
    std::int32_t sx = 0;
    std::int32_t sy = 0;
    Vec3 position() const { return {x, y, z}; }
};

// An angle handed to the transform: its single-precision radians and their
// cosine and sine in extended precision. Callers that transform many
// vertices at one angle compute it once.
struct TurnAngle {
    f32 radians = 0;
    ExtendedFactor cosA{1.0L};
    ExtendedFactor sinA{0.0L};
    static TurnAngle fromRadians(f32 a);
    // Whole or real degrees, converted as degrees * pi * (1/180).
    static TurnAngle fromDegrees(double degrees) { return fromRadians(toF32(degToRad(degrees))); }
};

// A screen coordinate: v + 1/2 cut toward zero, as screenCoord computes it,
// without extended-precision arithmetic for the values a picture produces.
std::int32_t screenPixel(double v);

class ViewGeometry {
public:
    // The display window's picture, for which the options are made.
    static constexpr int ReferenceWidth = 600;
    static constexpr int ReferenceHeight = 400;

    // Zoom scale Zs = zoom * 1.5 and the screen origin (centerX, centerY);
    // taken at the start of every pass.
    void setZoomScale(const DisplayOptions& o) {
        zoomScale = o.zoom * 1.5;
        centerX = o.centerX;
        centerY = o.centerY;
    }
    // The same for a picture of another size than the window's 600 x 400:
    // the solid fills it as it fills the window. The scale is the smaller of
    // the two size ratios, and the origin keeps its offset from the centre,
    // scaled; a 600 x 400 picture takes the options unchanged.
    void setZoomScale(const DisplayOptions& o, int width, int height);
    // L from lightDirH, lightDirV and lightDist.
    void CalcLightCoordinates(const DisplayOptions& o);
    // Eye distance, view angle, focal length and eye position.
    void PrepareViewPoint(const DisplayOptions& o);
    // Inclination of the projected picture.
    void prepareInclination(const DisplayOptions& o);

    // Vertex (X, Y) of the profile plane turned to `a`, in world space and on
    // the screen. A point at or behind the eye has no defined projection; its
    // screen position is then whatever the clamped arithmetic gives, never
    // undefined behaviour.
    Corner projectPoint(f32 X, f32 Y, const TurnAngle& a) const;
    // The world position of projectPoint(X, Y, a), without the screen.
    static Vec3 turned(f32 X, f32 Y, const TurnAngle& a) { return {a.cosA.times(X), Y, a.sinA.times(X)}; }
    Corner projectPoint(f32 X, f32 Y, f32 a) const { return projectPoint(X, Y, TurnAngle::fromRadians(a)); }

    // Distance from the eye to the profile point (x0, y0) turned to `a`.
    f32 LfromV(f32 a, f32 y0, f32 x0) const { return LfromV(TurnAngle::fromRadians(a), y0, x0); }
    f32 LfromV(const TurnAngle& a, f32 y0, f32 x0) const;

    double zoomScale = 2.25;
    Vec3 light;            // L
    double eyeDistance = 0;  // Dv
    double viewAngle = 0;    // theta, radians
    double sinView = 0;
    double cosView = 1;
    double focal = 0;  // F
    Vec3 eye;          // E
    double inclination = 0;  // phi, radians
    double sinInclin = 0;
    double cosInclin = 1;
    std::int32_t centerX = 300;
    std::int32_t centerY = 200;
};

}  // namespace vantor
