// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures of the store as profiles to revolve: each a polyline in the
// plane of the axis (distance from the axis, height), in data units, as
// drawn. Regions.h turns them into the simple polygons that are measured and
// meshed.
#include <array>
#include <cstdint>
#include <vector>

namespace vantor {

class FigureStore;

struct ProfilePoint {
    // Distance from the axis. In a Profile read from the store it keeps the
    // side the vertex was drawn on: negative beyond the axis. Regions and
    // the meshes made from them hold only r >= 0.
    double r = 0;
    double y = 0;  // height along the axis, growing upwards
};

enum class ProfileShape {
    Open,         // a surface of revolution with free rims
    Closed,       // the last vertex meets the first: the figure bounds a region
    ClosedByAxis  // both ends lie on the axis: the axis closes the region
};

struct Profile {
    int figure = 0;
    // Further figures joined to this one end to start (their numbers).
    std::vector<int> joined;
    // Consecutive duplicates removed; a closed figure's repeated first
    // vertex is not repeated at the end.
    std::vector<ProfilePoint> points;
    // The store index of each point (empty for a profile not read from a
    // store), so that findings can name the vertices drawn: the segment
    // from point i is the store's sources[i] to sources[i] + 1.
    std::vector<int> sources;
    ProfileShape shape = ProfileShape::Open;
    // The figure's colour (its tint on white), for formats that keep colours.
    std::array<std::uint8_t, 3> colour{255, 255, 255};
    // Vertices drawn off the axis by less than the data's precision that
    // were put on it, and the largest such distance.
    int movedToAxis = 0;
    double movedBy = 0;
    bool bounded() const { return shape != ProfileShape::Open; }
};

// Every figure of two or more distinct vertices, in store order. A vertex
// within the data's own precision of the axis (2^-20 of its largest
// coordinate), or at the 0.0001 the program itself moves inner on-axis
// vertices to, lies on the axis. Figures
// that follow each other in the store and meet end to start are one
// profile, so that a body drawn in several figures (a wall and a foot)
// bounds one solid.
std::vector<Profile> profilesOf(const FigureStore& store);

}  // namespace vantor
