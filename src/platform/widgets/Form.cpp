// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/Form.h"

#include <algorithm>

#include "platform/widgets/SpeedButton.h"
#include "platform/widgets/VirtualKey.h"

namespace vantor {

Form::Form(std::string name) : m_name(std::move(name)) {}

void Form::setCaption(std::string c) {
    if (c == m_caption) return;
    m_caption = std::move(c);
    changed();
}

void Form::setBounds(int left, int top, int width, int height) {
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    changed();
}

int Form::clientWidth() const { return m_width - 2 * FrameMetrics::border; }

int Form::clientHeight() const {
    return m_height - 2 * FrameMetrics::border - FrameMetrics::caption - (hasMenu() ? FrameMetrics::menu : 0);
}

void Form::setClientSize(int width, int height) {
    setSize(width + 2 * FrameMetrics::border,
            height + 2 * FrameMetrics::border + FrameMetrics::caption + (hasMenu() ? FrameMetrics::menu : 0));
}

void Form::setMinClientSize(int width, int height) {
    m_minClientWidth = std::max(1, width);
    m_minClientHeight = std::max(1, height);
}

void Form::resizeClient(int width, int height) {
    if (!resizable()) return;
    width = std::max(width, m_minClientWidth);
    height = std::max(height, m_minClientHeight);
    if (width == clientWidth() && height == clientHeight()) return;
    setClientSize(width, height);
    FormResize();
}

void Form::show() {
    if (m_visible) {
        changed();  // brings it to the front
        return;
    }
    m_visible = true;
    FormShow();
    changed();
}

void Form::hide() {
    if (!m_visible) return;
    m_visible = false;
    FormHide();
    changed();
}

void Form::close() {
    if (!FormCloseQuery()) return;
    FormClose();
    if (modalResult == mrNone && m_modal) setModalResult(mrCancel);
    hide();
}

bool Form::dialogKey(int key) {
    if (key != vk::Return && key != vk::Escape) return false;
    for (Control* c : m_controls) {
        auto* b = dynamic_cast<Button*>(c);
        if (!b || !b->visible() || !b->enabled()) continue;
        if (key == vk::Return ? b->isDefault : b->isCancel) {
            b->click();
            return true;
        }
    }
    return false;
}

Control* Form::findControl(const std::string& name) const {
    for (Control* c : m_controls)
        if (c->name() == name) return c;
    return nullptr;
}

}  // namespace vantor
