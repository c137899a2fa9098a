// SPDX-License-Identifier: GPL-3.0-or-later
// The double and the integer forms of an extended-precision product against
// the hardware's 80-bit arithmetic, where long double is that type: the
// browser build uses them for the drawing's turns, and its pixels must be
// these.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "platform/numbers/ExtendedFactor.h"

using namespace vantor;

namespace {

#if LDBL_MANT_DIG == 64
std::uint64_t bitsOf(double v) { return std::bit_cast<std::uint64_t>(v); }

// The 80-bit product rounded to double, as the drawing computed it before.
double hardware(long double factor, float x) { return static_cast<double>(factor * x); }

void expectSame(long double factor, float x) {
    const double expected = hardware(factor, x);
    const ExtendedFactor f(factor);
    for (const double actual : {f.exactInDouble(x), f.integerProduct(x)}) {
        if (std::isnan(expected)) {
            EXPECT_TRUE(std::isnan(actual)) << static_cast<double>(factor) << " * " << x;
            continue;
        }
        EXPECT_EQ(bitsOf(actual), bitsOf(expected)) << std::hexfloat << static_cast<double>(factor) << " * " << x
                                                    << ": " << actual << " instead of " << expected;
    }
}

// 1 + k * 2^-63: a factor that uses the last bits of the 64-bit significand.
long double lastBits(std::int64_t k) { return 1.0L + std::ldexp(static_cast<long double>(k), -63); }
#endif

}  // namespace

#if LDBL_MANT_DIG == 64

TEST(ExtendedFactor, ZerosInfinitiesAndNaNKeepTheirSignsAndKinds) {
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    struct Case { long double factor; float x; };
    for (Case c : {Case{0.0L, 3.0f}, {0.0L, -3.0f}, {-0.0L, 3.0f}, {-0.0L, -0.0f}, {0.75L, 0.0f}, {0.75L, -0.0f},
                   {-0.75L, 0.0f}, {0.75L, inf}, {-0.75L, inf}, {0.0L, inf}, {0.75L, nan},
                   {std::numeric_limits<long double>::infinity(), 2.0f}, {std::nanl(""), 2.0f}}) {
        expectSame(c.factor, c.x);
    }
}

// Products that land on, just beside, or (after the first rounding) exactly
// on a half of double's last place, where rounding once and rounding twice
// part ways.
TEST(ExtendedFactor, HalvesOfTheLastPlaceRoundAsTheHardwareDoes) {
    const float one = 1.0f, three = 3.0f, oneUlpAbove = std::nextafter(1.0f, 2.0f), oneUlpBelow = std::nextafter(1.0f, 0.0f);
    struct Case { long double factor; float x; };
    for (Case c : {
             Case{lastBits(1024), one},          // exactly half: ties to even, down
             {lastBits(3 * 1024), one},          // exactly half above an odd last bit: up
             {lastBits(1023), one},              // one 64-bit place below half
             {lastBits(1025), one},              // one place above
             {lastBits(1024), oneUlpAbove},      // half and a little: the 64-bit rounding keeps it above
             {lastBits(1024), oneUlpBelow},      // below 1: the scale of the halves moves
             {lastBits(1023), three},            // three times: the product's bits carry
             {lastBits(-1024), one},             // just below 1: the binade changes
             {lastBits(-1), oneUlpAbove},
             {std::ldexp(static_cast<long double>(UINT64_MAX), -64), one},  // every bit set
             {std::ldexp(static_cast<long double>(UINT64_MAX), -64), oneUlpAbove},
         }) {
        expectSame(c.factor, c.x);
        expectSame(-c.factor, c.x);
        expectSame(c.factor, -c.x);
    }
}

TEST(ExtendedFactor, TheEndsOfTheFloatRangeAndTinyTurns) {
    const float smallest = std::numeric_limits<float>::denorm_min(), smallestNormal = std::numeric_limits<float>::min();
    const float largest = std::numeric_limits<float>::max();
    struct Case { long double factor; float x; };
    for (Case c : {Case{lastBits(1025), smallest}, {lastBits(1025), smallestNormal}, {lastBits(1025), 0x1.fffffcp-127f},
                   {lastBits(-1025), largest}, {std::cos(static_cast<long double>(1.5707964f)), 600.0f},
                   {std::sin(static_cast<long double>(smallest)), largest}, {std::sin(1e-30L), 1e-30f}}) {
        expectSame(c.factor, c.x);
    }
}

// The cosines and sines of every float angle of one turn, at random, times
// profile coordinates and times floats of any size: the same bits each time,
// and the sweep must meet products where rounding twice differs from rounding
// once, or it proved nothing about them.
TEST(ExtendedFactor, RandomTurnsAndCoordinatesMatchTheHardware) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<float> angle(0.0f, 6.2831855f), coordinate(-1000.0f, 1000.0f);
    std::uniform_int_distribution<std::uint32_t> anyFloat(0, 0x7f7fffff);
    int roundedTwiceDiffers = 0;
    for (int i = 0; i < 400000; ++i) {
        const float a = angle(random);
        const long double factor = (i & 1) ? std::cos(static_cast<long double>(a)) : std::sin(static_cast<long double>(a));
        float x = coordinate(random);
        if (i % 4 == 3) x = std::bit_cast<float>(anyFloat(random) | ((i & 8) ? 0x80000000u : 0));
        const ExtendedFactor f(factor);
        const double expected = hardware(factor, x);
        ASSERT_EQ(bitsOf(f.exactInDouble(x)), bitsOf(expected)) << std::hexfloat << static_cast<double>(factor) << " * " << x;
        ASSERT_EQ(bitsOf(f.integerProduct(x)), bitsOf(expected)) << std::hexfloat << static_cast<double>(factor) << " * " << x;
        if (static_cast<double>(static_cast<__float128>(factor) * x) != expected) ++roundedTwiceDiffers;
    }
    EXPECT_GT(roundedTwiceDiffers, 10);
}

// Factors from 2^-736 to 2^862 take the integer and double forms; beyond,
// the long double arithmetic. Both sides of each edge, with the smallest
// and the largest floats.
TEST(ExtendedFactor, TheEdgesOfTheExactRangeGiveTheHardwareResult) {
    const float smallest = std::numeric_limits<float>::denorm_min(), largest = std::numeric_limits<float>::max();
    for (int power : {-737, -736, 862, 863}) {
        for (long double factor : {std::ldexp(1.0L, power), std::ldexp(static_cast<long double>(lastBits(1025)), power)}) {
            for (float x : {smallest, 1.5f, largest}) expectSame(factor, x);
        }
    }
}

TEST(ExtendedFactor, AnExtendedValueIsKeptAsItIs) {
    for (long double v : {1.0L, -0.0L, lastBits(1), lastBits(-1), std::cos(2.0L), 0x1p-16000L, 0x1p16000L}) {
        const ExtendedFactor f(v);
        EXPECT_EQ(f.value(), v);
        EXPECT_EQ(std::signbit(f.value()), std::signbit(v));
        EXPECT_EQ(f.times(3.0f), hardware(v, 3.0f));
    }
}

#endif
