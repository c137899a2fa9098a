// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A point or direction in space, in double precision. The operators work
// component by component and sum x, y, z in that order, so an expression
// written with them rounds exactly as the same expression written out.
#include <cmath>

namespace vantor {

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
    friend bool operator==(const Vec3&, const Vec3&) = default;

    friend Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Vec3 operator-(const Vec3& a) { return {-a.x, -a.y, -a.z}; }
    // Division, not multiplication by the reciprocal: that would round differently.
    friend Vec3 operator/(const Vec3& a, double s) { return {a.x / s, a.y / s, a.z / s}; }
};

inline double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double lengthSquared(const Vec3& a) { return dot(a, a); }
inline double length(const Vec3& a) { return std::sqrt(dot(a, a)); }

}  // namespace vantor
