// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Light intensity and its colour. On a 256-colour screen an intensity is a
// palette entry of the brightness ramp (so brightness and tint changes only
// reload the palette); on other screens it is a direct RGB colour in the
// tint of the element's own figure.
#include <cstdint>

#include "render/shading/ColourPath.h"
#include "model/options/DisplayOptions.h"
#include "render/geometry/ViewGeometry.h"
#include "platform/numbers/Numbers.h"
#include "platform/pixels/Color.h"

namespace vantor {

// Highest entry of the brightness ramp; 201 holds the background.
constexpr int RampTop = 200;
constexpr int BackgroundEntry = 201;

struct Brights {
    // Largest intensity any point within baseRadius of the origin receives.
    double peakBright = 0;
    // Intensity per ramp entry (palette path only): peakBright maps to entry 200.
    double brightStep = 0;

    // SetBrights: from bright, lightDistRate and baseRadius.
    void SetBrights(const DisplayOptions& o, ColourPath path);
};

// Squared distance from g to the light, summed x, y, z. The fall-off and
// the normal factor of an element both start from it.
inline double lightDistanceSquared(const Vec3& g, const Vec3& light) {
    return lengthSquared(g - light);
}

// Fall-off of the point light at squared distance d2: bright * R^2 / d2, in
// single precision.
inline f32 intensityAtDistance(double d2, double bright, double baseRadius) {
    // Straight from double: the same single rounding as through extended
    // precision, without the x87 round trip.
    return static_cast<f32>(bright * baseRadius * baseRadius / d2);
}

// Fall-off of the point light at g: bright * R^2 / |g - light|^2, in single
// precision.
inline f32 intensityAt(const Vec3& g, const Vec3& light, double bright, double baseRadius) {
    return intensityAtDistance(lightDistanceSquared(g, light), bright, baseRadius);
}

// A face's intensity after its normal factor k (-1..1): I + 75k - 75, never
// below 0.
inline f32 litIntensity(f32 intensity, double k) {
    f32 i = static_cast<f32>(intensity + 75 * k - 75);
    // NaN (a face with no defined factor) counts as dark rather than bright.
    if (!(i >= 0)) i = 0;
    return i;
}

// The mesh lines of a face: 50 darker than the face, but at least 50.
inline f32 meshIntensity(f32 intensity) {
    f32 m = intensity - 50;
    if (m < 50) m = 50;
    return m;
}

// Ramp entry of an intensity: Trunc(I / brightStep), kept within 0..200 so
// that neither the background entry nor an unused entry is ever drawn.
inline std::uint8_t rampEntry(f32 intensity, double brightStep) {
    const double q = intensity / brightStep;
    if (!(q > 0)) return 0;  // also NaN, and a zero or negative step
    if (q >= RampTop) return RampTop;
    return static_cast<std::uint8_t>(static_cast<int>(q));
}

// One channel of a palette or colour value: clamped to 0..255 (NaN gives 0),
// rounded halves to even.
inline std::uint8_t channelByte(f32 v) {
    if (!(v > 0)) return 0;
    if (v > 255) v = 255;
    // Adding 2^23 leaves no fraction bits, so the single-precision sum is v
    // rounded to the nearest integer, halves to even.
    const f32 shifted = v + 8388608.0f;
    return static_cast<std::uint8_t>(static_cast<int>(shifted - 8388608.0f));
}

// FullColor: the true colour of I in a tint, each channel I * factor in
// single precision, clamped to 0..255 and rounded halves to even.
inline TColor fullColor(f32 intensity, const Tint& tint) {
    return rgb(channelByte(static_cast<f32>(intensity * tint.r)), channelByte(static_cast<f32>(intensity * tint.g)),
               channelByte(static_cast<f32>(intensity * tint.b)));
}

}  // namespace vantor
