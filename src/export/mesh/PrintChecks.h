// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks for 3-D printing made on the profile itself, so that what a slicer
// would meet can be marked on the drawn segments: surfaces that face down
// more steeply than the printer can bridge, material narrower than the
// nozzle can draw (ThinWalls.h), parts that do not rest on the lowest plane (they would print in
// the air), and open figures that have no wall to print.
//
// The solid is the one measured and meshed (Regions.h); the printer's bed is
// the plane through its lowest point, the axis of revolution upright.
#include <string>
#include <vector>

#include "export/mesh/Profile.h"

namespace vantor {

class FigureStore;

struct PrintCheckSettings {
    double nozzle = 0.4;       // mm
    double maxOverhang = 45;   // degrees from vertical a downward face may lean
    double scale = 1;          // mm per data unit
    double thickness = 0;      // above 0: open figures get a wall of this many data units
};

enum class FindingKind {
    Overhang,    // a segment whose surface faces down beyond the limit; value: its angle from vertical (degrees)
    ThinWall,    // material narrower than the nozzle, at `at` next to the segment; value: its width (mm)
    Floating,    // a part whose lowest point is above the bed; value: its height above the bed (mm)
    OpenFigure,  // an open figure without a wall: no solid to print
    NoArea,      // (figure 0) no figure encloses any area: nothing to print
};

struct Finding {
    FindingKind kind = FindingKind::Overhang;
    int figure = 0;
    // Store indices of the segment's ends as drawn; equal for a vertex, the
    // figure's first and last vertex for OpenFigure. 0 when the profile was
    // not read from a store.
    int firstVertex = 0;
    int lastVertex = 0;
    // The segment (or point) as drawn, in data units.
    ProfilePoint from, to;
    // Where a thin wall is measured, at r >= 0 (data units).
    ProfilePoint at;
    double value = 0;
};

struct PrintCheckReport {
    std::vector<Finding> findings;  // by figure, then by kind, then along the profile
    // Figures whose solid could not be made (Regions.h); nothing is checked then.
    std::vector<std::string> refusals;
    // What was changed to make the solid: vertices put on the axis, a
    // figure wholly beyond it, a wall cut at it (Regions.h).
    std::vector<std::string> warnings;
    bool clean() const { return findings.empty() && refusals.empty(); }
};

PrintCheckReport printChecks(const std::vector<Profile>& profiles, const PrintCheckSettings& settings);
PrintCheckReport printChecks(const FigureStore& store, const PrintCheckSettings& settings);

}  // namespace vantor
