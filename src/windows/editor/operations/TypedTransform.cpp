// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/operations/TypedTransform.h"

#include "windows/editor/toolkit/Context.h"
#include "windows/editor/toolkit/FigureBuffer.h"

namespace vantor::edit {

void TypedTransform::transformPicked(int x, int y) {
    if (!m_editor.pickable() || m_editor.otherButton()) return;
    m_editor.pickNearestFigure(x, y);
    const Outline outline = getOutline(m_editor.work());
    long double typed = 0;
    const bool answered = m_editor.askDecimal(m_question.caption, m_question.prompt, m_question.initial, typed);
    const float value = static_cast<float>(typed);
    if (answered && value >= m_question.least && value <= m_question.most) {
        apply(value, sheetToDataX(outline.midPX), sheetToDataY(outline.midPY));
        recomputePixels(m_editor.work());
    }
    m_editor.keepWorkFigureLeftOfAxis();
    m_editor.snapWorkFigure();
    m_editor.commitEditedFigure();
}

}  // namespace vantor::edit
