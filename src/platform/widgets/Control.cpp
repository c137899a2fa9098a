// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/Control.h"

#include "platform/widgets/Form.h"

namespace vantor {

Control::Control(Form& owner, ControlKind kind, std::string name) : m_owner(owner), m_kind(kind), m_name(std::move(name)) {
    m_font = owner.font();
    owner.addControl(this);
}

void Control::setBounds(int left, int top, int width, int height) {
    IntRect r{left, top, left + width, top + height};
    if (r == m_bounds) return;
    m_bounds = r;
    changed();
}

void Control::setVisible(bool v) {
    if (v == m_visible) return;
    m_visible = v;
    changed();
}

void Control::setEnabled(bool e) {
    if (e == m_enabled) return;
    m_enabled = e;
    changed();
}

void Control::setHint(std::string h) {
    m_hint = std::move(h);
    changed();
}

void Control::setFont(Font f) {
    m_font = std::move(f);
    changed();
}

void Control::setColor(TColor c) {
    m_color = c;
    m_transparent = false;
    changed();
}

void Control::setTransparent(bool t) {
    m_transparent = t;
    changed();
}

}  // namespace vantor
