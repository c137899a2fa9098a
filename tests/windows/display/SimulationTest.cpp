// SPDX-License-Identifier: GPL-3.0-or-later
// The rotation simulation driven through the display window and the shared
// timer, on both colour paths.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/Profiles.h"
#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "windows/display/DisplayWindow.h"
#include "render/simulation/PaletteBand.h"
#include "support/DisplayWindowFixture.h"

using namespace vantor;

namespace {

struct Simulation : test::DisplayWindowFixture {
    // A program whose display shows the vase.
    void start(int bitsPerPixel) {
        DisplayWindowFixture::start(bitsPerPixel);
        test::addFigure(program->store, test::vaseProfile(30), 1);
        window().mnDispRun.click();
    }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) program->clock.timer.tick();
    }
    // Every pixel: the sweep's lines are one pixel wide.
    std::vector<std::uint32_t> pixels() { return allPixels(); }
    std::vector<PaletteEntry> colours() { return picture().palette()->entries(); }
    std::vector<MenuItem*> lockedMenus() {
        DisplayWindow& w = window();
        return {&w.mnOption, &w.mnDisplayFile, &w.mnDispRun, &w.mnAnimation, &w.mnSimuStart, &w.mnSimuSpeed, &w.mnSimuUnitAngle};
    }
};

}  // namespace

TEST_F(Simulation, BandStartsOppositeTheViewerAndMovesHalfAStepPerTick) {
    start(8);
    window().mnSimuStart.click();
    // lightDirH 225 and step 6: Ls = 222, idx(180) = (318 / 2 + 90) mod 180.
    EXPECT_EQ(window().simuHighlight(), 69);
    const std::vector<PaletteEntry> ramp = colours();
    const std::vector<std::uint32_t> before = pixels();
    tick();
    EXPECT_EQ(window().simuHighlight(), 72);
    tick();
    EXPECT_EQ(window().simuHighlight(), 75);
    EXPECT_EQ(pixels(), before) << "a tick writes no pixel";
    const std::vector<PaletteEntry> now = colours();
    for (int k = 0; k < DisplayPalette::EntryCount; ++k) {
        SCOPED_TRACE(k);
        const auto i = static_cast<std::size_t>(k);
        const PaletteEntry expected = k == 75 ? PaletteBand::brightened(ramp[i]) : ramp[i];
        EXPECT_EQ(now[i], expected) << "72 restored, others untouched";
    }
    EXPECT_EQ(now[75].r, ramp[75].r + 40);
}

TEST_F(Simulation, BandWrapsFrom165To0WithStep30) {
    start(8);
    window().mns30d.click();
    window().mnSimuStart.click();
    // Ls = 210, h = (330 / 2 + 90) mod 180 = 75; 15 per tick.
    EXPECT_EQ(window().simuHighlight(), 75);
    tick(6);
    EXPECT_EQ(window().simuHighlight(), 165);
    tick();
    EXPECT_EQ(window().simuHighlight(), 0);
    EXPECT_EQ(window().simuTicksPerTurn(), 12);
}

TEST_F(Simulation, PalettePictureColoursEachElementByItsAngle) {
    start(8);
    // A cylinder of radius 100 about the axis, lit from 225 (Ls 222).
    program->store.clearVertices();
    test::addFigure(program->store, {{100, -100}, {100, 100}}, 1);
    window().mnSimuStart.click();
    EXPECT_EQ(options().displayMode, DisplayMode::Simulation);
    // An element spanning a .. a + 6 shows idx(a): right of the nearest
    // meridian (270..276) idx(270) = 114, left of it (264..270) idx(264) = 111,
    // the left one drawn by the mirror half.
    EXPECT_EQ(picture().rawPixel(303, 200), 114u);
    EXPECT_EQ(picture().rawPixel(297, 200), 111u);
    EXPECT_EQ(picture().rawPixel(5, 5), 201u) << "background entry";
    EXPECT_EQ(picture().colorTableEntry(90), (PaletteEntry{200, 200, 200, true})) << "angle ramp loaded";
    EXPECT_EQ(picture().colorTableEntry(0), (PaletteEntry{110, 110, 110, true}));
}

