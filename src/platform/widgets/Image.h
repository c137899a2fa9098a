// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture control showing a Bitmap owned elsewhere; receives mouse events.
#include <functional>

#include "platform/pixels/Bitmap.h"
#include "platform/widgets/Control.h"

namespace vantor {

enum ShiftFlags : unsigned { ShiftNone = 0, ShiftShift = 1, ShiftCtrl = 2, ShiftAlt = 4, ShiftLeft = 8, ShiftRight = 16, ShiftMiddle = 32 };

class Image : public Control {
public:
    Image(Form& owner, std::string name) : Control(owner, ControlKind::Image, std::move(name)) {}
    Bitmap* picture() const { return m_picture; }
    void setPicture(Bitmap* picture);
    bool stretch() const { return m_stretch; }
    void setStretch(bool s);
    // The bitmap's pixels changed: the host repaints.
    void invalidate() { notifyChanged(); }

    std::function<void(MouseButton, unsigned shift, int x, int y)> onMouseDown;
    std::function<void(unsigned shift, int x, int y)> onMouseMove;
    std::function<void(MouseButton, unsigned shift, int x, int y)> onMouseUp;
    // The wheel turned by delta (120 a notch; positive away from the user).
    std::function<void(int delta, unsigned shift, int x, int y)> onMouseWheel;
    std::function<void()> onClick;
    // The second press of a double click. Without a handler the host reports
    // it as an ordinary press.
    std::function<void(MouseButton, unsigned shift, int x, int y)> onDblClick;

private:
    Bitmap* m_picture = nullptr;
    bool m_stretch = false;
};

}  // namespace vantor
