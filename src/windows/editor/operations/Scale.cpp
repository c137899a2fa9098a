// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/operations/Scale.h"

#include "platform/numbers/Numbers.h"
#include "windows/editor/toolkit/Context.h"
#include "windows/editor/toolkit/FigureBuffer.h"

namespace vantor::edit {

Scale::Scale(Context& editor)
    : TypedTransform(editor, {"拡大・縮小倍率", "この図形を何倍にしますか？（0.1以上10以下）", "1", 0.1, 10}) {}

void Scale::apply(float factor, float cx, float cy) {
    FigureBuffer& work = m_editor.work();
    for (int i = 0; i < work.count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        work.x[k] = static_cast<float>(cx + factor * (static_cast<f80>(work.x[k]) - cx));
        work.y[k] = static_cast<float>(cy + factor * (static_cast<f80>(work.y[k]) - cy));
    }
}

}  // namespace vantor::edit
