#include "export/mesh/Measure.h"

#include <cmath>
#include <numbers>

namespace vantor {

namespace {
// The closed ring of a bounded profile (a profile closed by the axis is
// closed by its axis segment, which adds nothing to the integrals below
// since r = 0 along it).
template <typename F>
void forEachEdge(const Profile& p, bool closeRing, F f) {
    const std::size_t n = p.points.size();
    for (std::size_t i = 0; i + 1 < n; ++i) f(p.points[i], p.points[i + 1]);
    if (closeRing && n >= 2) f(p.points[n - 1], p.points[0]);
}
}  // namespace

ProfileMeasures measure(const Profile& p, double degrees) {
    ProfileMeasures m;
    m.figure = p.figure;
    m.shape = p.shape;
    const double turn = degrees / 360.0;
    const bool ring = p.bounded();
    double twiceArea = 0;  // shoelace, signed
    double sixMoment = 0;  // 6 * integral of r over the region, signed
    double lateral = 0;    // sum of (r0 + r1) * segment length
    forEachEdge(p, ring, [&](const ProfilePoint& a, const ProfilePoint& b) {
        const double len = std::hypot(b.r - a.r, b.y - a.y);
        const bool axisSegment = a.r == 0 && b.r == 0;
        if (!(axisSegment && p.shape == ProfileShape::ClosedByAxis && &b == &p.points.front())) m.length += len;
        twiceArea += a.r * b.y - b.r * a.y;
        sixMoment += (b.y - a.y) * (a.r * a.r + a.r * b.r + b.r * b.r);
        lateral += (a.r + b.r) * len;
    });
    const double pi = std::numbers::pi;
    if (ring) {
        m.area = std::fabs(twiceArea) / 2;
        // Volume = 2 pi * integral of r dA; integral of r dA = sum(...) / 6.
        m.volume = turn * 2 * pi * std::fabs(sixMoment) / 6;
    }
    m.surfaceArea = turn * pi * lateral;
    if (ring && degrees < 360) m.surfaceArea += 2 * m.area;
    return m;
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

}  // namespace vantor
