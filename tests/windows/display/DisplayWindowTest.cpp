// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "support/Profiles.h"
#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "model/options/OptionFile.h"
#include "windows/display/DisplayWindow.h"
#include "support/ScriptedDesktop.h"
#include "support/TempDir.h"
#include "support/DisplayWindowFixture.h"

using namespace vantor;
using vantor::test::ScriptedDesktop;
using vantor::test::TempDir;
using DisplayWindowTest = vantor::test::DisplayWindowFixture;

// What creation must leave consistent: the picture shown is the one drawn
// and fills its control, the labels, the brightness bar and its mark say the
// options in force, the window lies on the screen, and nothing runs yet.
TEST_F(DisplayWindowTest, CreationLeavesTheWindowInStepWithTheOptions) {
    for (int depth : {32, 8}) {
        SCOPED_TRACE(depth);
        start(depth);
        DisplayWindow& w = window();
        EXPECT_EQ(w.imgSolid.picture(), &w.displayPicture());
        EXPECT_EQ(w.imgSolid.bounds().width(), picture().width());
        EXPECT_EQ(w.imgSolid.bounds().height(), picture().height());
        EXPECT_EQ(picture().format(), depth == 8 ? PixelFormat::Indexed8 : PixelFormat::Rgb32);
        EXPECT_EQ(w.lblDegree.caption(), std::to_string(options().unitAngle));
        EXPECT_EQ(w.scbBright.position(), options().bright);
        EXPECT_GE(w.scbBright.max(), w.scbBright.position());
        int marked = 0;
        for (MenuItem* m : {&w.mnBR1, &w.mnBR2, &w.mnBR3, &w.mnBR4, &w.mnBREtc}) marked += m->checked() ? 1 : 0;
        EXPECT_EQ(marked, 1) << "one brightness item carries the mark";
        EXPECT_LE(w.left() + w.width(), desktop.screenInfo.width);
        EXPECT_LE(w.top() + w.height(), desktop.screenInfo.height);
        EXPECT_FALSE(program->clock.timer.enabled());
        EXPECT_FALSE(w.simuRunning());
        EXPECT_EQ(options().displayMode, DisplayMode::Still);
        EXPECT_TRUE(desktop.errors.empty());
    }
}

TEST_F(DisplayWindowTest, SmallScreensKeepTheWindowOnScreen) {
    desktop.screenInfo.width = 640;
    desktop.screenInfo.height = 480;
    start();
    EXPECT_EQ(window().left(), 0);
    EXPECT_EQ(window().top(), 0);
}

TEST_F(DisplayWindowTest, PaletteScreenGetsAnIndexedPicture) {
    start(8);
    EXPECT_EQ(picture().format(), PixelFormat::Indexed8);
    ASSERT_TRUE(picture().palette());
    EXPECT_EQ(picture().rawPixel(10, 10), 201u);
    EXPECT_EQ(window().mnTint.caption(), "回転体の色調(&T)");
    EXPECT_EQ(picture().colorTableEntry(68), (PaletteEntry{173, 173, 173, true}));
}

TEST_F(DisplayWindowTest, StandardOptionFileIsReadAtCreation) {
    DisplayOptions o;
    o.setFactoryValues();
    o.centerX = 250;
    o.tintG = 0.5;
    o.backB = 90;
    o.bright = 1400;
    writeOptionFile(Files(dir.path()), test::configIn(dir).programFolder + "standard.vop", o);
    start();
    EXPECT_EQ(options().centerX, 250);
    EXPECT_EQ(options().tintG, 0.5);
    EXPECT_EQ(options().standardTint.g, 0.5);
    EXPECT_EQ(options().standardBack.b, 90);
    EXPECT_TRUE(window().mnBR3.checked());
    EXPECT_EQ(picture().pixelColor(5, 5), rgb(0, 0, 90));
}

