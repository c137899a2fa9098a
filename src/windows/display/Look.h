// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Looking by hand: how a left-button drag, the wheel and the arrow keys
// change the view height, the light's horizontal direction and the zoom of
// the display window.
#include <algorithm>
#include <cmath>

namespace vantor::look {

// Half a degree a pixel: a drag across the picture's width turns the light
// most of the way round, one down its height tilts the view from the side
// to straight above.
constexpr double DegreesPerPixel = 0.5;
// The arrow keys' step.
constexpr double KeyStep = 5;
// A wheel notch (120 units of the wheel's delta) zooms by this factor.
constexpr double WheelFactor = 1.1;
constexpr double MinZoom = 0.1;

// A drag downward raises the eye, as if the top of the solid were pulled
// toward the viewer; the height stays within -90 ... 90.
inline double viewHeightAfter(double start, double degrees) { return std::clamp(start + degrees, -90.0, 90.0); }

// A drag to the right turns the solid to the right under a lamp that stays
// where it is: the light then comes from further left. The direction wraps
// into 0 <= h < 360.
inline double lightDirAfter(double start, double degrees) {
    double h = std::fmod(start - degrees, 360.0);
    if (h < 0) h += 360;
    return h >= 360 ? 0 : h;
}

// Wheel away from the user (positive delta) enlarges; never below 0.1.
inline double zoomAfter(double zoom, int wheelDelta) {
    return std::max(MinZoom, zoom * std::pow(WheelFactor, wheelDelta / 120.0));
}

}  // namespace vantor::look
