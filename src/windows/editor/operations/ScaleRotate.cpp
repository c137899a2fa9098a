// Scaling and rotating a figure about the centre of its pixel outline, by a
// factor or an angle typed into an input box. Whatever the answer, the figure
// goes back left of the axis and with its first vertex on the grid.
#include <cmath>

#include "windows/editor/TGEditF.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

namespace {
constexpr f80 Pi = 3.14159265358979323846264338327950288L;
}

void TGEditF::putBackAdjusted() {
    zukeiLeftOfAxis();
    zukeiAdjustGrid();
    EditDetDraw();
}

void TGEditF::detMagnifyZukei(int x, int y) {
    if (!pickable() || otherButton()) return;
    searchNearestAndLoadZukei(x, y);
    getOutline();
    long double typed = 0;
    const bool answered = askDecimal("拡大・縮小倍率", "この図形を何倍にしますか？（0.1以上10以下）", "1", typed);
    const float f = static_cast<float>(typed);  // the range applies to the single-precision factor
    if (answered && f >= 0.1 && f <= 10) {
        const float cx = x2d(m_pick.outline.midPX);
        const float cy = y2v(m_pick.outline.midPY);
        for (int i = 0; i < m_work.count; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            m_work.x[k] = static_cast<float>(cx + f * (static_cast<f80>(m_work.x[k]) - cx));
            m_work.y[k] = static_cast<float>(cy + f * (static_cast<f80>(m_work.y[k]) - cy));
        }
        recomputePixels(m_work);
    }
    putBackAdjusted();
}

// Data x runs leftwards, so the negated angle turns a positive value
// counter-clockwise as seen on the sheet.
void TGEditF::detRotateZukei(int x, int y) {
    if (!pickable() || otherButton()) return;
    searchNearestAndLoadZukei(x, y);
    getOutline();
    long double typed = 0;
    const bool answered = askDecimal("回転角度", "この図形を何度回転しますか？（-360以上360以下）", "0", typed);
    const float a = static_cast<float>(typed);
    if (answered && a >= -360 && a <= 360) {
        const float theta = static_cast<float>(-static_cast<f80>(a) * Pi / 180);
        const float c = static_cast<float>(std::cos(static_cast<f80>(theta)));
        const float s = static_cast<float>(std::sin(static_cast<f80>(theta)));
        const float cx = x2d(m_pick.outline.midPX);
        const float cy = y2v(m_pick.outline.midPY);
        for (int i = 0; i < m_work.count; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            const float dx = static_cast<float>(static_cast<f80>(m_work.x[k]) - cx);
            const float dy = static_cast<float>(static_cast<f80>(m_work.y[k]) - cy);
            m_work.x[k] = static_cast<float>(cx + (static_cast<f80>(dx) * c - static_cast<f80>(dy) * s));
            m_work.y[k] = static_cast<float>(cy + (static_cast<f80>(dx) * s + static_cast<f80>(dy) * c));
        }
        recomputePixels(m_work);
    }
    putBackAdjusted();
}

}  // namespace vantor
