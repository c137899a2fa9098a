// SPDX-License-Identifier: GPL-3.0-or-later
// The one animation timer lent in turn to the simulation and the playback:
// a tick reaches only the client that started it last, and never a client
// that has withdrawn (a window already gone).
#include <gtest/gtest.h>

#include "windows/shared/AnimationClock.h"

using namespace vantor;

namespace {

struct Clock : ::testing::Test {
    AnimationClock clock;
    int simulationTicks = 0;
    int playbackTicks = 0;
    void SetUp() override {
        clock.serve(TimerClient::Simulation, [this] { ++simulationTicks; });
        clock.serve(TimerClient::Playback, [this] { ++playbackTicks; });
    }
};

TEST_F(Clock, TicksGoToTheClientThatStartedItLast) {
    clock.start(TimerClient::Simulation, 40);
    clock.timer.tick();
    clock.start(TimerClient::Playback, 120);
    clock.timer.tick();
    clock.timer.tick();
    EXPECT_EQ(simulationTicks, 1);
    EXPECT_EQ(playbackTicks, 2);
    EXPECT_EQ(clock.client(), TimerClient::Playback);
    EXPECT_EQ(clock.timer.interval(), 120);
}

TEST_F(Clock, NoTicksWhenStoppedOrForAnUnknownClient) {
    clock.start(TimerClient::Simulation, 40);
    clock.stop();
    EXPECT_FALSE(clock.timer.enabled());
    clock.timer.tick();
    clock.timer.setEnabled(true);
    clock.start(TimerClient::None, 40);
    clock.timer.tick();
    clock.start(static_cast<TimerClient>(7), 40);
    clock.timer.tick();
    EXPECT_EQ(simulationTicks + playbackTicks, 0);
}

// A window that is destroyed withdraws its handler: a tick that still comes
// for it must not call into the window.
TEST_F(Clock, AWithdrawnClientGetsNoTicks) {
    clock.start(TimerClient::Playback, 100);
    clock.serve(TimerClient::Playback, nullptr);
    clock.timer.tick();
    EXPECT_EQ(playbackTicks, 0);
}

TEST_F(Clock, RestartKeepsTheClientAndTakesTheNewInterval) {
    clock.start(TimerClient::Playback, 100);
    int toggles = 0;
    const int sub = clock.timer.subscribe([&] { ++toggles; });
    clock.restart(400);
    clock.timer.unsubscribe(sub);
    EXPECT_GE(toggles, 3);  // off, on (the period starts again), new interval
    EXPECT_TRUE(clock.timer.enabled());
    EXPECT_EQ(clock.timer.interval(), 400);
    clock.timer.tick();
    EXPECT_EQ(playbackTicks, 1);
}

}  // namespace
