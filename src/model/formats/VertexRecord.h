// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A vertex as the data-set formats carry it, and what parsing one file yields.
#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

struct VertexRecord {
    float x = 0;
    float y = 0;
    std::uint8_t link = 0;     // 1: joined to the next vertex, 0: end of figure
    std::int32_t figure = 0;   // as stored; only the .va4 format carries one
};

// The vertices of one file, in order. A parser never yields more vertices
// than the room it was given. When it stops before the end of its input,
// `problem` says why and where; the vertices before the stop are kept.
struct ParsedVertices {
    std::vector<VertexRecord> vertices;
    std::string problem;
    bool complete() const { return problem.empty(); }
};

}  // namespace vantor
