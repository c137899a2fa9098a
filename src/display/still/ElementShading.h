#pragma once
// How one element of the still display is lit: the normal factor of a
// quadrilateral and the corner arithmetic shared by every element.
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
double calcNormalRate(const ElementCorners& c, const Vec3& g, const Vec3& eye, const Vec3& light);

}  // namespace vantor
