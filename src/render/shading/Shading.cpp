// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/shading/Shading.h"

namespace vantor {

void Brights::SetBrights(const DisplayOptions& o, ColourPath path) {
    const double r = o.baseRadius;
    // Distance from the light to the nearest point of the sphere of radius R.
    const f32 t = toF32((o.lightDistRate - 1) * r);
    peakBright = o.bright * r * r / t / t;
    if (path == ColourPath::Palette) brightStep = 0.005 * peakBright;
}

}  // namespace vantor
