// SPDX-License-Identifier: GPL-3.0-or-later
// The option menu driven as a user drives it: typed values accepted or
// ignored, radio marks following the stored values, and which change redraws
// what.
#include <gtest/gtest.h>

#include <string>

#include "support/DisplayWindowFixture.h"
#include "model/figures/FigureStore.h"
#include "windows/editor/EditorWindow.h"

using namespace vantor;
using DisplayWindowTest = vantor::test::DisplayWindowFixture;

namespace {
using Mark = MenuItem DisplayWindow::*;
}

TEST_F(DisplayWindowTest, FreeValuesAreTakenOnlyWhenPlainAndInRange) {
    start();
    addVase();
    struct Row {
        const char* name;
        void (DisplayWindow::*command)();
        const char* typed;
        double DisplayOptions::*field;
        double expected;
        Mark marked;  // null: no mark asserted
    };
    const std::string huge(400, '9');
    const Row rows[] = {
        {"zoom of a free value", &DisplayWindow::mnZMEtcClick, "2.5", &DisplayOptions::zoom, 2.5, &DisplayWindow::mnZMEtc},
        {"zoom with a blank before the point", &DisplayWindow::mnZMEtcClick, "1 .5", &DisplayOptions::zoom, 1.5, &DisplayWindow::mnZM3},
        {"comma as the decimal sign", &DisplayWindow::mnZMEtcClick, "1,5", &DisplayOptions::zoom, 1.5, &DisplayWindow::mnZM3},
        {"exponent", &DisplayWindow::mnZMEtcClick, "1e1", &DisplayOptions::zoom, 1.5, &DisplayWindow::mnZM3},
        {"second sign", &DisplayWindow::mnZMEtcClick, "-1-", &DisplayOptions::zoom, 1.5, &DisplayWindow::mnZM3},
        {"full-width digits", &DisplayWindow::mnZMEtcClick, "２", &DisplayOptions::zoom, 1.5, &DisplayWindow::mnZM3},
        {"digits beyond the double range", &DisplayWindow::mnZMEtcClick, huge.c_str(),
         &DisplayOptions::zoom, 1.5, &DisplayWindow::mnZM3},
        {"zoom below 0.1", &DisplayWindow::mnZMEtcClick, "0.09", &DisplayOptions::zoom, 1.5, &DisplayWindow::mnZM3},
        {"view height 90.5", &DisplayWindow::mnVHEtcClick, "90.5", &DisplayOptions::viewHeight, 15, &DisplayWindow::mnVH6},
        {"view height -90", &DisplayWindow::mnVHEtcClick, "-90", &DisplayOptions::viewHeight, -90, &DisplayWindow::mnVH13},
        {"view distance 0", &DisplayWindow::mnVDEtcClick, "0", &DisplayOptions::viewDist, 0, &DisplayWindow::mnVDEtc},
        {"view distance below 0", &DisplayWindow::mnVDEtcClick, "-0.1", &DisplayOptions::viewDist, 0, nullptr},
        {"inclination -181", &DisplayWindow::mnInEtcClick, "-181", &DisplayOptions::inclin, 0, &DisplayWindow::mnIn7},
        {"inclination 180", &DisplayWindow::mnInEtcClick, "180", &DisplayOptions::inclin, 180, &DisplayWindow::mnIn19},
        {"inclination 37", &DisplayWindow::mnInEtcClick, "37", &DisplayOptions::inclin, 37, &DisplayWindow::mnInEtc},
        {"brightness 0.1", &DisplayWindow::mnBREtcClick, "0.1", &DisplayOptions::bright, 1000, &DisplayWindow::mnBR1},
        {"light distance 0.4", &DisplayWindow::mnLDEtcClick, "0.4", &DisplayOptions::lightDistRate, 2.4, &DisplayWindow::mnLD3},
        {"light distance 0.7", &DisplayWindow::mnLDEtcClick, "0.7", &DisplayOptions::lightDistRate, 1.7, &DisplayWindow::mnLDEtc},
        {"light distance 1.8", &DisplayWindow::mnLDEtcClick, "1.8", &DisplayOptions::lightDistRate, 2.8, &DisplayWindow::mnLD5},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        desktop.type(r.typed);
        (window().*r.command)();
        EXPECT_EQ(options().*r.field, r.expected);
        if (r.marked) {
            EXPECT_TRUE((window().*r.marked).checked());
        }
    }
    EXPECT_EQ(options().lightDist, options().baseRadius * options().lightDistRate);
}