TEST_F(DisplayWindowTest, UnreadableStandardOptionFileLeavesTheFactoryValues) {
    test::configIn(dir);  // makes the program folder
    dir.write("program/standard.vop", std::vector<std::uint8_t>(115, 7));
    start();
    EXPECT_EQ(options().centerX, 300);
    EXPECT_EQ(options().bright, 1000);
    EXPECT_TRUE(desktop.errors.empty());
}

TEST_F(DisplayWindowTest, RotateCommandShowsTheSolid) {
    start();
    addVase();
    program->controlWindow().mnRotateClick();
    EXPECT_TRUE(window().visible());
    EXPECT_NE(picture().pixelColor(300, 200), rgb(0, 0, 0));
    EXPECT_FALSE(window().pgbAngle.visible());
    EXPECT_EQ(window().pgbAngle.position(), 270);
}

TEST_F(DisplayWindowTest, LowerMaximumPullsTheBrightnessDown) {
    start();
    addVase();
    desktop.type("7");
    window().mnBREtcClick();
    EXPECT_EQ(options().bright, 7000);
    EXPECT_EQ(window().scbBright.position(), 7000);
    EXPECT_TRUE(window().mnBREtc.checked());
    // The light distance 0.6: the bar's maximum becomes 5396 in the next pass.
    options().lightDistRate = 1.6;
    options().updateLightDist();
    passes = 0;
    window().mnDispRunClick();
    EXPECT_EQ(window().scbBright.max(), 5396);
    EXPECT_EQ(window().scbBright.position(), 5396);
    EXPECT_EQ(options().bright, 5396);
    EXPECT_TRUE(window().mnBREtc.checked());
    EXPECT_EQ(passes, 1) << "the running pass takes the new brightness";

    // A brightness above the maximum leaves the thumb where it was.
    desktop.type("8");
    window().mnBREtcClick();
    EXPECT_EQ(options().bright, 8000);
    EXPECT_EQ(window().scbBright.position(), 5396);
}

TEST_F(DisplayWindowTest, BrightnessMenuAndFreeValue) {
    start();
    addVase();
    struct Case {
        const char* typed;
        double bright;
        MenuItem DisplayWindow::*checked;
    };
    const Case cases[] = {{"1.2", 1200, &DisplayWindow::mnBR2}, {"1.3", 1300, &DisplayWindow::mnBREtc},
                          {"0.1", 1300, &DisplayWindow::mnBREtc}, {"1,6", 1300, &DisplayWindow::mnBREtc},
                          {"2e1", 1300, &DisplayWindow::mnBREtc}, {" 1 . 6", 1600, &DisplayWindow::mnBR4},
                          {"", 1600, &DisplayWindow::mnBR4}};
    for (const Case& c : cases) {
        desktop.type(c.typed);
        window().mnBREtcClick();
        EXPECT_EQ(options().bright, c.bright) << c.typed;
        EXPECT_TRUE((window().*c.checked).checked()) << c.typed;
    }
    EXPECT_EQ(desktop.inputs.back().caption, "光源の明るさ（その他）");
    EXPECT_EQ(desktop.inputs.back().prompt, "光源の明るさを指定してください(0.2以上)");
    EXPECT_EQ(desktop.inputs.back().initial, "1.6");

    passes = 0;
    window().mnBR3.click();
    EXPECT_EQ(options().bright, 1400);
    EXPECT_TRUE(window().mnBR3.checked());
    EXPECT_EQ(window().scbBright.position(), 1400);
    EXPECT_EQ(passes, 1);
    window().mnBR3.click();
    EXPECT_EQ(passes, 1) << "the same value in the still display changes nothing";
}

TEST_F(DisplayWindowTest, BrightnessBarRedrawsOnATrueColourScreen) {
    start();
    addVase();
    window().mnDispRunClick();
    const auto before = pixels();
    passes = 0;
    window().scbBright.setPosition(1400);
    EXPECT_EQ(options().bright, 1400);
    EXPECT_TRUE(window().mnBR3.checked());
    EXPECT_EQ(passes, 1);
    EXPECT_NE(pixels(), before);
}

