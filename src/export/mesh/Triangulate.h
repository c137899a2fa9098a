// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Triangles that cover a simple polygon with holes, made only of its own
// vertices: the cut faces of a partial turn, which must share every vertex
// with the bands beside them.
#include <array>
#include <cstddef>
#include <vector>

#include "export/mesh/Profile.h"

namespace vantor {

// `rings` hold indices into `points`: the outline counter-clockwise first,
// then the holes clockwise, none touching another. Each hole is joined to
// the outline by a bridge to a vertex it can see; the joined ring is cut
// into ears. Returns counter-clockwise triples of indices; a degenerate
// polygon gives what it can.
std::vector<std::array<std::size_t, 3>> triangulate(const std::vector<ProfilePoint>& points,
                                                    const std::vector<std::vector<std::size_t>>& rings);

}  // namespace vantor