TEST_F(Simulation, OneTurnOfTicksBringsTheFrameBack) {
    for (int depth : {8, 32}) {
        SCOPED_TRACE(depth);
        start(depth);
        window().mnSimuStart.click();
        tick();
        const std::vector<std::uint32_t> firstPixels = pixels();
        const std::vector<PaletteEntry> firstColours = depth == 8 ? colours() : std::vector<PaletteEntry>{};
        const int turn = window().simuTicksPerTurn();
        EXPECT_EQ(turn, 60);
        tick(turn / 2);
        if (depth == 8) {
            EXPECT_NE(colours(), firstColours);
        } else {
            EXPECT_NE(pixels(), firstPixels);
        }
        tick(turn - turn / 2);
        EXPECT_EQ(pixels(), firstPixels);
        if (depth == 8) {
            EXPECT_EQ(colours(), firstColours);
        }
    }
}

TEST_F(Simulation, EndingOnTrueColourRestoresTheStillPictureExactly) {
    for (int ticks : {0, 1, 2, 29, 60, 61}) {
        SCOPED_TRACE(ticks);
        start(32);
        const std::vector<std::uint32_t> still = pixels();
        window().mnSimuStart.click();
        EXPECT_EQ(window().simuSweepAngle(), 174);
        tick(ticks);
        if (ticks > 0) {
            EXPECT_NE(pixels(), still) << "a meridian is on the picture";
        }
        window().mnSimuEnd.click();
        EXPECT_EQ(pixels(), still);
        EXPECT_EQ(options().displayMode, DisplayMode::Still);
    }
}

TEST_F(Simulation, SweepDrawsFirstAt180AndWrapsAfter360) {
    start(32);
    window().mnSimuStart.click();
    std::vector<int> angles;
    for (int i = 0; i < 32; ++i) {
        tick();
        angles.push_back(window().simuSweepAngle());
    }
    EXPECT_EQ(angles.front(), 180);
    EXPECT_EQ(angles[30], 360);
    EXPECT_EQ(angles[31], 6);
}

TEST_F(Simulation, ErasingUsesTheLinesDrawnEvenAfterTheDataChanged) {
    start(32);
    const std::vector<std::uint32_t> still = pixels();
    window().mnSimuStart.click();
    tick(3);
    // The editor may change the figures while the timer runs on.
    for (int v = 1; v <= program->store.VertexCount; ++v) program->store.x(v) += 7;
    tick(2);
    window().mnSimuEnd.click();
    EXPECT_EQ(pixels(), still);
}

TEST_F(Simulation, StillPassDuringTheSweepIsNotMarkedByItsEnd) {
    start(32);
    window().mnSimuStart.click();
    tick(4);
    // A still display that ran meanwhile (not from the locked menu) has
    // painted over the lines; erasing them would mark the new picture.
    window().mnDispRunClick();
    const std::vector<std::uint32_t> redrawn = pixels();
    tick(3);
    EXPECT_EQ(pixels(), redrawn) << "ticks on another picture are dropped";
    window().mnSimuEnd.click();
    EXPECT_EQ(pixels(), redrawn);
}

TEST_F(Simulation, MenusTimerAndLabelsWhileRunning) {
    for (int depth : {8, 32}) {
        SCOPED_TRACE(depth);
        start(depth);
        DisplayWindow& w = window();
        EXPECT_TRUE(w.mnSimuStart.enabled());
        EXPECT_FALSE(w.mnSimuEnd.enabled());
        options().simuInterval = 40;
        w.mnSimuStart.click();
        for (MenuItem* m : lockedMenus()) EXPECT_FALSE(m->enabled()) << m->name();
        EXPECT_TRUE(w.mnSimuEnd.enabled());
        EXPECT_EQ(program->clock.client(), TimerClient::Simulation);
        EXPECT_TRUE(program->clock.timer.enabled());
        EXPECT_EQ(program->clock.timer.interval(), 40);
        EXPECT_EQ(w.lblImageAnim.caption(), "シミュレーション");
        EXPECT_EQ(w.lblDegree.caption(), "6");
        EXPECT_FALSE(w.scbBright.visible());
        EXPECT_FALSE(w.lblBrightIndi.visible());

        w.mnSimuEnd.click();
        for (MenuItem* m : lockedMenus()) EXPECT_TRUE(m->enabled()) << m->name();
        EXPECT_FALSE(w.mnSimuEnd.enabled());
        EXPECT_FALSE(program->clock.timer.enabled());
        if (depth == 8) {
            // The simulation picture stays, and with it its mode and labels.
            EXPECT_EQ(options().displayMode, DisplayMode::Simulation);
            EXPECT_EQ(w.lblImageAnim.caption(), "シミュレーション");
        } else {
            EXPECT_EQ(options().displayMode, DisplayMode::Still);
            EXPECT_EQ(w.lblImageAnim.caption(), "立体表示");
            EXPECT_EQ(w.lblDegree.caption(), "3");
            EXPECT_TRUE(w.scbBright.visible());
        }
    }
}

