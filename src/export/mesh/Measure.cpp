// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/mesh/Measure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace vantor {

namespace {

constexpr double pi = std::numbers::pi;

// Integrals over the edges of rings in the half-plane r >= 0. For a closed
// ring, counter-clockwise adds and clockwise (a hole) subtracts.
struct Sums {
    double twiceArea = 0;  // shoelace
    double sixMoment = 0;  // 6 * integral of r over the enclosed area
    double lateral = 0;    // sum of (r0 + r1) * edge length

    void add(const std::vector<ProfilePoint>& pts, bool closed) {
        const std::size_t n = pts.size();
        for (std::size_t i = 0; i + 1 < n; ++i) edge(pts[i], pts[i + 1]);
        if (closed && n >= 2) edge(pts[n - 1], pts[0]);
    }
    void add(const std::vector<Region>& regions) {
        for (const Region& r : regions) {
            add(r.outer, true);
            for (const auto& h : r.holes) add(h, true);
        }
    }
    void edge(const ProfilePoint& a, const ProfilePoint& b) {
        twiceArea += a.r * b.y - b.r * a.y;
        sixMoment += (b.y - a.y) * (a.r * a.r + a.r * b.r + b.r * b.r);
        lateral += (a.r + b.r) * std::hypot(b.r - a.r, b.y - a.y);
    }
};

void fill(double degrees, bool solid, const Sums& s, double& area, double& volume, double& surface) {
    const double turn = degrees / 360.0;
    area = solid ? s.twiceArea / 2 : 0;
    // Volume = 2 pi * integral of r dA; integral of r dA = sum(...) / 6.
    volume = solid ? turn * 2 * pi * s.sixMoment / 6 : 0;
    surface = turn * pi * s.lateral;
    if (solid && degrees < 360) surface += 2 * area;
}

}  // namespace

ProfileMeasures measure(const FigureSolid& f, double degrees) {
    ProfileMeasures m;
    m.figure = f.figure;
    m.shape = f.shape;
    m.walled = f.walled;
    m.length = f.length;
    Sums s;
    s.add(f.regions);
    for (const auto& chain : f.surfaces) s.add(chain, false);
    fill(degrees, f.solid(), s, m.area, m.volume, m.surfaceArea);
    return m;
}

ProfileMeasures measure(const Profile& profile, double degrees) {
    const SolidSet set = solidOf({profile});
    return measure(set.figures.front(), degrees);
}

Totals total(const std::vector<ProfileMeasures>& measures) {
    Totals t;
    for (const ProfileMeasures& m : measures) {
        t.length += m.length;
        t.area += m.area;
        t.volume += m.volume;
        t.surfaceArea += m.surfaceArea;
    }
    return t;
}

Totals total(const SolidSet& set, double degrees) {
    Totals t;
    Sums solid, bare;
    solid.add(set.whole);
    for (const FigureSolid& f : set.figures) {
        t.length += f.length;
        for (const auto& chain : f.surfaces) bare.add(chain, false);
    }
    double surface = 0, unused = 0;
    fill(degrees, true, solid, t.area, t.volume, t.surfaceArea);
    fill(degrees, false, bare, unused, unused, surface);
    t.surfaceArea += surface;
    return t;
}

SolidSize sizeOf(const SolidSet& set, double degrees, double scale) {
    double minR = std::numeric_limits<double>::infinity(), maxR = 0;
    double minY = std::numeric_limits<double>::infinity(), maxY = -minY;
    auto add = [&](const std::vector<ProfilePoint>& pts) {
        for (const ProfilePoint& p : pts) {
            minR = std::min(minR, p.r);
            maxR = std::max(maxR, p.r);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
    };
    for (const FigureSolid& f : set.figures) {
        for (const Region& r : f.regions) add(r.outer);
        for (const auto& chain : f.surfaces) add(chain);
    }
    if (!(minY <= maxY)) return {};
    // The swept angles' extremes: the ends of the turn and every quarter turn
    // within it, each at the smallest and largest radius.
    const double radians = std::min(degrees, 360.0) * pi / 180;
    std::vector<double> angles{0, radians};
    for (int q = 1; q <= 4; ++q)
        if (q * pi / 2 < radians) angles.push_back(q * pi / 2);
    double minX = std::numeric_limits<double>::infinity(), maxX = -minX, minZ = minX, maxZ = -minX;
    for (double a : angles)
        for (double r : {minR, maxR}) {
            const double x = r * std::cos(a), z = r * std::sin(a);
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minZ = std::min(minZ, z);
            maxZ = std::max(maxZ, z);
        }
    return {(maxX - minX) * scale, (maxZ - minZ) * scale, (maxY - minY) * scale};
}

}  // namespace vantor