TEST_F(DisplayWindowTest, InclinationMarksInsideAndOutsideTheUpsideDownSubMenu) {
    start();
    DisplayWindow& w = window();
    desktop.type("180");
    w.mnInEtcClick();
    EXPECT_TRUE(w.mnIn19.checked());
    EXPECT_TRUE(w.mnInToRev.checked()) << "the main list marks the upside-down entry";
    EXPECT_FALSE(w.mnInEtc.checked());

    desktop.type("37");
    w.mnInEtcClick();
    EXPECT_TRUE(w.mnInEtc.checked());
    EXPECT_FALSE(w.mnInToRev.checked());
    EXPECT_TRUE(w.mnInNonRev.checked()) << "no upside-down item keeps a mark";
    EXPECT_FALSE(w.mnIn19.checked());
    EXPECT_FALSE(w.mnInNonRev.visible());

    w.mnIn22.click();
    EXPECT_EQ(options().inclin, -135);
    EXPECT_TRUE(w.mnInToRev.checked());
    w.mnIn3.click();
    EXPECT_EQ(options().inclin, 60);
    EXPECT_TRUE(w.mnIn3.checked());
    EXPECT_TRUE(w.mnInNonRev.checked());
    EXPECT_EQ(desktop.inputs.back().caption, "画像全体の傾き（その他）");
    EXPECT_EQ(desktop.inputs.back().prompt, "傾ける角度を指定（-180以上180以下）");
}

