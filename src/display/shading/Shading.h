#pragma once
// Light intensity and its colour. On a 256-colour screen an intensity is a
// palette entry of the brightness ramp (so brightness and tint changes only
// reload the palette); on other screens it is a direct RGB colour in the
// tint of the element's own figure.
#include <cstdint>

#include "display/DisplayOptions.h"
#include "display/geometry/ViewGeometry.h"
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
    void SetBrights(const DisplayOptions& o, bool palettePath);
};

// Fall-off of the point light at g: bright * R^2 / |g - light|^2, in single
// precision.
f32 intensityAt(const Vec3& g, const Vec3& light, double bright, double baseRadius);

// A face's intensity after its normal factor k (-1..1): I + 75k - 75, never
// below 0.
f32 litIntensity(f32 intensity, double k);
// The mesh lines of a face: 50 darker than the face, but at least 50.
f32 meshIntensity(f32 intensity);

// Ramp entry of an intensity: Trunc(I / brightStep), kept within 0..200 so
// that neither the background entry nor an unused entry is ever drawn.
std::uint8_t rampEntry(f32 intensity, double brightStep);

// FullColor: the true colour of I in a tint, each channel I * factor in
// single precision, clamped to 0..255 and rounded halves to even.
TColor fullColor(f32 intensity, double tintR, double tintG, double tintB);

// One channel of a palette or colour value: clamped to 0..255 (NaN gives 0),
// rounded halves to even.
std::uint8_t channelByte(f32 v);

}  // namespace vantor
