// SPDX-License-Identifier: GPL-3.0-or-later
// Looking by hand: the drag arithmetic, and the display window's left-button
// drag, wheel and arrow keys.
#include <gtest/gtest.h>

#include "support/DisplayWindowFixture.h"
#include "windows/display/Look.h"
#include "windows/display/LookGesture.h"
#include "render/still/StillDisplay.h"
#include "platform/widgets/VirtualKey.h"

using namespace vantor;
using DisplayWindowTest = vantor::test::DisplayWindowFixture;

TEST(LookArithmetic, ViewHeightStaysWithinTheRangeAndTheLightWrapsRound) {
    struct Row {
        const char* name;
        double start;
        double degrees;
        double height;
        double light;
    };
    const Row rows[] = {
        {"within", 15, 30, 45, 345},
        {"clamped above", 80, 25, 90, 55},
        {"clamped below", -70, -40, -90, 330},
        {"exactly 90", 60, 30, 90, 30},
        {"wraps past 360 to 0", 0, -360, -90, 0},
        {"wraps below 0", 10, 10.5, 20.5, 359.5},
        {"a tiny step below 0 is no 360", 0, 1e-300, 1e-300, 0},
        {"several turns", 225, 1080, 90, 225},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(look::viewHeightAfter(r.start, r.degrees), r.height);
        const double light = look::lightDirAfter(r.start, r.degrees);
        EXPECT_DOUBLE_EQ(light, r.light);
        EXPECT_GE(light, 0);
        EXPECT_LT(light, 360);
    }
    EXPECT_DOUBLE_EQ(look::zoomAfter(1.5, 120), 1.65);
    EXPECT_DOUBLE_EQ(look::zoomAfter(1.5, -240), 1.5 / 1.21);
    EXPECT_EQ(look::zoomAfter(0.105, -120), 0.1) << "never below 0.1";
}

// The gesture alone, without a window: what each step of a drag reports and
// what its release hands over.
TEST(LookGesture, ADragReportsItsFirstMoveAndHandsOverTheViewItReached) {
    DisplayOptions o;
    o.setFactoryValues();
    FigureStore store(o);
    LookGesture look(store, o);
    EXPECT_EQ(look.move(10, 10), LookGesture::Move::None) << "no drag yet";
    EXPECT_FALSE(look.release()) << "a release without a press";

    look.press(100, 100);
    EXPECT_TRUE(look.active());
    EXPECT_EQ(look.move(100, 100), LookGesture::Move::None) << "still on the press point";
    EXPECT_FALSE(look.release()) << "a click leaves the view as it was";
    EXPECT_FALSE(look.active());

    look.press(100, 100);
    EXPECT_EQ(look.move(101, 100), LookGesture::Move::Began);
    EXPECT_EQ(look.move(100, 100), LookGesture::Move::Continued) << "back on the press point is still a drag";
    EXPECT_EQ(look.move(140, 400), LookGesture::Move::Continued);
    const std::optional<LookGesture::View> reached = look.release();
    ASSERT_TRUE(reached);
    EXPECT_EQ(reached->height, 90) << "300 pixels down tilt 150 degrees, held at straight above";
    EXPECT_EQ(reached->lightDir, look::lightDirAfter(o.lightDirH, 20));
    EXPECT_EQ(o.viewHeight, 15) << "the options are the window's to change";

    look.press(100, 100);
    EXPECT_EQ(look.move(100, 101), LookGesture::Move::Began) << "each drag has its own first move";
}

namespace {

// A left-button drag from (300, 200) by (dx, dy), in `steps` moves.
void drag(DisplayWindow& w, int dx, int dy, int steps = 3) {
    w.imgSolid.onMouseDown(MouseButton::Left, ShiftLeft, 300, 200);
    for (int i = 1; i <= steps; ++i) w.imgSolid.onMouseMove(ShiftLeft, 300 + dx * i / steps, 200 + dy * i / steps);
    w.imgSolid.onMouseUp(MouseButton::Left, 0, 300 + dx, 200 + dy);
}

}  // namespace

TEST_F(DisplayWindowTest, ALeftClickWithoutMovementChangesNothing) {
    start();
    addVase();
    DisplayWindow& w = window();
    w.mnDispRunClick();
    const auto still = allPixels();
    const DisplayOptions before = options();
    passes = 0;
    w.imgSolid.onMouseDown(MouseButton::Left, ShiftLeft, 120, 80);
    w.imgSolid.onMouseMove(ShiftLeft, 120, 80);
    w.imgSolid.onMouseUp(MouseButton::Left, 0, 120, 80);
    EXPECT_EQ(passes, 0);
    EXPECT_EQ(allPixels(), still);
    EXPECT_EQ(options().viewHeight, before.viewHeight);
    EXPECT_EQ(options().lightDirH, before.lightDirH);
    EXPECT_TRUE(w.mnVH6.checked()) << "the factory height keeps its mark";
}

