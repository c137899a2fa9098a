// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Profiles.h"

#include <cmath>

namespace vantor::test {

Profile vaseProfile(int vertices) {
    Profile p;
    p.emplace_back(0.0f, -120.0f);
    for (int i = 0; i < vertices - 1; ++i) {
        const double t = static_cast<double>(i) / (vertices - 2);
        const double y = -120 + 240 * t;
        const double r = 60 + 35 * std::sin(t * 5.5) + 20 * t;
        p.emplace_back(static_cast<float>(r), static_cast<float>(y));
    }
    return p;
}

Profile repeatedProfile(int vertices) {
    Profile p;
    for (int i = 0; i < vertices; ++i) p.emplace_back(i % 2 == 0 ? 40.0f : 80.0f, (i % 4 < 2) ? -30.0f : 30.0f);
    return p;
}

}  // namespace vantor::test
