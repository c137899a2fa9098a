// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers in the text formats, independent of the process locale (the GUI
// toolkit may switch it to one with a decimal comma): "." is always the
// decimal point.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

enum class Exponent { Allowed, Refused };

// Optional sign, digits with at most one point (at least one digit), and,
// when allowed, an exponent "e" or "E" with optional sign and digits.
// Spaces around the number are allowed. The value in extended precision;
// nothing when the text is not such a number.
std::optional<long double> parseDecimal(std::string_view text, Exponent exponent);
// Optional sign and decimal digits, spaces around allowed, within 32 bits.
std::optional<std::int32_t> parseInteger(std::string_view text);
// A value stored in single precision; nothing when it is not finite there.
std::optional<float> toFiniteF32(long double value);

// General number format with up to 15 significant digits in fixed notation:
// no exponent, trailing zeros and a trailing point removed, "-" for
// negatives, "0" for zero. 0.1f gives 0.100000001490116.
std::string formatGeneral15(double value);
// The shortest plain decimal, without exponent, that reads back to the same
// single-precision value ("2.5", "0.1", "0.0000000000014376696"), as an
// input box shows a value stored in single precision: the box accepts the
// text it proposes.
std::string shortestDecimal(float value);

// Fixed notation with `decimals` digits after "." (rounded to nearest), as
// "%.*f" prints in the C locale, whatever locale the process has.
std::string formatFixed(double value, int decimals);

// Removes a UTF-8 byte-order mark from the start of a file's first line.
void dropByteOrderMark(std::string& firstLine);

}  // namespace vantor
