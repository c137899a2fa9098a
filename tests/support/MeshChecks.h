// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a printable mesh must be: closed and consistently oriented, with its
// normals outward (a positive signed volume).
#include <cstdint>
#include <map>
#include <utility>

#include "export/mesh/Revolve.h"

namespace vantor::test {

// The signed volume by the divergence theorem: positive when the normals face out.
inline double meshVolume(const Mesh& m) {
    double v = 0;
    for (const auto& t : m.triangles) {
        const Vec3 &a = m.vertices[t[0]], &b = m.vertices[t[1]], &c = m.vertices[t[2]];
        v += (a.x * (b.y * c.z - b.z * c.y) - a.y * (b.x * c.z - b.z * c.x) + a.z * (b.x * c.y - b.y * c.x)) / 6;
    }
    return v;
}

// Closed and consistently oriented: every directed edge appears once and
// its reverse once.
inline bool watertight(const Mesh& m) {
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> directed;
    for (const auto& t : m.triangles)
        for (int i = 0; i < 3; ++i) ++directed[{t[i], t[(i + 1) % 3]}];
    for (const auto& [edge, count] : directed) {
        if (count != 1) return false;
        const auto reverse = directed.find({edge.second, edge.first});
        if (reverse == directed.end() || reverse->second != 1) return false;
    }
    return !m.triangles.empty();
}

}  // namespace vantor::test
