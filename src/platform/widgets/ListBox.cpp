// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/ListBox.h"

#include <algorithm>

#include "platform/widgets/ProgressBar.h"

namespace vantor {

void ListBox::setItems(std::vector<std::string> items) {
    m_items = std::move(items);
    if (m_index >= count()) m_index = -1;
    changed();
}

void ListBox::add(std::string item) {
    m_items.push_back(std::move(item));
    changed();
}

void ListBox::insert(int index, std::string item) {
    index = std::clamp(index, 0, count());
    m_items.insert(m_items.begin() + index, std::move(item));
    if (m_index >= index) ++m_index;
    changed();
}

void ListBox::remove(int index) {
    if (index < 0 || index >= count()) return;
    m_items.erase(m_items.begin() + index);
    if (m_index >= count()) m_index = count() - 1;
    changed();
}

void ListBox::setItem(int index, std::string item) {
    if (index < 0 || index >= count()) return;
    m_items[static_cast<std::size_t>(index)] = std::move(item);
    changed();
}

void ListBox::clear() {
    m_items.clear();
    m_index = -1;
    changed();
}

void ListBox::setItemIndex(int i) {
    int v = (i >= 0 && i < count()) ? i : -1;
    if (v == m_index) return;
    m_index = v;
    changed();
}

void ListBox::clickRow(int i) {
    if (!enabled()) return;
    setItemIndex(i);
    if (onClick) onClick();
}

void ListBox::mouseUp(MouseButton button, int row) {
    if (!enabled()) return;
    if (button == MouseButton::Left && row >= 0) setItemIndex(row);
    if (onMouseUp) onMouseUp(button);
}

void Edit::setText(std::string t) {
    if (t == m_text) return;
    m_text = std::move(t);
    changed();
    if (onChange) onChange();
}

void ProgressBar::setRange(int min, int max) {
    m_min = min;
    m_max = std::max(min, max);
    m_position = std::clamp(m_position, m_min, m_max);
    changed();
}

void ProgressBar::setPosition(int p) {
    p = std::clamp(p, m_min, m_max);
    if (p == m_position) return;
    m_position = p;
    changed();
}

}  // namespace vantor
