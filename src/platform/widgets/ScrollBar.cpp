// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/ScrollBar.h"

#include <algorithm>

namespace vantor {

ScrollBar::ScrollBar(Form& owner, std::string name, Orientation orientation)
    : Control(owner, ControlKind::ScrollBar, std::move(name)), m_orientation(orientation) {}

void ScrollBar::setPosition(int p) { apply(p, m_min, m_max); }
void ScrollBar::setMin(int m) { apply(m_position, m, std::max(m, m_max)); }
void ScrollBar::setMax(int m) { apply(m_position, std::min(m_min, m), m); }
void ScrollBar::setParams(int position, int min, int max) { apply(position, min, std::max(min, max)); }

void ScrollBar::apply(int position, int min, int max) {
    int p = std::clamp(position, min, max);
    bool moved = p != m_position;
    bool rangeChanged = min != m_min || max != m_max;
    m_min = min;
    m_max = max;
    m_position = p;
    if (moved || rangeChanged) changed();
    if (moved && onChange) onChange();
}

}  // namespace vantor
