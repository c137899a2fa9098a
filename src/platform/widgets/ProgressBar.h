// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/widgets/Control.h"

namespace vantor {

class ProgressBar : public Control {
public:
    ProgressBar(Form& owner, std::string name) : Control(owner, ControlKind::ProgressBar, std::move(name)) {}
    int min() const { return m_min; }
    int max() const { return m_max; }
    int position() const { return m_position; }
    void setRange(int min, int max);
    // Clamped to min..max. The host repaints at once, so a long pass shows progress.
    void setPosition(int p);

private:
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
};

}  // namespace vantor
