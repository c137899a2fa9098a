// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a picture of another size than the window's 600 x 400 shows options
// made for that size: the solid is enlarged by the smaller of the two size
// ratios, so that it fills the picture as it fills the window, and the
// screen origin keeps its offset from the picture's centre, enlarged alike.
// centerX and centerY stay in pixels of the 600 x 400 picture, so an option
// file means the same picture at every size.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "model/options/DisplayOptions.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

struct PictureScale {
    int width = DisplayPictureWidth;
    int height = DisplayPictureHeight;

    bool isStandard() const { return width == DisplayPictureWidth && height == DisplayPictureHeight; }
    // Picture pixels per pixel of the 600 x 400 picture.
    double factor() const {
        return std::min(double(width) / DisplayPictureWidth, double(height) / DisplayPictureHeight);
    }
    // A move of `pixels` on this picture as a move of the screen origin: the
    // nearest whole number of standard pixels, and at least one for any move,
    // so that every drag or typed offset moves the picture.
    std::int32_t originOffset(std::int64_t pixels) const {
        if (isStandard() || pixels == 0) return clampToI32(pixels);
        const std::int64_t steps = roundHalfEven(static_cast<long double>(pixels) / factor());
        if (steps != 0) return clampToI32(steps);
        return pixels < 0 ? -1 : 1;
    }
};

}  // namespace vantor
