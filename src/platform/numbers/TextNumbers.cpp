// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers/TextNumbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vantor {

namespace {
std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The shape check comes first so that from_chars never sees what it would
// accept beyond our grammar ("inf", "nan", hexadecimal).
bool isDecimalShape(std::string_view s, Exponent exponent) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) digits = true;
        else if (s[i] == '.' && !point) point = true;
        else break;
    }
    if (!digits) return false;
    if (i == s.size()) return true;
    if (exponent == Exponent::Refused || (s[i] != 'e' && s[i] != 'E')) return false;
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i == s.size()) return false;
    for (; i < s.size(); ++i)
        if (!isDigit(s[i])) return false;
    return true;
}
}  // namespace

std::optional<long double> parseDecimal(std::string_view text, Exponent exponent) {
    std::string_view s = trimSpaces(text);
    if (!isDecimalShape(s, exponent)) return std::nullopt;
    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    long double value = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ptr != s.data() + s.size()) return std::nullopt;
    // Beyond extended precision's range (or below it) is no usable number.
    if (ec != std::errc()) return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::string_view s = trimSpaces(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    for (char c : s)
        if (!isDigit(c)) return std::nullopt;
    std::int64_t v = 0;
    for (char c : s) {
        v = v * 10 + (c - '0');
        if (v > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1) return std::nullopt;
    }
    if (negative) v = -v;
    if (v > std::numeric_limits<std::int32_t>::max() || v < std::numeric_limits<std::int32_t>::min()) return std::nullopt;
    return static_cast<std::int32_t>(v);
}

std::optional<float> toFiniteF32(long double value) {
    if (!std::isfinite(value)) return std::nullopt;
    float f = static_cast<float>(value);
    if (!std::isfinite(f)) return std::nullopt;
    return f;
}

std::string formatFixed(double value, int decimals) {
    char buf[512];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    return r.ec == std::errc{} ? std::string(buf, r.ptr) : std::string();
}

std::string formatGeneral15(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    // 15 significant digits, correctly rounded, as d.dddddddddddddde±x.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    std::string sci(buf, res.ptr);
    std::size_t e = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);
    int exp10 = std::stoi(sci.substr(e + 1));

    std::string intPart, fracPart;
    if (exp10 >= 0) {
        std::size_t n = static_cast<std::size_t>(exp10) + 1;
        if (n >= digits.size()) {
            intPart = digits + std::string(n - digits.size(), '0');
        } else {
            intPart = digits.substr(0, n);
            fracPart = digits.substr(n);
        }
    } else {
        intPart = "0";
        fracPart = std::string(static_cast<std::size_t>(-exp10 - 1), '0') + digits;
    }
    while (!fracPart.empty() && fracPart.back() == '0') fracPart.pop_back();
    std::string out = value < 0 ? "-" : "";
    out += intPart;
    if (!fracPart.empty()) out += "." + fracPart;
    return out;
}

void dropByteOrderMark(std::string& firstLine) {
    if (firstLine.size() >= 3 && firstLine.compare(0, 3, "\xEF\xBB\xBF") == 0) firstLine.erase(0, 3);
}

std::string shortestDecimal(float value) {
    // Fixed notation: the input boxes that show this text take no exponent.
    // The longest, the smallest subnormal, needs 2 + 44 + 2 characters.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

}  // namespace vantor
