#pragma once
// How one element of the still display is lit: the normal factor of a
// quadrilateral and the corner arithmetic shared by every element. Inline,
// since a pass evaluates them millions of times.
#include <cmath>

#include "display/geometry/ViewGeometry.h"

namespace vantor {

// Corners of one element: P1 = vertex i and P2 = vertex i + 1 at the first
// angle, P3 and P4 the same vertices at the second.
struct ElementCorners {
    Corner p1, p2, p3, p4;
};

inline bool samePoint(const Corner& a, const Corner& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
inline Vec3 midpoint(const Corner& a, const Corner& b) { return Vec3{(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2}; }
// The element's centre G = (P1 + P2 + P4 + P3) / 4, summed in that order.
inline Vec3 centreOf(const ElementCorners& c) {
    return Vec3{(c.p1.x + c.p2.x + c.p4.x + c.p3.x) / 4, (c.p1.y + c.p2.y + c.p4.y + c.p3.y) / 4,
                (c.p1.z + c.p2.z + c.p4.z + c.p3.z) / 4};
}

// calcNormalRate: the cosine between the element's normal, turned toward
// the eye, and the direction from G to the light. An element whose first
// edge has no length (P1 = P2) gets 1; so does one without any defined
// normal (both vertices on the axis) or with G at the eye or the light.
// lightDist2 is |L - G|^2 summed x, y, z (lightDistanceSquared), which the
// caller has formed already for the fall-off.
inline double calcNormalRate(const ElementCorners& c, const Vec3& g, const Vec3& eye, const Vec3& light, double lightDist2) {
    const Corner &p1 = c.p1, &p2 = c.p2, &p3 = c.p3, &p4 = c.p4;
    if (samePoint(p1, p2)) return 1;
    double ax, ay, az, bx, by, bz;
    if (!samePoint(p1, p3)) {
        ax = p2.x - p1.x, ay = p2.y - p1.y, az = p2.z - p1.z;
        bx = p3.x - p2.x, by = p3.y - p2.y, bz = p3.z - p2.z;
    } else {
        // Vertex i lies on the axis: the element is a triangle P1 P2 P4.
        ax = p4.x - p2.x, ay = p4.y - p2.y, az = p4.z - p2.z;
        bx = p1.x - p4.x, by = p1.y - p4.y, bz = p1.z - p4.z;
    }
    Vec3 n{ay * bz - az * by, az * bx - ax * bz, ax * by - ay * bx};
    const double len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (!(len > 0) || !std::isfinite(len)) return 1;
    n = Vec3{n.x / len, n.y / len, n.z / len};

    // (L - G) squared is (G - L) squared, term by term.
    const Vec3 le{light.x - g.x, light.y - g.y, light.z - g.z};
    const double lLen = std::sqrt(lightDist2);
    if (!(lLen > 0)) return 1;
    const Vec3 l{le.x / lLen, le.y / lLen, le.z / lLen};

    // The face is lit from the side the eye sees: n is reversed when the
    // unit vector v toward the eye has v.n < 0.
    const Vec3 ve{eye.x - g.x, eye.y - g.y, eye.z - g.z};
    const double facing = ve.x * n.x + ve.y * n.y + ve.z * n.z;
    // Dividing by |ve| changes v.n by rounding only, far below this margin,
    // so a value clear of it already has the sign v.n has; close to zero
    // (an element seen edge-on) v is formed in full.
    const double margin = 1e-9 * (std::fabs(ve.x) + std::fabs(ve.y) + std::fabs(ve.z));
    bool reverse = facing < 0;
    if (!(std::fabs(facing) > margin)) {
        const double vLen = std::sqrt(ve.x * ve.x + ve.y * ve.y + ve.z * ve.z);
        if (!(vLen > 0)) return 1;
        const Vec3 v{ve.x / vLen, ve.y / vLen, ve.z / vLen};
        reverse = v.x * n.x + v.y * n.y + v.z * n.z < 0;
    }
    if (reverse) n = Vec3{-n.x, -n.y, -n.z};
    return n.x * l.x + n.y * l.y + n.z * l.z;
}

inline double calcNormalRate(const ElementCorners& c, const Vec3& g, const Vec3& eye, const Vec3& light) {
    const double dx = g.x - light.x, dy = g.y - light.y, dz = g.z - light.z;
    return calcNormalRate(c, g, eye, light, dx * dx + dy * dy + dz * dz);
}

}  // namespace vantor