TEST_F(Simulation, HidingTheWindowEndsTheSimulation) {
    start(32);
    const std::vector<std::uint32_t> still = pixels();
    window().show();
    window().mnSimuStart.click();
    tick(5);
    window().hide();
    EXPECT_FALSE(window().simuRunning());
    EXPECT_FALSE(program->clock.timer.enabled());
    EXPECT_TRUE(window().mnDispRun.enabled()) << "the rotate command can redraw when shown again";
    EXPECT_EQ(pixels(), still);
}

TEST_F(Simulation, IntervalAnswers) {
    struct Row {
        const char* name;
        bool ok;
        const char* typed;
        int expected;
    };
    const Row rows[] = {
        {"blank between digits", true, "1 0", 10}, {"smallest", true, "1", 1},         {"largest", true, "1000", 1000},
        {"zero", true, "0", 5},                    {"above range", true, "1001", 5},   {"negative", true, "-5", 5},
        {"empty", true, "", 5},                    {"letters", true, "2a", 5},         {"decimal", true, "2.5", 5},
        {"full-width digits", true, "１０", 5},    {"huge", true, "99999999999999999999", 5}, {"cancel", false, "", 5},
    };
    start(32);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        options().simuInterval = 5;
        if (r.ok) desktop.type(r.typed);
        else desktop.cancelInput();
        window().mnSimuSpeed.click();
        EXPECT_EQ(options().simuInterval, r.expected);
    }
    ASSERT_FALSE(desktop.inputs.empty());
    EXPECT_EQ(desktop.inputs[0].caption, "画像描き換え時間間隔の設定");
    EXPECT_EQ(desktop.inputs[0].prompt, "1以上、1000以下の数値を入れて下さい");
    EXPECT_EQ(desktop.inputs[0].initial, "5");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(Simulation, StepChoiceRedrawsOnlyWhenItChangesTheSimulationPicture) {
    start(8);
    DisplayWindow& w = window();
    // Still picture shown: choosing the current step switches to the
    // simulation picture.
    w.mns6d.click();
    EXPECT_EQ(options().displayMode, DisplayMode::Simulation);
    EXPECT_EQ(w.lblImageAnim.caption(), "シミュレーション");
    // Simulation picture shown: the same step again does nothing. A mark on
    // the picture shows whether it was drawn again.
    const_cast<Bitmap&>(window().displayPicture()).setRawPixel(0, 0, 7);
    w.mns6d.click();
    EXPECT_EQ(picture().rawPixel(0, 0), 7u);
    w.mns18d.click();
    EXPECT_EQ(options().simuUnitAngle, 18);
    EXPECT_TRUE(w.mns18d.checked());
    EXPECT_FALSE(w.mns6d.checked());
    EXPECT_EQ(w.lblDegree.caption(), "18");
    EXPECT_EQ(picture().rawPixel(0, 0), 201u) << "redrawn";
}

TEST_F(Simulation, StepChoiceOnTrueColourKeepsTheStillPicture) {
    start(32);
    const std::vector<std::uint32_t> still = pixels();
    window().mns10d.click();
    EXPECT_EQ(options().simuUnitAngle, 10);
    EXPECT_EQ(options().displayMode, DisplayMode::Still);
    EXPECT_EQ(pixels(), still);
    EXPECT_EQ(window().simuTicksPerTurn(), 36);
}
