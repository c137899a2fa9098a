// Sheet pixels and data coordinates, the placement rules for points, and the
// rigid adjustments of the work figure.
#include <algorithm>

#include "windows/editor/TGEditF.h"
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
        const f80 step = m_settings.gridStep;
        const std::int64_t gx = roundHalfEven(static_cast<f80>(x2d(p.x)) / step) * m_settings.gridStep;
        const std::int64_t gy = roundHalfEven(static_cast<f80>(y2v(p.y)) / step) * m_settings.gridStep;
        p.x = d2x(static_cast<float>(gx));
        p.y = v2y(static_cast<float>(gy));
    }
}

void TGEditF::getOutline() {
    m_pick.outline.maxPX = m_pick.outline.maxPY = -10000;
    m_pick.outline.minPX = m_pick.outline.minPY = 10000;
    for (int i = 0; i < m_work.count; ++i) {
        const IntPoint& p = m_work.pixel[static_cast<std::size_t>(i)];
        m_pick.outline.minPX = std::min(m_pick.outline.minPX, p.x);
        m_pick.outline.maxPX = std::max(m_pick.outline.maxPX, p.x);
        m_pick.outline.minPY = std::min(m_pick.outline.minPY, p.y);
        m_pick.outline.maxPY = std::max(m_pick.outline.maxPY, p.y);
    }
    m_pick.outline.midPX = (m_pick.outline.maxPX + m_pick.outline.minPX) / 2;
    m_pick.outline.midPY = (m_pick.outline.minPY + m_pick.outline.maxPY) / 2;
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
    if (m_work.count == 0) return;
    const IntPoint p = m_work.pixel[0];
    const IntPoint q = adjusted(p);
    for (int i = 0; i < m_work.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        m_work.x[k] = static_cast<float>(static_cast<f80>(m_work.x[k]) + (p.x - q.x));
        m_work.y[k] = static_cast<float>(static_cast<f80>(m_work.y[k]) + (p.y - q.y));
        m_work.pixel[k] = pixelOf(m_work.x[k], m_work.y[k]);
    }
    getOutline();
    if (m_pick.outline.maxPX > AxisColumn) {
        for (int i = 0; i < m_work.count; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            m_work.pixel[k].x -= m_settings.gridStep;
            m_work.x[k] = static_cast<float>(static_cast<f80>(m_work.x[k]) + m_settings.gridStep);
        }
    }
}

void TGEditF::zukeiLeftOfAxis() {
    getOutline();
    const float m = x2d(m_pick.outline.maxPX);
    if (m < 0) {
        for (int i = 0; i < m_work.count; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            m_work.x[k] = static_cast<float>(static_cast<f80>(m_work.x[k]) - m);
            m_work.pixel[k].x = d2x(m_work.x[k]);
        }
    }
}

}  // namespace vantor
