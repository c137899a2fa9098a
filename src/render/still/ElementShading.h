// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How one element of the still display is lit: the normal factor of a
// quadrilateral and the corner arithmetic shared by every element. Inline,
// since a pass evaluates them millions of times.
#include <cmath>

#include "render/geometry/ViewGeometry.h"

namespace vantor {

// Corners of one element: P1 = vertex i and P2 = vertex i + 1 at the first
// angle, P3 and P4 the same vertices at the second.
struct ElementCorners {
    Corner p1, p2, p3, p4;
};

inline bool samePoint(const Corner& a, const Corner& b) { return a.position() == b.position(); }
inline Vec3 midpoint(const Corner& a, const Corner& b) { return (a.position() + b.position()) / 2; }
// The element's centre G = (P1 + P2 + P4 + P3) / 4, summed in that order.
inline Vec3 centreOf(const ElementCorners& c) {
    return (c.p1.position() + c.p2.position() + c.p4.position() + c.p3.position()) / 4;
}

// calcNormalRate: the cosine between the element's normal, turned toward
// the eye, and the direction from G to the light. An element whose first
// edge has no length (P1 = P2) gets 1; so does one without any defined
// normal (both vertices on the axis) or with G at the eye or the light.
// lightDist2 is |L - G|^2 summed x, y, z (lightDistanceSquared), which the
// caller has formed already for the fall-off.
inline double calcNormalRate(const ElementCorners& c, const Vec3& g, const Vec3& eye, const Vec3& light, double lightDist2) {
    if (samePoint(c.p1, c.p2)) return 1;
    const Vec3 p1 = c.p1.position(), p2 = c.p2.position(), p3 = c.p3.position(), p4 = c.p4.position();
    // Vertex i on the axis (P1 = P3) makes the element a triangle P1 P2 P4.
    const bool triangle = p1 == p3;
    const Vec3 a = triangle ? p4 - p2 : p2 - p1;
    const Vec3 b = triangle ? p1 - p4 : p3 - p2;
    Vec3 n = cross(a, b);
    const double len = length(n);
    if (!(len > 0) || !std::isfinite(len)) return 1;
    n = n / len;

    // (L - G) squared is (G - L) squared, term by term.
    const double lLen = std::sqrt(lightDist2);
    if (!(lLen > 0)) return 1;
    const Vec3 l = (light - g) / lLen;

    // The face is lit from the side the eye sees: n is reversed when the
    // unit vector v toward the eye has v.n < 0.
    const Vec3 ve = eye - g;
    const double facing = dot(ve, n);
    // Dividing by |ve| changes v.n by rounding only, far below this margin,
    // so a value clear of it already has the sign v.n has; close to zero
    // (an element seen edge-on) v is formed in full.
    const double margin = 1e-9 * (std::fabs(ve.x) + std::fabs(ve.y) + std::fabs(ve.z));
    bool reverse = facing < 0;
    if (!(std::fabs(facing) > margin)) {
        const double vLen = length(ve);
        if (!(vLen > 0)) return 1;
        reverse = dot(ve / vLen, n) < 0;
    }
    if (reverse) n = -n;
    return dot(n, l);
}

inline double calcNormalRate(const ElementCorners& c, const Vec3& g, const Vec3& eye, const Vec3& light) {
    return calcNormalRate(c, g, eye, light, lengthSquared(g - light));
}

}  // namespace vantor
