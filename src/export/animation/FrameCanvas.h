// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What both animation writers do before encoding: bring a frame onto the
// canvas as plain 0xRRGGBB pixels, and find the rectangle in which it
// differs from the frame before, so that only that rectangle is stored.
#include <cstdint>
#include <vector>

#include "platform/pixels/Bitmap.h"

namespace vantor {

// The frame placed (placeFrame), then cut or padded (fitFrame) to
// width x height, as 0xRRGGBB pixels row by row in `out`.
void canvasPixels(const Bitmap& frame, int width, int height, std::vector<std::uint32_t>& out);

struct CanvasRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
};

// The smallest rectangle holding every pixel where `a` and `b` (both
// width x height) differ; empty when they are equal.
CanvasRect changedRect(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b, int width, int height);

// The pixels of `rect` of a width-wide canvas, row by row.
std::vector<std::uint32_t> cutRect(const std::vector<std::uint32_t>& canvas, int width, const CanvasRect& rect);

}  // namespace vantor
