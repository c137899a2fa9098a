// SPDX-License-Identifier: GPL-3.0-or-later
// Profiles of any shape made into a solid: regions, measures, the streamed
// mesh and the print checks never fault; a mesh tells the count of its
// triangles before it makes them and numbers only its own vertices; a full
// turn of anything not refused is closed and consistently oriented.
#include <cmath>
#include <map>
#include <utility>

#include "FuzzSupport.h"
#include "export/mesh/Measure.h"
#include "export/mesh/PrintChecks.h"
#include "export/mesh/Revolve.h"

using namespace vantor;

namespace {

// Records of five bytes: x and y as 16-bit sixteenths (so that points
// coincide and edges overlap often), then a flag byte whose low bit ends the
// figure.
std::vector<Profile> profilesFrom(const std::uint8_t* data, std::size_t size) {
    std::vector<Profile> out;
    Profile p;
    auto finish = [&] {
        if (p.points.size() >= 2) {
            const ProfilePoint &a = p.points.front(), &b = p.points.back();
            if (p.points.size() >= 3 && a.r == b.r && a.y == b.y) {
                p.points.pop_back();
                p.shape = ProfileShape::Closed;
            } else if (a.r == 0 && b.r == 0) {
                p.shape = ProfileShape::ClosedByAxis;
            }
            out.push_back(p);
        }
        p = {};
        p.figure = static_cast<int>(out.size()) + 1;
    };
    p.figure = 1;
    for (std::size_t i = 0; i + 5 <= size && i < 5 * 200; i += 5) {
        const auto x = static_cast<std::int16_t>(data[i] | data[i + 1] << 8);
        const auto y = static_cast<std::int16_t>(data[i + 2] | data[i + 3] << 8);
        const ProfilePoint q{x / 16.0, y / 16.0};
        if (p.points.empty() || p.points.back().r != q.r || p.points.back().y != q.y) p.points.push_back(q);
        if (data[i + 4] & 1) finish();
    }
    finish();
    return out;
}

bool watertight(const MeshSource& mesh) {
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> directed;
    mesh.forEachTriangle([&](const MeshTriangle& t) {
        for (int i = 0; i < 3; ++i) ++directed[{t.index[i], t.index[(i + 1) % 3]}];
    });
    for (const auto& [edge, count] : directed) {
        const auto reverse = directed.find({edge.second, edge.first});
        if (count != 1 || reverse == directed.end() || reverse->second != 1) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t settings = data[0];
    const std::vector<Profile> profiles = profilesFrom(data + 1, size - 1);
    const double thickness = (settings & 3) * 0.75;
    const SolidSet set = solidOf(profiles, thickness);
    const Totals totals = total(set, 360);
    fuzz::require(set.refused() || (std::isfinite(totals.volume) && totals.volume >= -1e-6 * (1 + std::fabs(totals.volume))));
    sizeOf(set, 200, 2);
    for (double degrees : {360.0, 45.0 * ((settings >> 2 & 7) + 1)}) {
        RevolveSettings s;
        s.segments = 6;
        s.degrees = degrees;
        const RevolvedSolid solid(set, s);
        std::size_t triangles = 0;
        solid.forEachTriangle([&](const MeshTriangle& t) {
            ++triangles;
            for (std::uint32_t v : t.index) fuzz::require(v < solid.vertexCount());
        });
        fuzz::require(triangles == solid.triangleCount());
        const bool bare = std::any_of(set.figures.begin(), set.figures.end(), [](const FigureSolid& f) { return !f.surfaces.empty(); });
        if (degrees >= 360 && !bare) fuzz::require(watertight(solid));
    }
    PrintCheckSettings checks;
    checks.thickness = thickness;
    printChecks(profiles, checks);
    return 0;
}
