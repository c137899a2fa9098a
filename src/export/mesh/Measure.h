// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact measures of the solid of revolution, from its regions (Regions.h)
// by the theorems of Pappus and Guldinus: no tessellation error.
#include <vector>

#include "export/mesh/Profile.h"
#include "export/mesh/Regions.h"

namespace vantor {

struct ProfileMeasures {
    int figure = 0;
    ProfileShape shape = ProfileShape::Open;
    bool walled = false;     // an open profile measured with its wall
    double length = 0;       // of the profile as drawn (a closing axis segment not counted)
    double area = 0;         // of its regions; 0 for an open profile without a wall
    double volume = 0;       // of the solid its regions sweep
    double surfaceArea = 0;  // of the solid, or of the bare surface (cut faces of a partial turn included)
};

// Measures of one figure's solid turned by `degrees` (360 a full turn).
ProfileMeasures measure(const FigureSolid& figure, double degrees = 360);
// The same for a profile alone.
ProfileMeasures measure(const Profile& profile, double degrees = 360);

struct Totals {
    double length = 0, area = 0, volume = 0, surfaceArea = 0;
};
// Sums of the figures' measures.
Totals total(const std::vector<ProfileMeasures>& measures);
// The measures of what prints: the union of all figures' regions (shared
// volume counted once) and the bare surfaces of open figures without a wall.
Totals total(const SolidSet& set, double degrees = 360);

// Measures (ProfileMeasures or Totals) in millimetres (mm, mm², mm³) for
// `scale` millimetres per data unit.
template <typename Measures>
Measures scaled(Measures m, double scale) {
    m.length *= scale;
    m.area *= scale * scale;
    m.surfaceArea *= scale * scale;
    m.volume *= scale * scale * scale;
    return m;
}

// The extent of the solid along the mesh's axes: width along x, depth along
// y, height along the axis of revolution; in data units times `scale`.
struct SolidSize {
    double width = 0, depth = 0, height = 0;
};
SolidSize sizeOf(const SolidSet& set, double degrees = 360, double scale = 1);

}  // namespace vantor
