// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/geometry/ViewGeometry.h"
#include "render/geometry/PictureScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantor {

TurnAngle TurnAngle::fromRadians(f32 a) {
    TurnAngle t;
    t.radians = a;
    t.cosA = ExtendedFactor(std::cos(static_cast<f80>(a)));
    t.sinA = ExtendedFactor(std::sin(static_cast<f80>(a)));
    return t;
}

void ViewGeometry::CalcLightCoordinates(const DisplayOptions& o) {
    const double alpha = toF64(degToRad(o.lightDirH));
    const double beta = toF64(degToRad(o.lightDirV));
    const double d = o.lightDist;
    // cos(beta) * D is formed once and shared by x and z.
    const double horizontal = toF64(std::cos(static_cast<f80>(beta)) * d);
    light.x = toF64(horizontal * std::cos(static_cast<f80>(alpha)));
    light.y = toF64(d * std::sin(static_cast<f80>(beta)));
    light.z = toF64(horizontal * std::sin(static_cast<f80>(alpha)));
}

void ViewGeometry::PrepareViewPoint(const DisplayOptions& o) {
    const double r = o.baseRadius;
    // R * viewDist stays in extended precision until the sum, like every
    // other product of this file.
    eyeDistance = toF64(static_cast<f80>(r) + static_cast<f80>(r) * o.viewDist);
    viewAngle = toF64(degToRad(o.viewHeight));
    sinView = toF64(std::sin(static_cast<f80>(viewAngle)));
    cosView = toF64(std::cos(static_cast<f80>(viewAngle)));
    focal = r;
    eye = Vec3{0, eyeDistance * sinView, -eyeDistance * cosView};
}

void ViewGeometry::prepareInclination(const DisplayOptions& o) {
    inclination = toF64(degToRad(o.inclin));
    sinInclin = toF64(std::sin(static_cast<f80>(inclination)));
    cosInclin = toF64(std::cos(static_cast<f80>(inclination)));
}

std::int32_t screenPixel(double v) {
    // Within int32 the sum v + 1/2 (exact in extended precision) cut toward
    // zero follows from v's integer part and fraction, both exact in double.
    if (v > -2147483647.0 && v < 2147483647.0) {
        const auto i = static_cast<std::int64_t>(v);
        const double f = v - static_cast<double>(i);
        if (v >= 0) return static_cast<std::int32_t>(f >= 0.5 ? i + 1 : i);
        return static_cast<std::int32_t>(i <= -1 && f > -0.5 ? i + 1 : i);
    }
    return screenCoord(v);
}

Corner ViewGeometry::projectPoint(f32 X, f32 Y, const TurnAngle& a) const {
    Corner c;
    const Vec3 world = turned(X, Y, a);
    c.x = world.x;
    c.y = world.y;
    c.z = world.z;
    const double d = c.z * cosView - c.y * sinView + eyeDistance;
    const double v = c.z * sinView + c.y * cosView;
    const double px = focal * c.x / d;
    const double py = focal * v / d;
    // NaN and overflow from a point at the eye are clamped, never undefined.
    c.sx = screenPixel((px * cosInclin - py * sinInclin) * zoomScale + centerX);
    c.sy = screenPixel(centerY - (px * sinInclin + py * cosInclin) * zoomScale);
    return c;
}

f32 ViewGeometry::LfromV(const TurnAngle& a, f32 y0, f32 x0) const {
    const double x = a.cosA.times(x0);
    const double y = y0;
    const double z = a.sinA.times(x0);
    const double d = z * cosView - y * sinView + eyeDistance;
    const double v = z * sinView + y * cosView;
    return toF32(std::sqrt(x * x + v * v + d * d));
}

void ViewGeometry::setZoomScale(const DisplayOptions& o, int width, int height) {
    setZoomScale(o);
    const PictureScale picture{width, height};
    if (picture.isStandard()) return;
    const double scale = picture.factor();
    zoomScale *= scale;
    auto origin = [&](std::int32_t c, int reference, int size) {
        const double v = std::round((double(c) - reference / 2) * scale) + size / 2;
        return static_cast<std::int32_t>(std::clamp(v, double(std::numeric_limits<std::int32_t>::min()),
                                                           double(std::numeric_limits<std::int32_t>::max())));
    };
    centerX = origin(o.centerX, ReferenceWidth, width);
    centerY = origin(o.centerY, ReferenceHeight, height);
}

}  // namespace vantor
