// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/tools/DrawingTool.h"

#include <cmath>

#include "platform/numbers/Numbers.h"
#include "windows/editor/toolkit/Context.h"
#include "windows/editor/toolkit/FigureBuffer.h"

namespace vantor::edit {

void DrawingTool::appendPoint(IntPoint p) {
    m_editor.work().append(sheetToDataX(p.x), sheetToDataY(p.y), p);
}

void DrawingTool::beginFigure(int x, int y) {
    if (m_editor.otherButton()) return;
    m_start = m_editor.adjusted({x, y});
    m_current = m_start;
    m_editor.work().clear();
    appendPoint(m_start);
    m_rubberShown = false;
    m_editor.setDragging(true);
    m_editor.selectRubberPen();
}

void DrawingTool::showPreview(IntPoint p) {
    erasePreview();
    m_current = p;
    preview(m_current);
    m_rubberShown = true;
}

void DrawingTool::addLine(IntPoint p, IntPoint q) {
    FigureBuffer& work = m_editor.work();
    const float px = sheetToDataX(p.x);
    const float py = sheetToDataY(p.y);
    const float dx = static_cast<float>(static_cast<f80>(sheetToDataX(q.x)) - px);
    const float dy = static_cast<float>(static_cast<f80>(sheetToDataY(q.y)) - py);
    const float length = static_cast<float>(std::sqrt(static_cast<f80>(dx) * dx + static_cast<f80>(dy) * dy));
    std::int64_t n = roundHalfEven(static_cast<f80>(length) / m_editor.vertexSpacing());
    if (n < 1) n = 1;
    // A segment that cannot fit is not generated in part.
    if (n > FigureBuffer::Capacity - work.count) {
        work.overflow = true;
        return;
    }
    const float stepX = static_cast<float>(static_cast<f80>(dx) / n);
    const float stepY = static_cast<float>(static_cast<f80>(dy) / n);
    for (std::int64_t j = 1; j <= n; ++j) {
        const float vx = static_cast<float>(px + j * static_cast<f80>(stepX));
        const float vy = static_cast<float>(py + j * static_cast<f80>(stepY));
        work.append(vx, vy, pixelOf(vx, vy));
    }
}

}  // namespace vantor::edit