TEST_F(DisplayWindowTest, FixedValuesRedrawOnlyWhenTheValueChanges) {
    start();
    addVase();
    DisplayWindow& w = window();
    struct Row {
        const char* name;
        Mark item;
        int passesAfter;
    };
    const Row rows[] = {
        {"zoom 2", &DisplayWindow::mnZM4, 1},          {"zoom 2 again", &DisplayWindow::mnZM4, 0},
        {"view distance 0.4", &DisplayWindow::mnVD7, 1}, {"view height -30", &DisplayWindow::mnVH9, 1},
        {"view height -30 again", &DisplayWindow::mnVH9, 0}, {"step 10", &DisplayWindow::mn10d, 1},
        {"step 10 again", &DisplayWindow::mn10d, 0},    {"light distance 0.6", &DisplayWindow::mnLDm2, 1},
        {"light distance 0.6 again", &DisplayWindow::mnLDm2, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        passes = 0;
        (w.*r.item).click();
        EXPECT_EQ(passes, r.passesAfter);
        EXPECT_TRUE((w.*r.item).checked());
    }
    EXPECT_EQ(options().zoom, 2);
    EXPECT_EQ(options().viewDist, 0.4);
    EXPECT_EQ(options().viewHeight, -30);
    EXPECT_EQ(options().unitAngle, 10);
    EXPECT_EQ(w.lblDegree.caption(), "10");
    EXPECT_EQ(options().lightDistRate, 1.6);

    passes = 0;
    w.mnStandardPositionClick();
    EXPECT_EQ(passes, 0) << "the origin is already at (300, 200)";
    options().centerX = 310;
    w.mnStandardPositionClick();
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(options().centerX, 300);
}

TEST_F(DisplayWindowTest, LightDistanceRunDropsATooHighBrightnessToTheNewMaximum) {
    start();
    addVase();
    DisplayWindow& w = window();
    desktop.type("7");
    w.mnBREtcClick();
    EXPECT_EQ(w.scbBright.position(), 7000);
    w.mnLDm2.click();
    EXPECT_EQ(w.scbBright.max(), 5396);
    EXPECT_EQ(w.scbBright.position(), 5396);
    EXPECT_EQ(options().bright, 5396);
    EXPECT_TRUE(w.mnBREtc.checked());
}

TEST_F(DisplayWindowTest, DefaultMethodChangesOnlyFiguresWithoutTheirOwn) {
    start();
    addVase();
    test::addFigure(program->store, test::vaseProfile(8), 2);
    program->store.FigureTable[2].method = 3;
    program->store.FigureTable[2].methodFixed = 1;
    passes = 0;
    window().mnWireClick();
    EXPECT_EQ(options().defaultMethod, 1);
    EXPECT_TRUE(window().mnWire.checked());
    EXPECT_EQ(program->store.FigureTable[1].method, 1);
    EXPECT_EQ(program->store.FigureTable[2].method, 3);
    EXPECT_EQ(passes, 1);
    window().mnWireClick();
    EXPECT_EQ(passes, 1);
}

TEST_F(DisplayWindowTest, TintDialogPresetsAndResults) {
    start();
    addVase();
    DisplayWindow& w = window();
    struct Row {
        const char* name;
        bool ok;
        TColor chosen;
        double r, g, b;
    };
    const Row rows[] = {
        {"cancel", false, 0, 1.0, 1.0, 1.0},
        {"black is no tint", true, rgb(0, 0, 0), 1.0, 1.0, 1.0},
        {"red raises the others to 0.2", true, rgb(255, 20, 0), 1.0, 0.2, 0.2},
        {"a darker yellow", true, rgb(128, 128, 64), 1.0, 1.0, 0.5},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        desktop.colorAnswers.emplace_back(r.ok, r.chosen);
        w.mnTintFreeClick();
        EXPECT_EQ(options().tintR, r.r);
        EXPECT_EQ(options().tintG, r.g);
        EXPECT_EQ(options().tintB, r.b);
    }
    EXPECT_EQ(program->store.FigureTable[1].tintB, 0.5) << "figures without their own tint follow";
    EXPECT_EQ(options().standardTint.b, 1.0) << "the standard tint stays";

    desktop.colorAnswers.emplace_back(false, 0);
    w.mnTintFreeClick();
    EXPECT_EQ(w.dlgTintColor.color, rgb(250, 250, 125)) << "the dialog opens on the tint times 250";

    passes = 0;
    w.mnTintStandardClick();
    EXPECT_EQ(options().tintB, 1.0);
    EXPECT_EQ(passes, 1);
    w.mnTintStandardClick();
    EXPECT_EQ(passes, 1) << "already the standard tint";
}

TEST_F(DisplayWindowTest, PaletteScreenRecoloursWithoutRedrawing) {
    start(8);
    addVase();
    DisplayWindow& w = window();
    w.mnDispRunClick();
    const auto before = pixels();
    passes = 0;
    desktop.colorAnswers.emplace_back(true, rgb(255, 0, 0));
    w.mnTintFreeClick();
    desktop.colorAnswers.emplace_back(true, rgb(0, 0, 90));
    w.mnBackFreeClick();
    w.mnBR4.click();
    EXPECT_EQ(passes, 0);
    EXPECT_EQ(pixels(), before) << "only palette entries change";
    EXPECT_EQ(picture().pixelColor(1, 1), rgb(0, 0, 90));
    EXPECT_EQ(options().bright, 1600);

    w.mnBackStandardClick();
    EXPECT_EQ(picture().pixelColor(1, 1), rgb(0, 0, 0));
    EXPECT_EQ(passes, 0);
}

TEST_F(DisplayWindowTest, BackgroundColourDialogOnATrueColourScreen) {
    start();
    DisplayWindow& w = window();
    desktop.colorAnswers.emplace_back(true, rgb(10, 20, 30));
    passes = 0;
    w.mnBackFreeClick();
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(picture().pixelColor(0, 0), rgb(10, 20, 30));
    desktop.colorAnswers.emplace_back(true, rgb(10, 20, 30));
    w.mnBackFreeClick();
    EXPECT_EQ(passes, 1) << "the same colour again";
    EXPECT_EQ(w.dlgBackColor.color, rgb(10, 20, 30));
}

TEST_F(DisplayWindowTest, LiveSolidStaysOpenAndFollowsEveryChangeOfTheStore) {
    start();
    addVase();
    DisplayWindow& w = window();
    FigureStore& store = program->store;
    program->controlWindow().RotateExecute();
    ASSERT_TRUE(w.visible());

    // Without the option a change of the figures closes the display.
    store.moveAllVertically(1);
    EXPECT_FALSE(w.visible());

    program->controlWindow().RotateExecute();
    w.mnLiveSolid.click();
    EXPECT_TRUE(w.mnLiveSolid.checked());
    const auto before = pixels();
    passes = 0;
    std::vector<float> xs, ys;
    for (const auto& [x, y] : test::vaseProfile(6)) {
        xs.push_back(x);
        ys.push_back(y);
    }
    xs.back() += 40;
    store.appendFigure(xs, ys);
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(passes, 1);
    EXPECT_NE(pixels(), before) << "the new figure is drawn";

    // Running, the simulation ends before the redraw.
    w.mnSimuStartClick();
    store.moveAllVertically(0);
    EXPECT_FALSE(w.simuRunning());
    EXPECT_EQ(options().displayMode, DisplayMode::Still);
}
