// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/shared/AnimationClock.h"

#include <utility>

namespace vantor {

namespace {
std::size_t indexOf(TimerClient c) { return static_cast<std::size_t>(c); }
bool known(TimerClient c) { return c == TimerClient::Simulation || c == TimerClient::Playback; }
}  // namespace

AnimationClock::AnimationClock() { timer.onTimer = [this] { tick(); }; }

void AnimationClock::serve(TimerClient client, std::function<void()> onTick) {
    if (known(client)) m_onTick[indexOf(client)] = std::move(onTick);
}

void AnimationClock::start(TimerClient client, std::int32_t interval) {
    m_client = client;
    timer.setEnabled(true);
    timer.setInterval(interval);
}

void AnimationClock::restart(std::int32_t interval) {
    timer.setEnabled(false);
    timer.setEnabled(true);
    timer.setInterval(interval);
}

// A tick for no client, or for one that has not said what to do, is ignored.
void AnimationClock::tick() {
    if (!known(m_client)) return;
    if (const auto& onTick = m_onTick[indexOf(m_client)]) onTick();
}

}  // namespace vantor
