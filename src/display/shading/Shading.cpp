#include "display/shading/Shading.h"

#include <cmath>

namespace vantor {

void Brights::SetBrights(const DisplayOptions& o, bool palettePath) {
    const double r = o.baseRadius;
    // Distance from the light to the nearest point of the sphere of radius R.
    const f32 t = toF32((o.lightDistRate - 1) * r);
    peakBright = o.bright * r * r / t / t;
    if (palettePath) brightStep = 0.005 * peakBright;
}

f32 intensityAt(const Vec3& g, const Vec3& light, double bright, double baseRadius) {
    const double dx = g.x - light.x;
    const double dy = g.y - light.y;
    const double dz = g.z - light.z;
    return toF32(bright * baseRadius * baseRadius / (dx * dx + dy * dy + dz * dz));
}

f32 litIntensity(f32 intensity, double k) {
    f32 i = toF32(intensity + 75 * k - 75);
    // NaN (a face with no defined factor) counts as dark rather than bright.
    if (!(i >= 0)) i = 0;
    return i;
}

f32 meshIntensity(f32 intensity) {
    f32 m = intensity - 50;
    if (m < 50) m = 50;
    return m;
}

std::uint8_t rampEntry(f32 intensity, double brightStep) {
    const double q = intensity / brightStep;
    if (!(q > 0)) return 0;  // also NaN, and a zero or negative step
    if (q >= RampTop) return RampTop;
    return static_cast<std::uint8_t>(static_cast<int>(q));
}

std::uint8_t channelByte(f32 v) {
    if (!(v > 0)) return 0;
    if (v > 255) v = 255;
    // Adding 2^23 leaves no fraction bits, so the single-precision sum is v
    // rounded to the nearest integer, halves to even.
    const f32 shifted = v + 8388608.0f;
    return static_cast<std::uint8_t>(static_cast<int>(shifted - 8388608.0f));
}

TColor fullColor(f32 intensity, double tintR, double tintG, double tintB) {
    return rgb(channelByte(toF32(intensity * tintR)), channelByte(toF32(intensity * tintG)),
               channelByte(toF32(intensity * tintB)));
}

}  // namespace vantor
