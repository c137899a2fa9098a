// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Profiles for the display tests, written straight into a figure store.
#include "support/FigureBuilder.h"

namespace vantor::test {

using Profile = Points;

// A vase from its foot on the axis up to the lip.
Profile vaseProfile(int vertices = 40);
// A zig-zag whose segments repeat, so that many midpoints lie at equal
// distances from the eye.
Profile repeatedProfile(int vertices);

}  // namespace vantor::test
