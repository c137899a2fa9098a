// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/Image.h"

#include "platform/widgets/Timer.h"

namespace vantor {

void Image::setPicture(Bitmap* picture) {
    m_picture = picture;
    notifyChanged();
}

void Image::setStretch(bool s) {
    m_stretch = s;
    notifyChanged();
}

void Timer::setEnabled(bool e) {
    if (e == m_enabled) return;
    m_enabled = e;
    changed();
}

void Timer::setInterval(int ms) {
    if (ms == m_interval) return;
    m_interval = ms;
    changed();
}

}  // namespace vantor
