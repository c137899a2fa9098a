// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/SpeedButton.h"

#include "platform/widgets/Form.h"

namespace vantor {

SpeedButton::SpeedButton(Form& owner, std::string name) : Control(owner, ControlKind::SpeedButton, std::move(name)) {}

void SpeedButton::setCaption(std::string c) {
    m_caption = std::move(c);
    changed();
}

void SpeedButton::setGlyph(std::string g) {
    m_glyph = std::move(g);
    changed();
}

void SpeedButton::setDown(bool d) {
    if (d && m_group != 0) {
        for (Control* c : owner().controls()) {
            if (c == this || c->kind() != ControlKind::SpeedButton) continue;
            auto* other = static_cast<SpeedButton*>(c);
            if (other->m_group == m_group && other->m_down) {
                other->m_down = false;
                other->changed();
            }
        }
    }
    if (!d && m_group != 0 && m_down && !m_allowAllUp) return;
    if (d == m_down) return;
    m_down = d;
    changed();
}

void SpeedButton::mouseUp(MouseButton button, int x, int y) {
    if (!enabled() || !visible()) return;
    if (button == MouseButton::Left && m_group != 0) {
        if (m_down && m_allowAllUp) setDown(false);
        else setDown(true);
    }
    if (onMouseUp) onMouseUp(button, x, y);
    if (button == MouseButton::Left && onClick) onClick();
}

void SpeedButton::click() { mouseUp(MouseButton::Left); }

Button::Button(Form& owner, std::string name, std::string caption)
    : Control(owner, ControlKind::Button, std::move(name)), m_caption(std::move(caption)) {}

void Button::setCaption(std::string c) {
    m_caption = std::move(c);
    changed();
}

void Button::click() {
    if (!enabled() || !visible()) return;
    if (onClick) onClick();
    if (modalResult != 0) owner().setModalResult(modalResult);
}

void makeOkCancel(Button& ok, Button& cancel) {
    ok.modalResult = mrOk;
    ok.isDefault = true;
    cancel.modalResult = mrCancel;
    cancel.isCancel = true;
}

RadioButton::RadioButton(Form& owner, std::string name, std::string caption, int group)
    : Control(owner, ControlKind::Button, std::move(name)), m_caption(std::move(caption)), m_group(group) {}

void RadioButton::setChecked(bool c) {
    if (c) {
        for (Control* other : owner().controls()) {
            auto* rb = dynamic_cast<RadioButton*>(other);
            if (rb && rb != this && rb->m_group == m_group && rb->m_checked) {
                rb->m_checked = false;
                rb->changed();
            }
        }
    }
    if (c == m_checked) return;
    m_checked = c;
    changed();
}

void RadioButton::click() {
    if (!enabled() || !visible()) return;
    setChecked(true);
    if (onClick) onClick();
}

}  // namespace vantor
