// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small text and number routines shared by the file formats, the editor's
// input boxes and the display's option menus.
#include <string>

namespace vantor {

// round(value * 1000) * 0.001: product in extended precision, rounded half
// to even to a 32-bit integer, result stored as f32.
float roundTo3(float value);
// Every space (code 32) removed.
std::string removeSpaces(const std::string& s);
// Non-empty and only "0".."9".
bool isDigits(const std::string& s);
// A plain signed decimal: optional leading sign, digits with at most one
// point, at least one digit; nothing else.
bool isSignedDecimal(const std::string& s);
// Equal after each is rounded to double precision.
bool sameFloat(double a, long double b);

}  // namespace vantor