// The values a drag reaches go through the typed-value marks: a height that
// a menu item names checks that item, any other checks "その他(&E)...".
TEST_F(DisplayWindowTest, DragTurnsTheLightTiltsTheViewAndMovesTheMarks) {
    start();
    addVase();
    DisplayWindow& w = window();
    w.mnDispRunClick();
    struct Row {
        const char* name;
        int dx, dy;
        double height, light;
        MenuItem DisplayWindow::*marked;
    };
    const Row rows[] = {
        {"down 60 to 45", -20, 60, 45, 235, &DisplayWindow::mnVH4},
        {"down 3 more to 46.5", 0, 3, 46.5, 235, &DisplayWindow::mnVHEtc},
        {"far down, clamped at 90", 0, 500, 90, 235, &DisplayWindow::mnVH1},
        {"far up, clamped at -90", 0, -1000, -90, 235, &DisplayWindow::mnVH13},
        {"right past 0, wrapped", 500, 0, -90, 345, &DisplayWindow::mnVH13},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        passes = 0;
        drag(w, r.dx, r.dy);
        EXPECT_EQ(options().viewHeight, r.height);
        EXPECT_EQ(options().lightDirH, r.light);
        EXPECT_TRUE((w.*r.marked).checked());
        EXPECT_EQ(passes, 1) << "one exact pass on release; previews show no progress bar";
        EXPECT_FALSE(w.looking());
    }
}

TEST_F(DisplayWindowTest, ThePictureAfterReleaseIsTheExactOne) {
    start();
    test::addFigure(program->store, test::vaseProfile(5000), 1);
    DisplayWindow& w = window();
    w.mnDispRunClick();
    EXPECT_TRUE(w.previewHalfSize()) << "5,000 vertices preview on a smaller canvas";
    EXPECT_GT(w.previewUnitAngle(), options().unitAngle);
    w.imgSolid.onMouseDown(MouseButton::Left, ShiftLeft, 300, 200);
    w.imgSolid.onMouseMove(ShiftLeft, 340, 230);
    const auto preview = allPixels();
    w.imgSolid.onMouseUp(MouseButton::Left, 0, 340, 230);
    const auto exact = allPixels();
    EXPECT_NE(preview, exact);
    // The same options drawn by a pass of their own.
    Bitmap again(600, 400, PixelFormat::Rgb32);
    StillDisplay still(program->store, options(), again, ColourPath::TrueColour);
    still.setThreads(1);
    still.run();
    for (int y = 0; y < 400; y += 7)
        for (int x = 0; x < 600; x += 5) ASSERT_EQ(again.rawPixel(x, y), picture().rawPixel(x, y)) << x << "," << y;
}

TEST_F(DisplayWindowTest, WheelZoomsAndArrowKeysStep) {
    start();
    addVase();
    DisplayWindow& w = window();
    w.mnDispRunClick();
    passes = 0;
    w.imgSolid.onMouseWheel(120, 0, 10, 10);
    EXPECT_DOUBLE_EQ(options().zoom, 1.65);
    EXPECT_TRUE(w.mnZMEtc.checked());
    w.imgSolid.onMouseWheel(-120, 0, 10, 10);
    EXPECT_DOUBLE_EQ(options().zoom, 1.5);
    EXPECT_TRUE(w.mnZM3.checked()) << "back on the menu's 1.5";
    EXPECT_EQ(passes, 2);

    w.FormKeyDown(vk::Up, 0);
    EXPECT_EQ(options().viewHeight, 20);
    w.FormKeyDown(vk::Right, 0);
    EXPECT_EQ(options().lightDirH, 220) << "as a drag to the right";
    options().viewHeight = 90;
    passes = 0;
    w.FormKeyDown(vk::Up, 0);
    EXPECT_EQ(passes, 0) << "already at the top: nothing to redraw";
}

TEST_F(DisplayWindowTest, ADragEndsARunningSimulationFirst) {
    start();
    addVase();
    DisplayWindow& w = window();
    w.show();
    w.mnDispRunClick();
    w.mnSimuStart.click();
    ASSERT_TRUE(w.simuRunning());
    w.imgSolid.onMouseDown(MouseButton::Left, ShiftLeft, 300, 200);
    EXPECT_TRUE(w.simuRunning()) << "a press alone changes nothing";
    w.imgSolid.onMouseMove(ShiftLeft, 300, 230);
    EXPECT_FALSE(w.simuRunning());
    w.imgSolid.onMouseUp(MouseButton::Left, 0, 300, 230);
    EXPECT_EQ(options().viewHeight, 30);
    EXPECT_EQ(options().displayMode, DisplayMode::Still);
}
