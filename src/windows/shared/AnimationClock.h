// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one animation timer, lent in turn to the display's rotation
// simulation and to the scenario's playback. Each of them says once what a
// tick does for it (serve); the one that started the timer last gets the
// ticks. The host drives `timer` (tests tick it themselves).
#include <array>
#include <cstdint>
#include <functional>

#include "platform/widgets/Timer.h"

namespace vantor {

// Which window the timer serves.
enum class TimerClient : std::uint8_t {
    None = 0,
    Simulation = 1,  // the display window's rotation simulation
    Playback = 2,    // the scenario's playback
};

class AnimationClock {
public:
    AnimationClock();
    AnimationClock(const AnimationClock&) = delete;
    AnimationClock& operator=(const AnimationClock&) = delete;

    Timer timer;

    // What a tick does while `client` has the timer.
    void serve(TimerClient client, std::function<void()> onTick);
    // The timer now serves `client`, ticking every `interval` milliseconds.
    void start(TimerClient client, std::int32_t interval);
    // The period starts again from now, with a new interval; same client.
    void restart(std::int32_t interval);
    // No more ticks until the next start; the client stays named.
    void stop() { timer.setEnabled(false); }
    TimerClient client() const { return m_client; }

private:
    void tick();
    TimerClient m_client = TimerClient::None;
    std::array<std::function<void()>, 3> m_onTick;
};

}  // namespace vantor
