// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/Label.h"

namespace vantor {

Label::Label(Form& owner, std::string name, std::string caption)
    : Control(owner, ControlKind::Label, std::move(name)), m_caption(std::move(caption)) {}

void Label::setCaption(std::string c) {
    if (c == m_caption) return;
    m_caption = std::move(c);
    changed();
}

}  // namespace vantor
