// SPDX-License-Identifier: GPL-3.0-or-later
// The display window's picture follows the window's size: enlarged as the
// user enlarges the window, never below 600 x 400, and the commands that
// work in pixels of the picture (moving it, the shift dialog, looking by
// hand, the simulation) work at every size.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/DisplayWindowFixture.h"
#include "windows/dialogs/ShiftPictureDialog.h"

using namespace vantor;

namespace {

struct PictureSize : test::DisplayWindowFixture {
    void startWithVase(int bitsPerPixel = 32) {
        start(bitsPerPixel);
        addVase();
        window().mnDispRunClick();
    }
    // The user drags the frame until the picture has this size.
    void resizePicture(int width, int height) { window().resizeClient(width, DisplayWindow::PictureTop + height); }
    void shift(const std::string& hori, const std::string& verti, std::string* horiRange = nullptr,
               std::string* vertiRange = nullptr) {
        desktop.modalScripts.push_back([=](Form& f) {
            auto& d = static_cast<ShiftPictureDialog&>(f);
            if (horiRange) *horiRange = d.lblHoriRange.caption();
            if (vertiRange) *vertiRange = d.lblVertiRange.caption();
            d.edtHori.setText(hori);
            d.edtVerti.setText(verti);
            return mrOk;
        });
        window().mnScrollValueClick();
    }
};

}  // namespace

TEST_F(PictureSize, PictureFollowsTheWindowDownToItsStartingSize) {
    const struct {
        const char* name;
        int clientWidth, clientHeight;
        int pictureWidth, pictureHeight;
    } rows[] = {
        {"starting size", 600, 425, 600, 400},
        {"one past in width", 601, 425, 601, 400},
        {"one past in height", 600, 426, 600, 401},
        {"one below in each direction", 599, 424, 600, 400},
        {"far below", 1, 1, 600, 400},
        {"large", 1200, 825, 1200, 800},
        {"large, then the starting size", 600, 425, 600, 400},
    };
    startWithVase();
    DisplayWindow& w = window();
    const IntRect labelBounds = w.lblImageAnim.bounds(), barBounds = w.scbBright.bounds(),
                  progressBounds = w.pgbAngle.bounds();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        resizePicture(row.clientWidth, row.clientHeight - DisplayWindow::PictureTop);
        EXPECT_EQ(picture().width(), row.pictureWidth);
        EXPECT_EQ(picture().height(), row.pictureHeight);
        EXPECT_EQ(w.clientWidth(), row.pictureWidth);
        EXPECT_EQ(w.clientHeight(), DisplayWindow::PictureTop + row.pictureHeight);
        EXPECT_EQ(w.imgSolid.bounds(), (IntRect{0, 25, row.pictureWidth, 25 + row.pictureHeight}));
        EXPECT_EQ(w.Bevel2.bounds().width(), row.pictureWidth);
        EXPECT_EQ(w.lblImageAnim.bounds(), labelBounds) << "the controls keep their places";
        EXPECT_EQ(w.scbBright.bounds(), barBounds);
        EXPECT_EQ(w.pgbAngle.bounds(), progressBounds);
        EXPECT_EQ(w.lblImageAnim.caption(), "立体表示");
    }
}

TEST_F(PictureSize, EnlargingRedrawsOnceAndShrinkingBackGivesTheSamePixels) {
    for (int depth : {32, 8}) {
        SCOPED_TRACE(depth);
        startWithVase(depth);
        const auto before = allPixels();
        passes = 0;
        resizePicture(900, 700);
        EXPECT_EQ(passes, 1);
        resizePicture(900, 700);
        EXPECT_EQ(passes, 1) << "the same size again draws nothing";
        resizePicture(600, 400);
        EXPECT_EQ(passes, 2);
        EXPECT_EQ(allPixels(), before);
    }
}

TEST_F(PictureSize, OnlyTheDisplayWindowCanBeResized) {
    start();
    EXPECT_TRUE(window().resizable());
    ShiftPictureDialog& dialog = window().shiftPictureDialog();
    const int width = dialog.clientWidth(), height = dialog.clientHeight();
    dialog.resizeClient(width + 100, height + 100);
    EXPECT_FALSE(dialog.resizable());
    EXPECT_EQ(dialog.clientWidth(), width);
    EXPECT_EQ(dialog.clientHeight(), height);
}

// A resize handled while a pass repaints its progress bar would pull the
// picture from under the pass: it waits, and the pass that follows draws the
// new size.
TEST_F(PictureSize, ResizeDuringAPassWaitsForThePassToEnd) {
    startWithVase();
    DisplayWindow& w = window();
    bool resized = false;
    w.pgbAngle.subscribe([&] {
        if (resized || !w.drawing() || w.pgbAngle.position() < 180) return;
        resized = true;
        resizePicture(800, 500);
        EXPECT_EQ(picture().width(), 600) << "not while the pass draws";
    });
    passes = 0;
    w.mnDispRunClick();
    ASSERT_TRUE(resized);
    EXPECT_EQ(picture().width(), 800);
    EXPECT_EQ(picture().height(), 500);
    EXPECT_EQ(passes, 2);
}

