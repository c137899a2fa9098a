// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/operations/Rotate.h"

#include <cmath>

#include "platform/numbers/Numbers.h"
#include "windows/editor/toolkit/Context.h"
#include "windows/editor/toolkit/FigureBuffer.h"

namespace vantor::edit {

namespace {
constexpr f80 Pi = 3.14159265358979323846264338327950288L;
}

Rotate::Rotate(Context& editor)
    : TypedTransform(editor, {"回転角度", "この図形を何度回転しますか？（-360以上360以下）", "0", -360, 360}) {}

// Data x runs leftwards, so the negated angle turns a positive value
// counter-clockwise as seen on the sheet.
void Rotate::apply(float degrees, float cx, float cy) {
    const float theta = static_cast<float>(-static_cast<f80>(degrees) * Pi / 180);
    const float c = static_cast<float>(std::cos(static_cast<f80>(theta)));
    const float s = static_cast<float>(std::sin(static_cast<f80>(theta)));
    FigureBuffer& work = m_editor.work();
    for (int i = 0; i < work.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const float dx = static_cast<float>(static_cast<f80>(work.x[k]) - cx);
        const float dy = static_cast<float>(static_cast<f80>(work.y[k]) - cy);
        work.x[k] = static_cast<float>(cx + (static_cast<f80>(dx) * c - static_cast<f80>(dy) * s));
        work.y[k] = static_cast<float>(cy + (static_cast<f80>(dx) * s + static_cast<f80>(dy) * c));
    }
}

}  // namespace vantor::edit
