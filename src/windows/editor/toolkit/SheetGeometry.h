// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sheet's size and the mapping between its pixels and data coordinates.
// One data unit is one sheet pixel; x grows leftwards from the axis column,
// y upwards from the base row.
#include <cstdint>

#include "platform/pixels/Color.h"

namespace vantor {

struct FigureBuffer;

struct SheetGeometry {
    static constexpr int SheetWidth = 305;
    static constexpr int SheetHeight = 245;
    static constexpr int AxisColumn = 302;
    static constexpr int BaseRow = 122;

    static std::int32_t dataToSheetX(float x);
    static std::int32_t dataToSheetY(float y);
    static float sheetToDataX(std::int32_t column);
    static float sheetToDataY(std::int32_t row);
    static IntPoint pixelOf(float x, float y) { return {dataToSheetX(x), dataToSheetY(y)}; }
};

// Pixel bounding box of a figure and its centre.
struct Outline {
    int minPX = 0, maxPX = 0, minPY = 0, maxPY = 0, midPX = 0, midPY = 0;
};

// Over the buffer's pixel points; the centre is truncated toward zero.
Outline getOutline(const FigureBuffer& buffer);
// Sets every pixel point from the vertex's x and y.
void recomputePixels(FigureBuffer& buffer);

}  // namespace vantor
