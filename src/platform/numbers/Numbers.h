// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rounding and precision steps. The drawing and file code reproduces numbers
// exactly, so every conversion names its precision and rounding explicitly.
#include <cmath>
#include <cstdint>
#include <limits>

namespace vantor {

using f32 = float;
using f64 = double;
using f80 = long double;  // extended precision on x86 (64-bit mantissa)

// Nearest integer, halves to even (banker's rounding), as the FPU does in
// its default mode. Values outside int64 saturate.
inline std::int64_t roundHalfEven(long double v) {
    if (std::isnan(v)) return 0;
    if (v >= 9.2e18L) return std::numeric_limits<std::int64_t>::max();
    if (v <= -9.2e18L) return std::numeric_limits<std::int64_t>::min();
    long double fl = std::floor(v);
    long double diff = v - fl;
    std::int64_t base = static_cast<std::int64_t>(fl);
    if (diff > 0.5L) return base + 1;
    if (diff < 0.5L) return base;
    return (base % 2 == 0) ? base : base + 1;
}

// Toward zero. Values outside int64 saturate.
inline std::int64_t truncToInt(long double v) {
    if (std::isnan(v)) return 0;
    if (v >= 9.2e18L) return std::numeric_limits<std::int64_t>::max();
    if (v <= -9.2e18L) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(v);
}

// 32-bit results (screen coordinates, file integers) clamp to int32.
inline std::int32_t clampToI32(std::int64_t v) {
    if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}
inline std::int32_t roundI32(long double v) { return clampToI32(roundHalfEven(v)); }
inline std::int32_t truncI32(long double v) { return clampToI32(truncToInt(v)); }

// Screen coordinate: add one half, then cut toward zero.
inline std::int32_t screenCoord(long double v) { return truncI32(v + 0.5L); }

// Store a value in single / double precision (the rounding happens here).
inline f32 toF32(long double v) { return static_cast<f32>(v); }
inline f64 toF64(long double v) { return static_cast<f64>(v); }

// Degrees to radians in the order the geometry uses: degrees * pi * (1/180).
inline long double degToRad(long double deg) { return deg * 3.14159265358979323846264338327950288L * (1.0L / 180.0L); }

}  // namespace vantor
