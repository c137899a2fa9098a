// SPDX-License-Identifier: GPL-3.0-or-later
// The placement rules for points and the rigid adjustments of the work
// figure.
#include "windows/editor/EditorWindow.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

void EditorWindow::adjustGrid(IntPoint& p) const {
    if (sheetToDataX(p.x) < 0) p.x = AxisColumn;
    if (mnGFix.checked()) {
        const f80 step = m_settings.gridStep;
        const std::int64_t gx = roundHalfEven(static_cast<f80>(sheetToDataX(p.x)) / step) * m_settings.gridStep;
        const std::int64_t gy = roundHalfEven(static_cast<f80>(sheetToDataY(p.y)) / step) * m_settings.gridStep;
        p.x = dataToSheetX(static_cast<float>(gx));
        p.y = dataToSheetY(static_cast<float>(gy));
    }
}

// Moves the work figure rigidly so that its first vertex obeys the placement
// rules; one grid step back to the left if that pushed a vertex past the axis.
void EditorWindow::snapWorkFigure() {
    if (m_work.count == 0) return;
    const IntPoint p = m_work.pixel[0];
    const IntPoint q = adjusted(p);
    for (int i = 0; i < m_work.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        m_work.x[k] = static_cast<float>(static_cast<f80>(m_work.x[k]) + (p.x - q.x));
        m_work.y[k] = static_cast<float>(static_cast<f80>(m_work.y[k]) + (p.y - q.y));
        m_work.pixel[k] = pixelOf(m_work.x[k], m_work.y[k]);
    }
    if (getOutline(m_work).maxPX > AxisColumn) {
        for (int i = 0; i < m_work.count; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            m_work.pixel[k].x -= m_settings.gridStep;
            m_work.x[k] = static_cast<float>(static_cast<f80>(m_work.x[k]) + m_settings.gridStep);
        }
    }
}

void EditorWindow::keepWorkFigureLeftOfAxis() {
    const float m = sheetToDataX(getOutline(m_work).maxPX);
    if (m < 0) {
        for (int i = 0; i < m_work.count; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            m_work.x[k] = static_cast<float>(static_cast<f80>(m_work.x[k]) - m);
            m_work.pixel[k].x = dataToSheetX(m_work.x[k]);
        }
    }
}

}  // namespace vantor
