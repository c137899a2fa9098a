// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers/SharedRoutines.h"

#include "platform/numbers/Numbers.h"

namespace vantor {

float roundTo3(float value) {
    long double product = static_cast<long double>(value) * 1000.0L;
    std::int32_t n = roundI32(product);
    return static_cast<float>(static_cast<long double>(n) * 0.001L);
}

std::string removeSpaces(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

bool isDigits(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

bool isSignedDecimal(const std::string& s) {
    if (s.empty()) return false;
    bool result = true, digit = false, point = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '+' || c == '-') {
            if (i != 0) result = false;
        } else if (c == '.') {
            if (point) result = false;
            point = true;
        } else if (c >= '0' && c <= '9') {
            digit = true;
        } else {
            result = false;
        }
    }
    return result && digit;
}

bool sameFloat(double a, long double b) { return a == static_cast<double>(b); }

}  // namespace vantor