TEST_F(DisplayWindowTest, BrightnessBarReloadsThePaletteOnAPaletteScreen) {
    start(8);
    addVase();
    window().mnDispRunClick();
    const auto before = pixels();
    const PaletteEntry entry50 = picture().colorTableEntry(50);
    passes = 0;
    window().scbBright.setPosition(2000);
    EXPECT_EQ(options().bright, 2000);
    EXPECT_EQ(passes, 0) << "no redraw";
    EXPECT_EQ(pixels(), before) << "the picture keeps its palette entries";
    EXPECT_NE(picture().colorTableEntry(50), entry50) << "and shows them brighter";
    EXPECT_EQ(picture().colorTableEntry(50).r, std::min(255, 2 * entry50.r));
}

TEST_F(DisplayWindowTest, PaletteChangeRecoloursTheBackgroundInPlace) {
    start(8);
    addVase();
    window().mnDispRunClick();
    const auto before = pixels();
    options().backR = 40;
    window().ImmediatePaletteChange();
    EXPECT_EQ(pixels(), before);
    EXPECT_EQ(picture().pixelColor(2, 2), rgb(40, 0, 0));
}

TEST_F(DisplayWindowTest, ReadingAnOptionFileBringsTheWindowInLine) {
    start();
    DisplayOptions o;
    o.setFactoryValues();
    o.unitAngle = 15;
    o.bright = 1300;
    writeOptionFile(Files(dir.path()), dir.file("a.vop"), o);
    program->clock.timer.setEnabled(true);
    window().pgbAngle.setVisible(true);
    passes = 0;
    window().loadOptionFile(dir.file("a.vop"));
    EXPECT_EQ(options().unitAngle, 15);
    EXPECT_EQ(window().lblDegree.caption(), "15");
    EXPECT_TRUE(window().mnBREtc.checked());
    EXPECT_FALSE(window().pgbAngle.visible());
    EXPECT_FALSE(program->clock.timer.enabled());
    EXPECT_EQ(passes, 0) << "reading does not redraw";

    o.bright = 1600;
    writeOptionFile(Files(dir.path()), dir.file("b.vop"), o);
    window().loadOptionFile(dir.file("b.vop"));
    EXPECT_TRUE(window().mnBR4.checked());
}

TEST_F(DisplayWindowTest, OptionChangesRenewTheStillDisplay) {
    start();
    addVase();
    window().mnDispRunClick();
    const auto before = pixels();
    options().centerX = 200;
    passes = 0;
    window().displayStartFromOption();
    EXPECT_EQ(passes, 1);
    EXPECT_NE(pixels(), before);
}

// The host repaints the progress bar during a long pass; a brightness change
// that arrives then is drawn by one more pass once this one ends.
TEST(DisplayWindowPass, BrightnessChangedDuringAPassRedrawsAfterIt) {
    struct MovingDesktop : ScriptedDesktop {
        DisplayWindow* window = nullptr;
        void processEvents() override {
            ScriptedDesktop::processEvents();
            if (window && processEventsCalls == 1) window->scbBright.setPosition(1500);
        }
    } desktop;
    TempDir dir;
    Program program(desktop, test::configIn(dir));
    program.controlWindow().activate();
    test::addFigure(program.store, test::vaseProfile(3000), 1);
    program.options.unitAngle = 1;
    DisplayWindow& w = program.displayWindow();
    int passes = 0;
    bool shown = false;
    w.pgbAngle.subscribe([&] {
        if (w.pgbAngle.visible() && !shown) ++passes;
        shown = w.pgbAngle.visible();
    });
    desktop.window = &w;
    w.setEventsInterval(0);
    w.mnDispRunClick();
    ASSERT_GE(desktop.processEventsCalls, 1) << "the pass was too short to let the host in";
    EXPECT_EQ(program.options.bright, 1500);
    EXPECT_EQ(passes, 2);
    EXPECT_FALSE(w.drawing());
}
