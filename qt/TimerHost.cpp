// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerHost.h"

#include "app/Program.h"
#include "platform/widgets/Timer.h"

namespace vantor::qt {

TimerHost::TimerHost(Timer& timer, Program& program) : m_timer(timer), m_program(program) {
    QObject::connect(&m_qtimer, &QTimer::timeout, this, [this] { m_program.dispatch([this] { m_timer.tick(); }); });
    m_sub = m_timer.subscribe([this] { sync(); });
    sync();
}

TimerHost::~TimerHost() { m_timer.unsubscribe(m_sub); }

void TimerHost::sync() {
    m_qtimer.setInterval(std::max(1, m_timer.interval()));
    if (m_timer.enabled() && !m_qtimer.isActive()) m_qtimer.start();
    else if (!m_timer.enabled()) m_qtimer.stop();
}

}  // namespace vantor::qt
