// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact integer helpers for scan conversion. Products of two coordinates of
// 32 bits (or doubled ones) need more than 64 bits, so the exact tests use
// 128-bit integers.
#include <cstdint>

namespace vantor::raster {

__extension__ typedef __int128 i128;

// ceil(p / q) and floor(p / q) for q > 0.
inline i128 ceilDiv(i128 p, i128 q) { return p >= 0 ? (p + q - 1) / q : -((-p) / q); }
inline i128 floorDiv(i128 p, i128 q) { return p >= 0 ? p / q : -((-p + q - 1) / q); }

// n / d rounded to the nearest integer, an exact half going down.
inline i128 roundHalfDown(i128 n, i128 d) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    return ceilDiv(2 * n - d, 2 * d);
}

}  // namespace vantor::raster
