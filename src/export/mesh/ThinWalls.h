// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a printer cannot lay material: the solid's section through the axis
// (its regions and their mirror image) shrunk by half the nozzle width and
// grown back, as a slicer makes its outer lines. What does not come back is
// thinner than the nozzle can draw. Each such piece is measured by the
// widest disc that fits the section there, so the answer depends on the
// shape, not on how many vertices draw it; mitred corners keep a wide
// shape's sharp corners, so only truly narrow material is reported.
#include <vector>

#include "export/mesh/Regions.h"

namespace vantor {

struct ThinPlace {
    ProfilePoint at;     // a point of the piece where it is widest, r >= 0
    double width = 0;    // the section's width there, in data units
    double area = 0;     // of the piece on this side of the axis
};

// The pieces of `set.whole` narrower than `width` data units, lowest first.
std::vector<ThinPlace> thinPlaces(const SolidSet& set, double width);

}  // namespace vantor
