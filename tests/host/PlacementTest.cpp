// SPDX-License-Identifier: GPL-3.0-or-later
// Windows placed inside the free area of the screen, title bar included.
#include <gtest/gtest.h>

#include "Placement.h"

namespace vantor::qt {
namespace {

struct PlacementRow {
    const char* what;
    QRect frame;
    QPoint expected;
};

// A 1024 x 768 screen with a 32-pixel panel at the top: the free area is
// x 0 ... 1023, y 32 ... 767.
const QRect Available(0, 32, 1024, 736);

const PlacementRow FramesMovedTheLeastIntoTheFreeArea[] = {
    {"at the free area's top left: stays", QRect(0, 32, 300, 200), QPoint(0, 32)},
    {"at the screen's top left, under the panel: moved down", QRect(0, 0, 300, 200), QPoint(0, 32)},
    {"one pixel above the free area", QRect(0, 31, 300, 200), QPoint(0, 32)},
    {"one pixel left of the screen", QRect(-1, 100, 300, 200), QPoint(0, 100)},
    {"right edge at the screen's edge: stays", QRect(724, 100, 300, 200), QPoint(724, 100)},
    {"right edge one past the screen's edge", QRect(725, 100, 300, 200), QPoint(724, 100)},
    {"bottom edge at the screen's edge: stays", QRect(10, 568, 300, 200), QPoint(10, 568)},
    {"bottom edge one past the screen's edge", QRect(10, 569, 300, 200), QPoint(10, 568)},
    {"far off to the bottom right", QRect(5000, 5000, 300, 200), QPoint(724, 568)},
    {"exactly as large as the free area", QRect(0, 0, 1024, 736), QPoint(0, 32)},
};

// A frame larger than the free area keeps its top left corner, and with it
// the title bar and the window menu, on the screen.
const PlacementRow LargerThanTheFreeAreaKeepsItsTitleBarOnScreen[] = {
    {"one pixel wider", QRect(0, 32, 1025, 200), QPoint(0, 32)},
    {"one pixel taller", QRect(0, 32, 300, 737), QPoint(0, 32)},
    {"taller, placed low", QRect(100, 400, 300, 900), QPoint(100, 32)},
    {"wider, placed right", QRect(600, 100, 1200, 200), QPoint(0, 100)},
};

void expectRows(const PlacementRow* begin, const PlacementRow* end) {
    for (const PlacementRow* r = begin; r != end; ++r) {
        SCOPED_TRACE(r->what);
        EXPECT_EQ(framePositionOnScreen(r->frame, Available), r->expected);
    }
}

TEST(Placement, FramesMovedTheLeastIntoTheFreeArea) {
    expectRows(std::begin(FramesMovedTheLeastIntoTheFreeArea), std::end(FramesMovedTheLeastIntoTheFreeArea));
}

TEST(Placement, LargerThanTheFreeAreaKeepsItsTitleBarOnScreen) {
    expectRows(std::begin(LargerThanTheFreeAreaKeepsItsTitleBarOnScreen),
               std::end(LargerThanTheFreeAreaKeepsItsTitleBarOnScreen));
}

}  // namespace
}  // namespace vantor::qt
