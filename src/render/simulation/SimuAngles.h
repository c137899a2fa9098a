// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The angles of the rotation simulation. The light snap angle Ls is the
// light's horizontal direction cut down to a multiple of the simulation step;
// the angle index of an element angle is the palette entry that shows it,
// entry 90 (the ramp's brightest) lying at Ls and the darkest opposite.
#include <cstdint>

#include "platform/numbers/Numbers.h"

namespace vantor {

// lightDirH rounded to whole degrees (halves to even), divided by the step
// with truncation and multiplied back. A step below 1, which no menu or
// option file gives, snaps nothing.
inline std::int32_t lightSnapAngle(double lightDirH, std::int32_t step) {
    const std::int32_t whole = roundI32(lightDirH);
    if (step < 1) return whole;
    return whole / step * step;
}

// ((a + 360 - Ls) halved toward zero, + 90) modulo 180. For lightDirH in
// 0..359 this lies in 0..179 already; other directions are wrapped into it
// so that the entry always exists.
inline int angleIndex(std::int64_t a, std::int32_t ls) {
    const std::int64_t v = ((a + 360 - ls) / 2 + 90) % 180;
    return static_cast<int>(v < 0 ? v + 180 : v);
}

}  // namespace vantor
