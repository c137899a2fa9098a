// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Force-included into every source of the browser build (see
// web/CMakeLists.txt). The libc++ that emscripten 3.1.6 ships (13) lacks the
// floating-point overloads of to_chars/from_chars and std::jthread, which the
// native standard library has. This supplies them from the C library's
// correctly rounded printf/strtod so that the texts match the native build
// character for character:
// - to_chars(value): the fewest significant digits that read back to the same
//   value, in fixed or scientific notation, whichever is shorter (fixed on a
//   tie);
// - to_chars(value, fixed): those digits in fixed notation;
// - in fixed notation a whole number beyond the type's exact-integer range is
//   written with all its digits;
// - to_chars(value, fmt, precision): as printf's %.*f, %.*e, %.*g;
// - from_chars: strtod's value; out of the type's range (overflow or
//   underflow) is result_out_of_range, as the native library reports it.
#if defined(__EMSCRIPTEN__) && defined(__cplusplus)
#include <version>
#endif
#if defined(__EMSCRIPTEN__) && defined(__cplusplus) && defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <utility>

namespace vantor_compat {

template <class T>
T readBack(const char* text) {
    if constexpr (std::is_same_v<T, float>) return std::strtof(text, nullptr);
    else if constexpr (std::is_same_v<T, double>) return std::strtod(text, nullptr);
    else return std::strtold(text, nullptr);
}

template <class T>
int printInto(char* buf, std::size_t size, const char* conversion, int precision, T value) {
    char format[8] = "%.*";
    if constexpr (std::is_same_v<T, long double>) std::strcat(format, "L");
    std::strcat(format, conversion);
    if constexpr (std::is_same_v<T, long double>) return std::snprintf(buf, size, format, precision, value);
    else return std::snprintf(buf, size, format, precision, static_cast<double>(value));
}

inline std::to_chars_result copyOut(char* first, char* last, const std::string& text) {
    if (text.size() > static_cast<std::size_t>(last - first)) return {last, std::errc::value_too_large};
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), std::errc{}};
}

// The shortest digits that read back to |value| (> 0, finite) and the decimal
// exponent of the first digit.
template <class T>
std::pair<std::string, int> shortestDigits(T value) {
    char buf[128];
    const int most = std::numeric_limits<T>::max_digits10;
    for (int n = 1; n <= most; ++n) {
        printInto(buf, sizeof buf, "e", n - 1, value);
        if (readBack<T>(buf) == value || n == most) {
            std::string digits;
            const char* p = buf;
            for (; *p != 'e'; ++p)
                if (*p != '.') digits += *p;
            const int exponent = std::atoi(p + 1);
            while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
            return {digits, exponent};
        }
    }
    return {"0", 0};
}

inline std::string fixedFrom(const std::string& digits, int exponent) {
    const int n = static_cast<int>(digits.size());
    if (exponent >= n - 1) return digits + std::string(static_cast<std::size_t>(exponent - (n - 1)), '0');
    if (exponent >= 0) return digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
                              digits.substr(static_cast<std::size_t>(exponent) + 1);
    return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
}

inline std::string scientificFrom(const std::string& digits, int exponent) {
    std::string out = digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    char tail[16];
    std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
    return out + tail;
}

template <class T>
bool special(T value, std::string& text) {
    if (std::isnan(value)) text = std::signbit(value) ? "-nan" : "nan";
    else if (std::isinf(value)) text = value < 0 ? "-inf" : "inf";
    else if (value == 0) text = std::signbit(value) ? "-0" : "0";
    else return false;
    return true;
}

template <class T>
std::to_chars_result shortest(char* first, char* last, T value, bool fixedOnly) {
    std::string text;
    if (special(value, text)) return copyOut(first, last, text);
    const std::string sign = value < 0 ? "-" : "";
    const T magnitude = std::fabs(value);
    const auto [digits, exponent] = shortestDigits(magnitude);
    std::string fixed = fixedFrom(digits, exponent);
    const std::string scientific = scientificFrom(digits, exponent);
    const bool useFixed = fixedOnly || fixed.size() <= scientific.size();
    if (!useFixed) return copyOut(first, last, sign + scientific);
    // Whole numbers past the range where every integer is exact are written
    // with all their digits, not the shortest digits padded with zeros.
    const T exactLimit = std::ldexp(T(1), std::numeric_limits<T>::digits);
    if (magnitude >= exactLimit) {
        char buf[6000];
        printInto(buf, sizeof buf, "f", 0, magnitude);
        fixed = buf;
    }
    return copyOut(first, last, sign + fixed);
}

template <class T>
std::to_chars_result withPrecision(char* first, char* last, T value, std::chars_format fmt, int precision) {
    const char* conversion = fmt == std::chars_format::fixed ? "f" : fmt == std::chars_format::scientific ? "e" : "g";
    std::string text;
    if (special(value, text) && value != 0) return copyOut(first, last, text);
    const int size = printInto<T>(nullptr, 0, conversion, precision, value);
    text.resize(static_cast<std::size_t>(size) + 1);
    printInto(text.data(), text.size(), conversion, precision, value);
    text.pop_back();
    return copyOut(first, last, text);
}

template <class T>
std::from_chars_result parse(const char* first, const char* last, T& value) {
    const std::string text(first, last);
    char* end = nullptr;
    errno = 0;
    T parsed;
    if constexpr (std::is_same_v<T, float>) parsed = std::strtof(text.c_str(), &end);
    else if constexpr (std::is_same_v<T, double>) parsed = std::strtod(text.c_str(), &end);
    else parsed = std::strtold(text.c_str(), &end);
    if (end == text.c_str()) return {first, std::errc::invalid_argument};
    const char* stop = first + (end - text.c_str());
    if (errno == ERANGE) return {stop, std::errc::result_out_of_range};
    value = parsed;
    return {stop, std::errc{}};
}

}  // namespace vantor_compat

namespace std {

#define VANTOR_COMPAT_TO_CHARS(T)                                                                       \
    inline to_chars_result to_chars(char* first, char* last, T value) {                                 \
        return vantor_compat::shortest(first, last, value, false);                                      \
    }                                                                                                   \
    inline to_chars_result to_chars(char* first, char* last, T value, chars_format fmt) {               \
        return fmt == chars_format::fixed ? vantor_compat::shortest(first, last, value, true)           \
                                          : vantor_compat::shortest(first, last, value, false);         \
    }                                                                                                   \
    inline to_chars_result to_chars(char* first, char* last, T value, chars_format fmt, int precision) { \
        return vantor_compat::withPrecision(first, last, value, fmt, precision);                        \
    }                                                                                                   \
    inline from_chars_result from_chars(const char* first, const char* last, T& value,                  \
                                        chars_format = chars_format::general) {                         \
        return vantor_compat::parse(first, last, value);                                                \
    }
VANTOR_COMPAT_TO_CHARS(float)
VANTOR_COMPAT_TO_CHARS(double)
VANTOR_COMPAT_TO_CHARS(long double)
#undef VANTOR_COMPAT_TO_CHARS

// A thread that joins when it goes out of scope; no stop token.
class jthread : public thread {
public:
    using thread::thread;
    jthread(jthread&&) noexcept = default;
    jthread& operator=(jthread&& other) noexcept {
        if (joinable()) join();
        thread::operator=(std::move(other));
        return *this;
    }
    ~jthread() {
        if (joinable()) join();
    }
};

}  // namespace std
#endif
