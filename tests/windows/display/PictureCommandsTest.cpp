// SPDX-License-Identifier: GPL-3.0-or-later
// Commands on the picture: moving it with the mouse, saving it and putting
// an image behind the solid.
#include <gtest/gtest.h>

#include "support/DisplayWindowFixture.h"
#include "platform/pixels/Bmp.h"

using namespace vantor;
using DisplayWindowTest = vantor::test::DisplayWindowFixture;

TEST_F(DisplayWindowTest, DraggingWithTheRightButtonMovesThePicture) {
    start();
    addVase();
    DisplayWindow& w = window();
    w.mnDispRunClick();
    const auto still = allPixels();

    passes = 0;
    w.imgSolid.onMouseDown(MouseButton::Right, ShiftRight, 100, 100);
    EXPECT_EQ(w.lblImageAnim.caption(), "平行移動");
    EXPECT_EQ(w.imgSolid.cursor(), Cursor::HandPoint);
    EXPECT_NE(allPixels(), still) << "the ring marks the grab point";
    w.imgSolid.onMouseUp(MouseButton::Right, 0, 100, 100);
    EXPECT_EQ(allPixels(), still) << "the ring is erased exactly";
    EXPECT_EQ(w.lblImageAnim.caption(), "立体表示");
    EXPECT_EQ(w.imgSolid.cursor(), Cursor::Default);
    EXPECT_EQ(passes, 0) << "a click without a move changes nothing";
    EXPECT_EQ(options().centerX, 300);

    w.imgSolid.onMouseDown(MouseButton::Left, ShiftLeft, 100, 100);
    w.imgSolid.onMouseUp(MouseButton::Left, 0, 180, 50);
    EXPECT_EQ(passes, 0) << "the left button does nothing";
    EXPECT_EQ(allPixels(), still);

    w.imgSolid.onMouseUp(MouseButton::Right, 0, 130, 80);
    EXPECT_EQ(options().centerX, 300) << "a release without a press is no move";

    w.imgSolid.onMouseDown(MouseButton::Middle, ShiftMiddle, 100, 100);
    w.imgSolid.onMouseUp(MouseButton::Middle, 0, 130, 80);
    EXPECT_EQ(options().centerX, 330);
    EXPECT_EQ(options().centerY, 180);
    EXPECT_EQ(passes, 1);
}

TEST_F(DisplayWindowTest, SavedPictureHoldsTheDisplayPixels) {
    for (int depth : {32, 8}) {
        SCOPED_TRACE(depth);
        start(depth);
        addVase();
        window().mnDispRunClick();
        desktop.choose(dir.file("solid.bmp"));
        window().mnSaveClick();
        const Bitmap saved = readBmpFile(dir.file("solid.bmp"));
        EXPECT_EQ(saved.format(), depth == 8 ? PixelFormat::Indexed8 : PixelFormat::Rgb32);
        ASSERT_EQ(saved.width(), 600);
        for (int y = 0; y < 400; y += 7)
            for (int x = 0; x < 600; x += 7) ASSERT_EQ(saved.pixelColor(x, y), picture().pixelColor(x, y));
        EXPECT_EQ(desktop.fileDialogs.back().filter, "画像ファイル（*.bmp)|*.bmp");
    }
}

TEST_F(DisplayWindowTest, BackgroundImageLiesBehindTheSolidUntilRemoved) {
    start();
    addVase();
    DisplayWindow& w = window();
    Bitmap back(2, 2, PixelFormat::Rgb32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) back.setRawPixel(x, y, 0x204060);
    dir.write("back.bmp", encodeBmp(back));
    dir.write("broken.bmp", {'B', 'M', 1, 2, 3});

    desktop.choose(dir.file("broken.bmp"));
    EXPECT_FALSE(program->dispatch([&] { w.mnBackBitmapClick(); }));
    EXPECT_EQ(desktop.errors.size(), 1u);
    EXPECT_FALSE(w.backgroundLoaded());
    EXPECT_TRUE(w.mnBack.visible());

    passes = 0;
    desktop.choose(dir.file("back.bmp"));
    w.mnBackBitmapClick();
    EXPECT_TRUE(w.backgroundLoaded());
    EXPECT_FALSE(w.mnBack.visible()) << "the colour cannot be seen behind an image";
    EXPECT_EQ(picture().pixelColor(0, 0), rgb(0x20, 0x40, 0x60));
    EXPECT_EQ(passes, 1);

    desktop.choose(dir.file("broken.bmp"));
    EXPECT_FALSE(program->dispatch([&] { w.mnBackBitmapClick(); }));
    EXPECT_TRUE(w.backgroundLoaded()) << "the old image stays";
    w.mnDispRunClick();
    EXPECT_EQ(picture().pixelColor(0, 0), rgb(0x20, 0x40, 0x60));

    w.mnBackBitmapEraseClick();
    EXPECT_FALSE(w.backgroundLoaded());
    EXPECT_TRUE(w.mnBack.visible());
    EXPECT_EQ(picture().pixelColor(0, 0), rgb(0, 0, 0));
    passes = 0;
    w.mnBackBitmapEraseClick();
    EXPECT_EQ(passes, 1) << "removing when none is loaded still redraws";
}

TEST_F(DisplayWindowTest, BackgroundMenuStaysOnAPaletteScreen) {
    start(8);
    Bitmap back(4, 4, PixelFormat::Rgb32);
    dir.write("back.bmp", encodeBmp(back));
    desktop.choose(dir.file("back.bmp"));
    window().mnBackBitmapClick();
    EXPECT_TRUE(window().backgroundLoaded());
    EXPECT_TRUE(window().mnBack.visible());
}
