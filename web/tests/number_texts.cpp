// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the number texts the program makes (to_chars in every form the
// sources use, from_chars of decimal texts) for a fixed table of edge
// values and for pseudo-random bit patterns, one per line. Built natively
// and for the browser (with compat/LibcxxCompat.h), the two outputs must be
// the same line for line: web/tests/compare-number-texts.sh compares them.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

template <class... Args>
std::string text(Args... args) {
    char buf[600];
    const auto r = std::to_chars(buf, buf + sizeof buf, args...);
    if (r.ec != std::errc{}) return "error";
    return std::string(buf, r.ptr);
}

void doubleLine(double v) {
    std::printf("d %s | %s | %s | %s | %s | %s\n", text(v).c_str(), text(v, std::chars_format::fixed, 0).c_str(),
                text(v, std::chars_format::fixed, 3).c_str(), text(v, std::chars_format::fixed, 6).c_str(),
                text(std::fabs(v), std::chars_format::scientific, 14).c_str(),
                text(v, std::chars_format::general, 9).c_str());
}

void floatLine(float v) { std::printf("f %s\n", text(v, std::chars_format::fixed).c_str()); }

void parseLine(const std::string& s) {
    long double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    // The values of errc differ between C libraries; their meaning must not.
    const char* code = r.ec == std::errc{} ? "ok"
                       : r.ec == std::errc::result_out_of_range ? "out-of-range"
                       : r.ec == std::errc::invalid_argument   ? "invalid"
                                                                : "other";
    std::printf("p %s -> %s used %d %s\n", s.c_str(), text(static_cast<double>(v)).c_str(),
                static_cast<int>(r.ptr - s.data()), code);
}

// The next of a fixed sequence of 64-bit patterns (a linear congruential
// generator, the same on every platform).
std::uint64_t next(std::uint64_t& state) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return state;
}

}  // namespace

int main() {
    // Edges: signed zeros, the smallest and largest values, the limits of
    // exact whole numbers (at them and one past), the switch between fixed
    // and scientific notation, and values that are shortest with 17 digits.
    const std::vector<double> doubles = {0.0, -0.0, 5e-324, 2.2250738585072014e-308, 1.7976931348623157e308,
        9007199254740992.0, 9007199254740993.0, 9007199254740994.0, 1e15, 1e16, 1e20, 1e21, 1e22, 1e23,
        123456789012345680000.0, 0.1, 0.2, 0.3, 1.0 / 3.0, 2.0 / 3.0, 0.5, 2.5, -2.5, 1e-5, 1e-4, 0.001,
        0.1 + 0.2, 5e-7, 1e-7, 100.0, 123.456, -987.654321, 0.104400, 323.10988842807, 2147483.647};
    for (double v : doubles) doubleLine(v);
    for (int e = -320; e <= 308; e += 7) doubleLine(std::pow(10.0, e));
    const std::vector<float> floats = {0.0f, -0.0f, 1e-45f, 1.17549435e-38f, 3.40282347e38f, 16777215.0f,
        16777216.0f, 16777218.0f, 33554432.0f, 0.1f, 1.0f / 3.0f, 1e20f, 0.0001f, 123.5f, -599.25f, 60.000008f};
    for (float v : floats) floatLine(v);
    const std::vector<std::string> texts = {"0", "0.1", "123.456", "1e4000", "1e-5000", "1e-4940", "1e-320",
        "4.9406564584124654e-324", "1.7976931348623157e308", "1.7976931348623159e308", "12.", ".5", "abc", "",
        "1e", "3.14159265358979323846264338327950288", "100000000000000000000000", "2147483.647", "0.0001"};
    for (const std::string& s : texts) parseLine(s);

    std::uint64_t state = 20260101;
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = next(state);
        double d;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(d)) doubleLine(d);
        const auto small = static_cast<std::uint32_t>(bits >> 32);
        float f;
        std::memcpy(&f, &small, sizeof f);
        // Fixed texts of very large floats are long; those of the sizes a
        // profile has are what the program shows.
        if (std::isfinite(f) && std::fabs(f) < 1e12f) floatLine(f);
        // Values of the sizes the program's numbers have, with few digits.
        doubleLine(static_cast<double>(static_cast<std::int64_t>(bits % 2000001) - 1000000) / 1000.0);
        parseLine(text(static_cast<double>(static_cast<std::int64_t>(bits % 20000001) - 10000000) / 10000.0));
    }
}
