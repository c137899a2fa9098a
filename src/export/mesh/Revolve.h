#pragma once
// Triangle meshes of the solid: each profile turned about the axis in a
// number of equal steps. A bounded profile gives a closed, consistently
// oriented mesh (outward normals); vertices on the axis are one pole each;
// a partial turn of a bounded profile is capped at both cut faces.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "export/mesh/Profile.h"
#include "platform/numbers/Vec3.h"

namespace vantor {

struct Mesh {
    std::vector<Vec3> vertices;
    std::vector<std::array<std::uint32_t, 3>> triangles;
};

struct RevolveSettings {
    int segments = 64;     // steps of a full turn; a partial turn uses as many as its share needs (at least 1)
    double degrees = 360;  // 0 < degrees <= 360
    // Above 0: an open profile becomes a wall of this thickness (on its
    // side towards the axis), so that it turns into a closed solid.
    double thickness = 0;
};

struct RevolveResult {
    Mesh mesh;
    // One line per figure whose solid will not be a clean closed solid.
    std::vector<std::string> warnings;
};

// The profile in the x-z plane (radius along x, height along z), turned
// about the z axis; all profiles of the data set go into one mesh.
RevolveResult revolve(const std::vector<Profile>& profiles, const RevolveSettings& settings);

// An open profile with a wall of the given thickness: the profile, then
// its offset on the side towards the axis walked back, as one closed ring.
// Offset points never cross the axis; ends on the axis stay on it.
Profile thickened(const Profile& open, double thickness);

// Problems of a bounded profile that make its solid non-manifold: a profile
// that crosses itself, or one that touches the axis other than at its ends.
std::vector<std::string> profileProblems(const Profile& profile);

}  // namespace vantor
