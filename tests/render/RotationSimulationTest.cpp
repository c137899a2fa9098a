// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "render/picture/SolidPicture.h"
#include "render/simulation/RotationSimulation.h"
#include "support/FigureBuilder.h"
#include "support/Profiles.h"

using namespace vantor;

namespace {

struct Turn {
    DisplayOptions options;
    FigureStore store{options};
    Turn() {
        options.setFactoryValues();
        store.clearVertices();
        store.resetFigureTable();
        test::addFigure(store, test::vaseProfile(40), 1);
    }
};

const char* nameOf(ColourPath path) { return path == ColourPath::Palette ? "palette" : "true colour"; }

// The colours the picture shows, palette and all.
std::vector<TColor> shown(const Bitmap& b) {
    std::vector<TColor> c;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) c.push_back(b.pixelColor(x, y));
    return c;
}

}  // namespace

// Ticks in one turn: 360 degrees in steps on a true-colour screen, the
// 180-entry ramp in half steps (at least one entry) on a palette screen.
TEST(RotationSimulation, TicksPerTurnAtTheEdgesOfTheStep) {
    struct Case {
        ColourPath path;
        int step;
        int ticks;
    };
    const Case cases[] = {
        {ColourPath::TrueColour, 0, 1},   {ColourPath::TrueColour, 1, 360}, {ColourPath::TrueColour, 7, 52},
        {ColourPath::TrueColour, 360, 1}, {ColourPath::TrueColour, 361, 1}, {ColourPath::TrueColour, 359, 2},
        {ColourPath::Palette, 1, 1},
        {ColourPath::Palette, 2, 180},    {ColourPath::Palette, 3, 180},    {ColourPath::Palette, 30, 12},
        {ColourPath::Palette, 360, 1},    {ColourPath::Palette, 361, 1},    {ColourPath::Palette, 362, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(nameOf(c.path)) + ", step " + std::to_string(c.step));
        Turn t;
        t.options.simuUnitAngle = c.step;
        SolidPicture picture(t.store, t.options, c.path, 60, 40);
        EXPECT_EQ(RotationSimulation(t.store, t.options, picture).ticksPerTurn(), c.ticks);
    }
}

// The animation loops: after a whole turn the picture shows what it showed
// when the turn started, and ending the turn leaves the still picture on a
// true-colour screen.
TEST(RotationSimulation, AWholeTurnComesBackToItsFirstFrame) {
    for (ColourPath path : {ColourPath::TrueColour, ColourPath::Palette}) {
        for (int step : {2, 6, 10, 18, 30}) {
            SCOPED_TRACE(std::string(nameOf(path)) + ", step " + std::to_string(step));
            Turn t;
            t.options.simuUnitAngle = step;
            SolidPicture picture(t.store, t.options, path, 120, 80);
            picture.drawStill();
            const std::vector<TColor> still = shown(picture.bitmap());
            RotationSimulation simulation(t.store, t.options, picture);
            simulation.paintAnglePicture();
            simulation.start();
            simulation.tick();
            const std::vector<TColor> first = shown(picture.bitmap());
            if (path == ColourPath::TrueColour) {
                EXPECT_NE(first, still) << "the first tick draws the meridian";
            }
            for (int i = 0; i < simulation.ticksPerTurn(); ++i) simulation.tick();
            EXPECT_EQ(simulation.ticks(), simulation.ticksPerTurn() + 1);
            EXPECT_EQ(shown(picture.bitmap()), first);
            simulation.end();
            EXPECT_FALSE(simulation.running());
            if (path == ColourPath::TrueColour) {
                EXPECT_EQ(shown(picture.bitmap()), still) << "the lines are erased";
            }
        }
    }
}

// A still pass painted over the sweep: its lines must be forgotten, not
// inverted again over the new picture.
TEST(RotationSimulation, EndingAfterARepaintLeavesTheNewPicture) {
    Turn t;
    t.options.simuUnitAngle = 30;
    SolidPicture picture(t.store, t.options, ColourPath::TrueColour, 120, 80);
    picture.drawStill();
    RotationSimulation simulation(t.store, t.options, picture);
    simulation.start();
    simulation.tick();
    picture.drawStill();
    const std::vector<TColor> repainted = shown(picture.bitmap());
    EXPECT_TRUE(simulation.end(false));
    EXPECT_EQ(shown(picture.bitmap()), repainted);
    EXPECT_FALSE(simulation.end(true)) << "a second end does nothing";
}

TEST(RotationSimulation, TicksOutsideATurnChangeNothing) {
    Turn t;
    SolidPicture picture(t.store, t.options, ColourPath::TrueColour, 60, 40);
    picture.drawStill();
    const std::vector<TColor> still = shown(picture.bitmap());
    RotationSimulation simulation(t.store, t.options, picture);
    simulation.tick();
    EXPECT_EQ(simulation.ticks(), 0);
    EXPECT_EQ(shown(picture.bitmap()), still);
}
