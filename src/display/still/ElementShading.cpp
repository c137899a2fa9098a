#include "display/still/ElementShading.h"

#include <cmath>

namespace vantor {

namespace {
Vec3 cross(double ax, double ay, double az, double bx, double by, double bz) {
    return Vec3{ay * bz - az * by, az * bx - ax * bz, ax * by - ay * bx};
}
}  // namespace

double calcNormalRate(const ElementCorners& c, const Vec3& g, const Vec3& eye, const Vec3& light) {
    const Corner &p1 = c.p1, &p2 = c.p2, &p3 = c.p3, &p4 = c.p4;
    if (samePoint(p1, p2)) return 1;
    Vec3 n;
    if (!samePoint(p1, p3)) {
        n = cross(p2.x - p1.x, p2.y - p1.y, p2.z - p1.z, p3.x - p2.x, p3.y - p2.y, p3.z - p2.z);
    } else {
        // Vertex i lies on the axis: the element is a triangle P1 P2 P4.
        n = cross(p4.x - p2.x, p4.y - p2.y, p4.z - p2.z, p1.x - p4.x, p1.y - p4.y, p1.z - p4.z);
    }
    const double len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (!(len > 0) || !std::isfinite(len)) return 1;
    n = Vec3{n.x / len, n.y / len, n.z / len};

    const Vec3 le{light.x - g.x, light.y - g.y, light.z - g.z};
    const double lLen = std::sqrt(le.x * le.x + le.y * le.y + le.z * le.z);
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

}  // namespace vantor
