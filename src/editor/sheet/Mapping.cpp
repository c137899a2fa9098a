// Sheet pixels and data coordinates, the placement rules for points, and the
// rigid adjustments of the work figure.
#include <algorithm>

#include "editor/TGEditF.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

namespace {
// Pixel positions stop this far from the sheet. Every sum the editor forms
// of a few positions (marker boxes, midpoints, mirrored corners, grid
// steps) then stays inside 32 bits, however far off the sheet a vertex lies.
constexpr std::int64_t PixelLimit = std::int64_t(1) << 28;
std::int32_t pixelPosition(f80 v) { return static_cast<std::int32_t>(std::clamp(roundHalfEven(v), -PixelLimit, PixelLimit)); }
}  // namespace

// One data unit is one sheet pixel; x grows leftwards from the axis column,
// y upwards from the base row. The sums are formed in extended precision.
std::int32_t TGEditF::d2x(float x) { return pixelPosition(static_cast<f80>(AxisColumn) - static_cast<f80>(x)); }
std::int32_t TGEditF::v2y(float y) { return pixelPosition(static_cast<f80>(BaseRow) - static_cast<f80>(y)); }
float TGEditF::x2d(std::int32_t column) { return static_cast<float>(AxisColumn - static_cast<f80>(column)); }
float TGEditF::y2v(std::int32_t row) { return static_cast<float>(BaseRow - static_cast<f80>(row)); }

void TGEditF::adjustGrid(IntPoint& p) const {
    if (x2d(p.x) < 0) p.x = AxisColumn;
    if (mnGFix.checked()) {
        const f80 step = gridStep;
        const std::int64_t gx = roundHalfEven(static_cast<f80>(x2d(p.x)) / step) * gridStep;
        const std::int64_t gy = roundHalfEven(static_cast<f80>(y2v(p.y)) / step) * gridStep;
        p.x = d2x(static_cast<float>(gx));
        p.y = v2y(static_cast<float>(gy));
    }
}

void TGEditF::getOutline() {
    outline.maxPX = outline.maxPY = -10000;
    outline.minPX = outline.minPY = 10000;
    for (int i = 0; i < work.count; ++i) {
        const IntPoint& p = work.pixel[static_cast<std::size_t>(i)];
        outline.minPX = std::min(outline.minPX, p.x);
        outline.maxPX = std::max(outline.maxPX, p.x);
        outline.minPY = std::min(outline.minPY, p.y);
        outline.maxPY = std::max(outline.maxPY, p.y);
    }
    outline.midPX = (outline.maxPX + outline.minPX) / 2;
    outline.midPY = (outline.minPY + outline.maxPY) / 2;
}

void TGEditF::recomputePixels(FigureBuffer& buffer) {
    for (int i = 0; i < buffer.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        buffer.pixel[k] = pixelOf(buffer.x[k], buffer.y[k]);
    }
}

// Moves the work figure rigidly so that its first vertex obeys the placement
// rules; one grid step back to the left if that pushed a vertex past the axis.
void TGEditF::zukeiAdjustGrid() {
    if (work.count == 0) return;
    const IntPoint p = work.pixel[0];
    const IntPoint q = adjusted(p);
    for (int i = 0; i < work.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        work.x[k] = static_cast<float>(static_cast<f80>(work.x[k]) + (p.x - q.x));
        work.y[k] = static_cast<float>(static_cast<f80>(work.y[k]) + (p.y - q.y));
        work.pixel[k] = pixelOf(work.x[k], work.y[k]);
    }
    getOutline();
    if (outline.maxPX > AxisColumn) {
        for (int i = 0; i < work.count; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            work.pixel[k].x -= gridStep;
            work.x[k] = static_cast<float>(static_cast<f80>(work.x[k]) + gridStep);
        }
    }
}

void TGEditF::zukeiLeftOfAxis() {
    getOutline();
    const float m = x2d(outline.maxPX);
    if (m < 0) {
        for (int i = 0; i < work.count; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            work.x[k] = static_cast<float>(static_cast<f80>(work.x[k]) - m);
            work.pixel[k].x = d2x(work.x[k]);
        }
    }
}

}  // namespace vantor