// The grab ring is erased by drawing it again on the same picture: a resize
// during the move waits until the button is released.
TEST_F(PictureSize, ResizeDuringAMoveOfThePictureWaitsForTheRelease) {
    startWithVase();
    DisplayWindow& w = window();
    const auto still = allPixels();
    w.imgSolid.onMouseDown(MouseButton::Right, ShiftRight, 100, 100);
    resizePicture(700, 450);
    EXPECT_EQ(picture().width(), 600);
    w.imgSolid.onMouseUp(MouseButton::Right, 0, 100, 100);
    EXPECT_EQ(picture().width(), 700);
    resizePicture(600, 400);
    EXPECT_EQ(allPixels(), still) << "no ring is left behind";
}

TEST_F(PictureSize, MovesOnAnEnlargedPictureAreMadeInItsPixels) {
    const struct {
        const char* name;
        int dx, dy;
        int centerX, centerY;
    } rows[] = {
        {"twice the size halves the move", 30, -20, 315, 190},
        {"an odd move goes to the nearest place, halves to even", 3, 5, 302, 202},
        {"a one-pixel move still moves", 1, -1, 301, 199},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        startWithVase();
        resizePicture(1200, 800);
        DisplayWindow& w = window();
        w.imgSolid.onMouseDown(MouseButton::Right, ShiftRight, 500, 500);
        w.imgSolid.onMouseUp(MouseButton::Right, 0, 500 + row.dx, 500 + row.dy);
        EXPECT_EQ(options().centerX, row.centerX);
        EXPECT_EQ(options().centerY, row.centerY);
    }
}

TEST_F(PictureSize, ShiftDialogTakesOffsetsUpToThePicturesSize) {
    startWithVase();
    std::string hori, verti;
    shift("", "", &hori, &verti);
    EXPECT_EQ(hori, "(-600 ～ +600)") << "the starting size keeps its ranges";
    EXPECT_EQ(verti, "(-400 ～ +400)");
    shift("600", "-400");
    EXPECT_EQ(options().centerX, 900);
    EXPECT_EQ(options().centerY, 600);
    shift("601", "0");
    EXPECT_EQ(options().centerX, 900) << "one past the width";

    window().mnStandardPositionClick();
    resizePicture(1200, 800);
    const struct {
        const char* name;
        const char* hori;
        const char* verti;
        int centerX, centerY;
    } rows[] = {
        {"the whole width and height", "1200", "800", 900, -200},
        {"one past the width", "1201", "0", 300, 200},
        {"one past the height", "0", "-801", 300, 200},
        {"halved on the doubled picture", "10", "-30", 305, 215},
        {"one pixel moves one step", "-1", "1", 299, 199},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        window().mnStandardPositionClick();
        shift(row.hori, row.verti, &hori, &verti);
        EXPECT_EQ(hori, "(-1200 ～ +1200)");
        EXPECT_EQ(verti, "(-800 ～ +800)");
        EXPECT_EQ(options().centerX, row.centerX);
        EXPECT_EQ(options().centerY, row.centerY);
    }
}

TEST_F(PictureSize, ADragAcrossAnEnlargedPictureTurnsAsFarAsAcrossTheStartingOne) {
    startWithVase();
    DisplayWindow& w = window();
    resizePicture(1200, 800);
    w.imgSolid.onMouseDown(MouseButton::Left, ShiftLeft, 400, 400);
    w.imgSolid.onMouseMove(ShiftLeft, 460, 420);
    EXPECT_EQ(w.previewReduction(), 2) << "the preview fills no more than the starting picture";
    for (int y = 0; y < 800; y += 2)
        for (int x = 0; x < 1200; x += 2) {
            const std::uint32_t p = picture().rawPixel(x, y);
            ASSERT_TRUE(picture().rawPixel(x + 1, y) == p && picture().rawPixel(x, y + 1) == p &&
                        picture().rawPixel(x + 1, y + 1) == p)
                << "2 x 2 blocks at " << x << "," << y;
        }
    w.imgSolid.onMouseUp(MouseButton::Left, 0, 460, 420);
    EXPECT_DOUBLE_EQ(options().lightDirH, 225 - 15);
    EXPECT_DOUBLE_EQ(options().viewHeight, 15 + 5);
    EXPECT_EQ(picture().width(), 1200);
    const auto released = allPixels();
    w.mnDispRunClick();
    EXPECT_EQ(allPixels(), released) << "the picture after the release is the exact one";
}

TEST_F(PictureSize, SimulationRunsOnAnEnlargedPictureAndAResizeEndsIt) {
    start();
    addVase();
    DisplayWindow& w = window();
    w.mnDispRunClick();
    resizePicture(900, 600);
    const auto still = allPixels();
    w.mnSimuStartClick();
    for (int i = 0; i < 7; ++i) program->clock.timer.tick();
    EXPECT_NE(allPixels(), still) << "the meridians sweep over the enlarged picture";
    w.mnSimuEndClick();
    EXPECT_EQ(allPixels(), still) << "and are erased exactly";

    w.mnSimuStartClick();
    for (int i = 0; i < 3; ++i) program->clock.timer.tick();
    resizePicture(600, 400);
    EXPECT_FALSE(w.simuRunning());
    EXPECT_TRUE(w.mnSimuStart.enabled());
    EXPECT_EQ(picture().width(), 600);
    EXPECT_EQ(w.lblImageAnim.caption(), "立体表示");
}
