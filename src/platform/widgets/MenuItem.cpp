// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/MenuItem.h"

namespace vantor {

MenuItem::MenuItem(std::string name, std::string caption) : m_name(std::move(name)), m_caption(std::move(caption)) {}

void MenuItem::setCaption(std::string c) {
    m_caption = std::move(c);
    changed();
}

void MenuItem::setChecked(bool c) {
    if (c && m_radio && m_parent) {
        for (MenuItem* sibling : m_parent->m_items) {
            if (sibling != this && sibling->m_radio && sibling->m_group == m_group && sibling->m_checked) {
                sibling->m_checked = false;
                sibling->changed();
            }
        }
    }
    if (c == m_checked) return;
    m_checked = c;
    changed();
}

void MenuItem::setEnabled(bool e) {
    if (e == m_enabled) return;
    m_enabled = e;
    changed();
}

void MenuItem::setVisible(bool v) {
    if (v == m_visible) return;
    m_visible = v;
    changed();
}

void MenuItem::setRadio(int groupIndex) {
    m_radio = true;
    m_group = groupIndex;
}

void MenuItem::add(MenuItem& child) {
    child.m_parent = this;
    m_items.push_back(&child);
    changed();
}

void MenuItem::click() {
    if (!m_enabled || !m_visible) return;
    if (onClick) onClick();
}

}  // namespace vantor
