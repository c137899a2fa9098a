// SPDX-License-Identifier: GPL-3.0-or-later
// On a high-density screen (scale factor 2) the windows are twice as large,
// the pictures are scaled crisply by whole pixels, and a click lands on the
// same picture pixel as at scale 1.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "FormHost.h"
#include "app/Program.h"
#include "windows/display/DisplayWindow.h"
#include "support/ProgramFixture.h"

using namespace vantor;

using HighDensityScreen = test::ProgramFixture;

TEST_F(HighDensityScreen, PictureScalesCrisplyAndClicksLandOnTheSamePixel) {
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    DisplayWindow& display = startProgram().displayWindow();
    qt::FormHost host(display, *program);
    display.show();
    host.show();

    // A picture of one-pixel stripes, painted over the window's, shows
    // whether scaling blurs it.
    Bitmap& picture = const_cast<Bitmap&>(display.displayPicture());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) picture.setRawPixel(x, y, (x + y) % 2 ? 0xFFFFFF : 0x000000);
    picture.changed();

    QWidget* view = host.widgetFor(display.imgSolid);
    ASSERT_NE(view, nullptr);
    const QImage shown = view->grab().toImage();
    ASSERT_EQ(shown.size(), view->size() * 2);
    for (const QPoint p : {QPoint(10, 10), QPoint(11, 10), QPoint(300, 201)}) {
        const QRgb expected = (p.x() + p.y()) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx) EXPECT_EQ(shown.pixel(2 * p.x() + dx, 2 * p.y() + dy), expected);
    }

    int seenX = -1, seenY = -1;
    display.imgSolid.onMouseDown = [&](MouseButton, unsigned, int x, int y) {
        seenX = x;
        seenY = y;
    };
    QTest::mousePress(view, Qt::RightButton, {}, QPoint(123, 45));
    EXPECT_EQ(seenX, 123);
    EXPECT_EQ(seenY, 45);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
