// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The brightness the display offers on its bar: from 21 up to a maximum
// that grows with the light's distance. A bar whose thumb stands above a new
// maximum is pulled down to it, and the brightness with it.
#include <algorithm>
#include <cstdint>

#include "model/options/DisplayOptions.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

struct BrightnessRange {
    static constexpr std::int32_t Min = 21;
    // Where the bar's thumb stands on a fresh display: the factory brightness.
    static constexpr std::int32_t FactoryThumb = 1000;

    // (lightDistRate + 3)² × 255, rounded, and never below Min.
    static std::int32_t maxOf(const DisplayOptions& o) {
        const long double rate = o.lightDistRate + 3;
        return std::max<std::int32_t>(Min, roundI32(rate * 255 * rate));
    }
};

}  // namespace vantor
