// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window-message timer. The host fires tick() every interval while enabled;
// tests call tick() themselves.
#include <functional>

#include "platform/signals/Observable.h"

namespace vantor {

class Timer : public Observable {
public:
    bool enabled() const { return m_enabled; }
    void setEnabled(bool e);
    int interval() const { return m_interval; }
    void setInterval(int ms);
    std::function<void()> onTimer;
    void tick() {
        if (m_enabled && onTimer) onTimer();
    }

private:
    bool m_enabled = true;
    int m_interval = 1000;
};

}  // namespace vantor
