// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scroll bar. The position always lies within min..max; every change of the
// position, whether by the user or the program (also when a lowered max
// pulls it down), fires onChange.
#include <functional>

#include "platform/widgets/Control.h"

namespace vantor {

enum class Orientation { Horizontal, Vertical };

class ScrollBar : public Control {
public:
    ScrollBar(Form& owner, std::string name, Orientation orientation = Orientation::Horizontal);

    Orientation orientation() const { return m_orientation; }
    int min() const { return m_min; }
    int max() const { return m_max; }
    int position() const { return m_position; }
    int smallChange() const { return m_small; }
    int largeChange() const { return m_large; }
    void setSmallChange(int s) { m_small = s; }
    void setLargeChange(int l) { m_large = l; }

    void setPosition(int p);
    void setMin(int m);
    void setMax(int m);
    void setParams(int position, int min, int max);

    std::function<void()> onChange;

private:
    void apply(int position, int min, int max);
    Orientation m_orientation;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    int m_small = 1;
    int m_large = 1;
};

}  // namespace vantor
