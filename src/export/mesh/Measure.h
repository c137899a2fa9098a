#pragma once
// Exact measures of the solid of revolution, from the profile polygon itself
// (Pappus-Guldinus): no tessellation error.
#include <vector>

#include "export/mesh/Profile.h"

namespace vantor {

struct ProfileMeasures {
    int figure = 0;
    ProfileShape shape = ProfileShape::Open;
    double length = 0;       // of the profile polyline (a closing axis segment not counted)
    double area = 0;         // of the region a bounded profile encloses; 0 when open
    double volume = 0;       // of the solid a bounded profile sweeps; 0 when open
    double surfaceArea = 0;  // swept by the profile's segments (cut faces of a partial turn included)
};

// Measures of one profile turned by `degrees` (360 a full turn).
ProfileMeasures measure(const Profile& profile, double degrees = 360);

struct Totals {
    double length = 0, area = 0, volume = 0, surfaceArea = 0;
};
Totals total(const std::vector<ProfileMeasures>& measures);

}  // namespace vantor
