// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solid a data set's figures sweep, as simple polygons ("regions") in the
// half-plane r >= 0. Everything measured or meshed is made from them.
//
// A bounded profile (closed, closed by the axis, or an open one given a wall)
// fills what it winds around: the nonzero winding rule, so a bow tie fills
// both lobes and a loop drawn twice is filled once. The fill is cut at the
// axis and the part beyond it mirrored onto this side, since it sweeps the
// same solid; the two halves are united. Self-crossings and overlaps come out
// resolved, and every region is strictly simple (no two edges cross or
// touch), outline counter-clockwise with r to the right and y up, holes
// clockwise.
//
// The polygon work is done by Clipper on integers. Coordinates are scaled by
// one power of two for the whole data set, chosen so that the largest
// magnitude lies below 2^47: scaling by a power of two is exact, so a
// single-precision coordinate within 2^-23 of the largest magnitude keeps
// every bit, and smaller ones are rounded to 2^-47 of it.
#include <string>
#include <vector>

#include "export/mesh/Profile.h"

namespace vantor {

struct Region {
    std::vector<ProfilePoint> outer;
    std::vector<std::vector<ProfilePoint>> holes;
};

// What was done to a figure's profile to make it a solid, or why it was not.
enum class NoteKind {
    CrossesAxis,      // split at the axis, the part beyond it mirrored
    CrossesItself,    // self-crossings and overlaps resolved by the fill rule
    TouchesAxis,      // the solid is pinched to a point on the axis (at `y`)
    EnclosesNothing,  // a bounded figure of no area: it makes no solid
    OverlapsFigure,   // shares volume with figure `other`: counted once in totals
    Refused,          // its numbers cannot be made right; nothing of it is valid
    MovedToAxis,      // vertices within the data's precision of the axis were put on it
    BeyondAxis,       // drawn wholly beyond the axis: its mirror image is made
    WallClipped,      // its wall is thicker than its distance from the axis and was cut there
    NothingToPrint,   // (figure 0) no figure encloses any area: the set makes no solid
};

// Whether a note stops a mesh from being written.
inline bool refuses(NoteKind kind) { return kind == NoteKind::Refused || kind == NoteKind::NothingToPrint; }

struct SolidNote {
    NoteKind kind;
    int figure = 0;
    int other = 0;
    double y = 0;
    std::string text;  // one line, naming the figure
};

struct FigureSolid {
    int figure = 0;
    std::vector<int> joined;
    ProfileShape shape = ProfileShape::Open;
    bool walled = false;  // an open profile given a wall
    bool refused = false;
    double length = 0;  // of the profile as drawn (a closing segment on the axis not counted)
    // What it sweeps: for a bounded or walled profile.
    std::vector<Region> regions;
    // An open profile without a wall: its polyline, split where it crosses
    // the axis and mirrored, as bare surfaces.
    std::vector<std::vector<ProfilePoint>> surfaces;
    bool solid() const { return shape != ProfileShape::Open || walled; }
};

struct SolidSet {
    std::vector<FigureSolid> figures;
    std::vector<Region> whole;    // the union of every figure's regions: what prints
    // For each region of `whole` (each part), the figure that makes most of it.
    std::vector<int> partFigure;
    double largest = 0;            // the largest magnitude of a coordinate, walls included
    std::vector<SolidNote> notes;  // per figure in figure order, then overlaps
    double quantum = 0;            // the grid step, in data units
    bool refused() const;
};

// Open profiles are given a wall of `thickness` data units when it is above 0.
SolidSet solidOf(const std::vector<Profile>& profiles, double thickness = 0);

// Signed area of a ring (counter-clockwise positive).
double ringArea(const std::vector<ProfilePoint>& ring);

// An open profile with a wall of the given thickness: the profile, then
// its offset on the side towards the axis walked back, as one closed ring.
// The points must lie at r >= 0; offset points never cross the axis, and
// ends on the axis stay on it. `clipped`, when given, counts the offset
// points that would have crossed the axis.
Profile thickened(const Profile& open, double thickness, int* clipped = nullptr);

// The polyline of an open profile split where it crosses the axis and
// mirrored to r >= 0.
std::vector<ProfilePoint> mirroredPolyline(const std::vector<ProfilePoint>& points);

}  // namespace vantor
