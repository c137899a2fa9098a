// SPDX-License-Identifier: GPL-3.0-or-later
// With the solid kept on screen while editing, the picture after every tool
// and operation is the picture of the store as it then is.
#include <functional>
#include <string>

#include "support/EditorHarness.h"
#include "windows/control/ControlWindow.h"
#include "windows/display/DisplayWindow.h"

namespace vantor::test {
namespace {

class LiveSolid : public EditorTest {
protected:
    std::vector<std::uint32_t> displayPixels() {
        const Bitmap& b = program->displayWindow().displayPicture();
        std::vector<std::uint32_t> out;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x) out.push_back(b.pixelColor(x, y));
        return out;
    }
};

// Regression: a redraw before the committed figure was back in the store
// left a drawn or moved figure out of the picture.
TEST_F(LiveSolid, PictureAfterEveryToolAndOperationShowsTheStoreAsItIs) {
    struct Row {
        const char* name;
        std::function<void()> gesture;
    };
    const Row rows[] = {
        {"line", [this] { choose(ed().spbLine); drag(at(60, -40), at(100, 40)); }},
        {"free curve", [this] { choose(ed().spbFreeLine); drag(at(60, -40), at(100, 40)); }},
        {"rectangle", [this] { choose(ed().spbRectangle); drag(at(60, -40), at(100, 40)); }},
        {"circle", [this] { choose(ed().spbCircle); drag(at(80, 0), at(100, 0)); }},
        {"move", [this] { choose(ed().spbMoveFigure); drag(at(40, 30), at(90, 30)); }},
        {"copy", [this] { choose(ed().spbMoveFigure); choose(ed().spbMoveFigure); drag(at(40, 30), at(90, 30)); }},
        {"scale", [this] { choose(ed().spbScaleFigure); desktop.type("2"); click(at(40, 30)); }},
        {"rotate", [this] { choose(ed().spbRotateFigure); desktop.type("45"); click(at(40, 30)); }},
        {"move vertex", [this] { choose(ed().spbMovePoint); drag(at(40, 30), at(90, 60)); }},
        {"move all", [this] { choose(ed().spbUpDownAll); drag(at(40, 30), at(40, 60)); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        addFigure({{40, 0}, {40, 30}, {60, 30}, {60, 0}});
        ed().recordStoreChange();
        ed().redrawSheet();
        program->controlWindow().RotateExecute();
        DisplayWindow& display = program->displayWindow();
        display.mnLiveSolid.click();
        const auto before = displayPixels();

        row.gesture();
        ASSERT_TRUE(display.visible());
        const auto shown = displayPixels();
        EXPECT_NE(shown, before) << "the change is drawn";
        program->displayWindow().redrawSolid();
        EXPECT_TRUE(shown == displayPixels()) << "the picture is that of the store after the change";
    }
}

}  // namespace
}  // namespace vantor::test
