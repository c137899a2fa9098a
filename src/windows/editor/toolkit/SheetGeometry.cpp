// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/toolkit/SheetGeometry.h"

#include <algorithm>

#include "platform/numbers/Numbers.h"
#include "windows/editor/toolkit/FigureBuffer.h"

namespace vantor {

namespace {
// Pixel positions stop this far from the sheet. Every sum the editor forms
// of a few positions (marker boxes, midpoints, mirrored corners, grid
// steps) then stays inside 32 bits, however far off the sheet a vertex lies.
constexpr std::int64_t PixelLimit = std::int64_t(1) << 28;
std::int32_t pixelPosition(f80 v) { return static_cast<std::int32_t>(std::clamp(roundHalfEven(v), -PixelLimit, PixelLimit)); }
}  // namespace

// The sums are formed in extended precision.
std::int32_t SheetGeometry::dataToSheetX(float x) { return pixelPosition(static_cast<f80>(AxisColumn) - static_cast<f80>(x)); }
std::int32_t SheetGeometry::dataToSheetY(float y) { return pixelPosition(static_cast<f80>(BaseRow) - static_cast<f80>(y)); }
float SheetGeometry::sheetToDataX(std::int32_t column) { return static_cast<float>(AxisColumn - static_cast<f80>(column)); }
float SheetGeometry::sheetToDataY(std::int32_t row) { return static_cast<float>(BaseRow - static_cast<f80>(row)); }

Outline getOutline(const FigureBuffer& buffer) {
    Outline o;
    o.maxPX = o.maxPY = -10000;
    o.minPX = o.minPY = 10000;
    for (int i = 0; i < buffer.count; ++i) {
        const IntPoint& p = buffer.pixel[static_cast<std::size_t>(i)];
        o.minPX = std::min(o.minPX, p.x);
        o.maxPX = std::max(o.maxPX, p.x);
        o.minPY = std::min(o.minPY, p.y);
        o.maxPY = std::max(o.maxPY, p.y);
    }
    o.midPX = (o.maxPX + o.minPX) / 2;
    o.midPY = (o.minPY + o.maxPY) / 2;
    return o;
}

void recomputePixels(FigureBuffer& buffer) {
    for (int i = 0; i < buffer.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        buffer.pixel[k] = SheetGeometry::pixelOf(buffer.x[k], buffer.y[k]);
    }
}

}  // namespace vantor
