// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives a Timer model with a QTimer.
#include <QObject>
#include <QTimer>

namespace vantor {
class Timer;
class Program;
}  // namespace vantor

namespace vantor::qt {

class TimerHost : public QObject {
public:
    TimerHost(vantor::Timer& timer, vantor::Program& program);
    ~TimerHost() override;

private:
    void sync();
    vantor::Timer& m_timer;
    vantor::Program& m_program;
    QTimer m_qtimer;
    int m_sub = 0;
};

}  // namespace vantor::qt
