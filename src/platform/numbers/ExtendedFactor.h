// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A factor held in extended precision (a 64-bit significand) that multiplies
// single-precision values and stores the product in double: the drawing's
// turn of a profile vertex, cos(a) * X kept as a double.
//
// The product is rounded twice, first to the 64-bit significand of the
// extended type, then to double, each time to nearest with ties to even.
// Where long double is that extended type the hardware does it; elsewhere
// (long double with a 113-bit significand in software, or no wider type than
// double) exactInDouble forms the same result from the integer significands,
// so that both give the same bits.
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace vantor {

class ExtendedFactor {
public:
    ExtendedFactor() : ExtendedFactor(1.0L) {}
    // v rounded to a 64-bit significand (to nearest, ties to even), which
    // changes nothing where long double is the extended type.
    explicit ExtendedFactor(long double v);

    long double value() const { return m_value; }
    // The factor rounded to double.
    double toDouble() const { return static_cast<double>(m_value); }

    // value() * x rounded to the extended type, then to double.
    double times(float x) const {
#if LDBL_MANT_DIG == 64
        return static_cast<double>(m_value * x);
#else
        return exactInDouble(x);
#endif
    }
    // The same in double arithmetic where it is sure, else from the integer
    // significands (integerProduct), on every platform.
    double exactInDouble(float x) const;
    double integerProduct(float x) const;

private:
    long double m_value;
    std::uint64_t m_significand = 0;  // 0 for zero, else its top bit set
    int m_exponent = 0;               // value = significand * 2^exponent
    bool m_negative = false;
    bool m_exact = false;             // zero, finite and within the range exactInDouble works in
    // The factor in three doubles whose products with a float are exact: the
    // top 26 bits of the significand, the next 27 and the last 11 (with the
    // factor's sign).
    double m_top = 0, m_middle = 0, m_bottom = 0;
};

namespace extended_detail {

// std::bit_cast, which not every standard library of the builds has.
template <class To, class From>
To sameBits(const From& from) {
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

// n rounded to nearest with ties to even after dropping its low `drop` bits
// (0 < drop < 64).
inline std::uint64_t roundAway(std::uint64_t n, int drop, bool& carry) {
    const std::uint64_t kept = n >> drop;
    const std::uint64_t rest = n & ((std::uint64_t{1} << drop) - 1);
    const std::uint64_t half = std::uint64_t{1} << (drop - 1);
    const std::uint64_t rounded = kept + ((rest > half || (rest == half && (kept & 1))) ? 1 : 0);
    carry = rounded >> (64 - drop) != 0;  // grew by a bit
    return rounded;
}

}  // namespace extended_detail

inline ExtendedFactor::ExtendedFactor(long double v) : m_value(v) {
    m_negative = std::signbit(v);
    if (!std::isfinite(v)) return;
    if (v == 0) {
        m_exact = true;
        return;
    }
    int e = 0;
    const long double fraction = std::frexp(std::fabs(v), &e);  // [1/2, 1)
    long double scaled = std::ldexp(fraction, 64);              // [2^63, 2^64)
    const long double whole = std::floor(scaled);
    const long double rest = scaled - whole;  // exact
    // 2^64 does not fit: the whole part is taken below 2^63 first.
    std::uint64_t n = static_cast<std::uint64_t>(whole - 0x1p63L) + (std::uint64_t{1} << 63);
    if (rest > 0.5L || (rest == 0.5L && (n & 1))) ++n;
    int exponent = e - 64;
    if (n == 0) {  // rounded up to 2^64
        n = std::uint64_t{1} << 63;
        ++exponent;
    }
    m_significand = n;
    m_exponent = exponent;
    m_value = std::ldexp(static_cast<long double>(n), exponent) * (m_negative ? -1 : 1);
    // With a float's exponent added the product stays far inside double's
    // normal range, so the second rounding is to 53 bits everywhere.
    m_exact = exponent > -800 && exponent < 800;
    if (!m_exact) return;
    const double sign = m_negative ? -1.0 : 1.0;
    m_top = sign * std::ldexp(static_cast<double>(n >> 38), exponent + 38);
    m_middle = sign * std::ldexp(static_cast<double>((n >> 11) & ((std::uint64_t{1} << 27) - 1)), exponent + 11);
    m_bottom = sign * std::ldexp(static_cast<double>(n & 0x7ff), exponent);
}

inline double ExtendedFactor::exactInDouble(float x) const {
    // The exact product is a + b + c, three exact products falling in size
    // by 2^25 and 2^27 at least. s + e is a + b exactly (s rounded, e its
    // error), t is e + c rounded, and r = s + t rounded is the product
    // rounded once to double, unless the product lies within a hair of a
    // half of r's last place: there rounding once and rounding first to 64
    // bits may part, and so may r and the product's own rounding. d is how far
    // the product lies from r, to within far less than that hair.
    const double a = m_top * x, b = m_middle * x, c = m_bottom * x;
    const double s = a + b;
    const double e = b - (s - a);
    const double t = e + c;
    const double r = s + t;
    const double d = (s - r) + t;
    const std::uint64_t bits = extended_detail::sameBits<std::uint64_t>(r);
    const std::uint64_t biased = bits & 0x7ff0000000000000u;
    // Half of r's last place, when r is normal and not a power of two (where
    // the last place below it is half as large).
    const double half = extended_detail::sameBits<double>(biased) * 0x1p-53;
    const double margin = half * 0x1p-9;
    if (m_exact && biased > 0x0010000000000000u && biased < 0x7fe0000000000000u && (bits & 0x000fffffffffffffu) != 0 &&
        std::fabs(std::fabs(d) - half) > margin)
        return r;
    return integerProduct(x);
}

inline double ExtendedFactor::integerProduct(float x) const {
    const std::uint32_t bits = extended_detail::sameBits<std::uint32_t>(x);
    const std::uint32_t biased = (bits >> 23) & 0xff;
    const std::uint32_t mantissa = bits & 0x7fffff;
    if (!m_exact || biased == 0xff) return static_cast<double>(m_value * x);
    const bool negative = m_negative != ((bits >> 31) != 0);
    if (m_significand == 0 || (biased == 0 && mantissa == 0)) return negative ? -0.0 : 0.0;
    const std::uint64_t m = biased == 0 ? mantissa : (mantissa | (std::uint32_t{1} << 23));
    int exponent = m_exponent + (biased == 0 ? -149 : static_cast<int>(biased) - 150);

    // The exact product, at most 88 bits: high * 2^64 + low.
    const std::uint64_t upper = (m_significand >> 32) * m, lower = (m_significand & 0xffffffffu) * m;
    const std::uint64_t low = (upper << 32) + lower;
    const std::uint64_t high = (upper >> 32) + (low < lower ? 1 : 0);

    // Rounded to 64 significant bits, the top one at bit 63.
    std::uint64_t extended = 0;
    if (high == 0) {
        const int shift = std::countl_zero(low);
        extended = low << shift;  // exact
        exponent -= shift;
    } else {
        const int drop = 64 - std::countl_zero(high);  // 1..24
        // The bits kept: high's and the top of low; those dropped: the rest of low.
        const std::uint64_t kept = (high << (64 - drop)) | (low >> drop);
        const std::uint64_t rest = low & ((std::uint64_t{1} << drop) - 1);
        const std::uint64_t half = std::uint64_t{1} << (drop - 1);
        extended = kept + ((rest > half || (rest == half && (kept & 1))) ? 1 : 0);
        exponent += drop;
        if (extended == 0) {  // carried out of bit 63
            extended = std::uint64_t{1} << 63;
            ++exponent;
        }
    }

    // Rounded again to 53 bits.
    bool carry = false;
    std::uint64_t significand = extended_detail::roundAway(extended, 11, carry);
    exponent += 11;
    if (carry) {
        significand >>= 1;  // 2^53 becomes 2^52
        ++exponent;
    }
    // significand * 2^exponent with significand in [2^52, 2^53).
    const std::uint64_t biasedOut = static_cast<std::uint64_t>(exponent + 52 + 1023);
    const std::uint64_t out = (negative ? std::uint64_t{1} << 63 : 0) | (biasedOut << 52) |
                              (significand & ((std::uint64_t{1} << 52) - 1));
    return extended_detail::sameBits<double>(out);
}

}  // namespace vantor
