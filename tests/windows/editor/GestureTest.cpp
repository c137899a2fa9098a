// SPDX-License-Identifier: GPL-3.0-or-later
// Cancelling a gesture with Escape, the status line under the sheet, and
// typing a vertex's coordinates.
#include <functional>
#include <string>

#include "support/EditorHarness.h"
#include "platform/numbers/TextNumbers.h"
#include "windows/editor/operations/TypedVertex.h"

namespace vantor::test {
namespace {

class Gesture : public EditorTest {
protected:
    Gesture() {
        addFigure({{40, 0}, {40, 30}, {60, 30}});
        addFigure({{100, -20}, {120, -20}});
        ed().recordStoreChange();
        ed().redrawSheet();
    }
    std::vector<std::uint32_t> sheetPixels() {
        const Bitmap& b = ed().sheetBitmap;
        return {b.rgbData(), b.rgbData() + b.width() * b.height()};
    }
    std::vector<int> numbers() {
        std::vector<int> out;
        for (int k = 1; k <= store().VertexCount; ++k) out.push_back(store().figure(k));
        return out;
    }
};

// In every state a gesture is pressed and dragged (its preview or picked
// figure on the sheet, where the tool has one), then cancelled; its release
// must then do nothing. The rows name every state once.
TEST_F(Gesture, EscapeInEveryStateLeavesSheetStoreAndStatusAsBefore) {
    struct Row {
        const char* name;
        EditState state;
        SpeedButton EditorWindow::*button;  // none for idle
        int presses;                   // of the button: twice for copy
        bool arms;                     // the press starts a drag
    };
    const Row rows[] = {
        {"idle", EditState::Idle, nullptr, 0, false},
        {"free curve", EditState::FreeCurve, &EditorWindow::spbFreeLine, 1, true},
        {"line", EditState::Line, &EditorWindow::spbLine, 1, true},
        {"vertical line", EditState::VerticalLine, &EditorWindow::spbVertical, 1, true},
        {"horizontal line", EditState::HorizontalLine, &EditorWindow::spbHorizontal, 1, true},
        {"point", EditState::Point, &EditorWindow::spbPoint, 1, true},
        {"circle", EditState::Circle, &EditorWindow::spbCircle, 1, true},
        {"ellipse", EditState::Ellipse, &EditorWindow::spbEllipse, 1, true},
        {"rectangle", EditState::Rectangle, &EditorWindow::spbRectangle, 1, true},
        {"move", EditState::Move, &EditorWindow::spbMoveFigure, 1, true},
        {"copy", EditState::Copy, &EditorWindow::spbMoveFigure, 2, true},
        {"scale", EditState::Scale, &EditorWindow::spbScaleFigure, 1, false},
        {"rotate", EditState::Rotate, &EditorWindow::spbRotateFigure, 1, false},
        {"move all", EditState::MoveAll, &EditorWindow::spbUpDownAll, 1, true},
        {"split", EditState::Split, &EditorWindow::spbSplitFigure, 1, false},
        {"join", EditState::Join, &EditorWindow::spbJoinFigures, 1, true},
        {"property", EditState::Property, &EditorWindow::spbFigureProperties, 1, false},
        {"delete", EditState::Delete, &EditorWindow::spbDeleteFigure, 1, false},
        {"move vertex", EditState::MoveVertex, &EditorWindow::spbMovePoint, 1, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ed().initStateFromOut();  // forgets the last button: the copy row presses move twice
        for (int i = 0; i < row.presses; ++i) choose(ed().*row.button);
        ASSERT_EQ(ed().state(), row.state);
        const auto sheet = sheetPixels();
        const auto vertices = figures();
        const auto figureNumbers = numbers();
        const std::string status = ed().lblState.caption();
        const std::uint8_t edited = store().DataEdited;

        press(at(40, 30));
        for (int d = 6; d <= 30; d += 6) move(at(40 + d, 30 + d));
        EXPECT_EQ(ed().dragging(), row.arms);
        escape();
        EXPECT_EQ(sheetPixels(), sheet) << "the sheet is bit for bit as before the press";
        EXPECT_EQ(figures(), vertices);
        EXPECT_EQ(numbers(), figureNumbers) << "a picked figure goes back where it was";
        EXPECT_EQ(ed().lblState.caption(), status);
        EXPECT_EQ(store().DataEdited, edited);

        move(at(90, 70));
        release(at(90, 70));  // no box is answered: none may be asked
        EXPECT_EQ(sheetPixels(), sheet);
        EXPECT_EQ(figures(), vertices);
        EXPECT_EQ(numbers(), figureNumbers);
        EXPECT_EQ(ed().history().undoSteps(), 1) << "a cancelled gesture is no step (the load is one)";
        EXPECT_TRUE(desktop.messages.empty() && desktop.inputs.empty() && desktop.modalForms.empty());
    }
}

TEST_F(Gesture, EscapeWithoutAGestureChangesNothing) {
    choose(ed().spbLine);
    const auto sheet = sheetPixels();
    escape();
    EXPECT_EQ(sheetPixels(), sheet);
    EXPECT_EQ(ed().lblState.caption(), "直線");
    drag(at(200, 0), at(250, 0));
    EXPECT_EQ(figures().size(), 3u) << "the tool still draws";
}

TEST_F(Gesture, StatusLineShowsDataAndSnappedCoordinatesAndThePickedFigure) {
    move({297, 127});  // data (5, -5)
    EXPECT_EQ(ed().lblCursor.caption(), "x 5, y -5 → 0, 0");
    move({296, 126});
    EXPECT_EQ(ed().lblCursor.caption(), "x 6, y -4 → 10, 0");
    ed().mnGFree.click();
    move({296, 126});
    EXPECT_EQ(ed().lblCursor.caption(), "x 6, y -4");

    choose(ed().spbMoveFigure);
    press(at(100, -20));
    move(at(101, -20));
    EXPECT_EQ(ed().lblCursor.caption(), "x 101, y -20   図形 2（2 頂点）");
    escape();
    EXPECT_EQ(ed().lblCursor.caption(), "x 101, y -20");
}

TEST_F(Gesture, TypedVertexIsCheckedAndOneStep) {
    // The box offers the vertex's coordinates.
    desktop.type(" 35.5 , -7 ");
    doubleClick(at(41, 29));
    ASSERT_EQ(desktop.inputs.size(), 1u);
    EXPECT_EQ(desktop.inputs[0].initial, "40, 30");
    expectFigure(figures()[0], {{40, 0}, {35.5f, -7}, {60, 30}});
    EXPECT_EQ(numbers(), (std::vector<int>{1, 1, 1, 2, 2})) << "the vertex keeps its place";
    EXPECT_EQ(store().DataEdited, 1);
    key('Z', ShiftCtrl);
    expectFigure(figures()[0], {{40, 0}, {40, 30}, {60, 30}});
    EXPECT_EQ(store().DataEdited, 0);

    // Digits beyond the number range are refused, not read as 0 (which would put the vertex on the axis).
    const std::string beyondRange = std::string(5000, '9') + ", 0";
    const char* refused[] = {"abc", "1e2, 3", "-1, 0", "302.5, 0", "0, 122.5", "5", "1,2,3", "", ",", "0x10, 1",
                             beyondRange.c_str()};
    for (const char* typed : refused) {
        SCOPED_TRACE(typed);
        desktop.type(typed);
        doubleClick(at(40, 30));
        expectFigure(figures()[0], {{40, 0}, {40, 30}, {60, 30}});
        EXPECT_EQ(store().DataEdited, 0);
        EXPECT_EQ(ed().history().undoSteps(), 1);
    }
    // The limits themselves are accepted.
    desktop.type("302, -122");
    doubleClick(at(40, 30));
    expectFigure(figures()[0], {{40, 0}, {302, -122}, {60, 30}});
}

// Regression: a coordinate such as 1.4e-12 was proposed as "1.4376696e-12",
// which the box then refused, so a vertex near the axis line could not be
// moved by changing only its other coordinate.
TEST(TypedVertexBox, AcceptsTheTextItProposes) {
    const std::vector<std::pair<float, float>> rows = {
        {1.4376696e-12f, 0}, {0, -1e-30f}, {302, -122}, {0.1f, 1e-45f}, {301.99998f, 121.99999f}};
    for (const auto& [x, y] : rows) {
        const std::string proposed = shortestDecimal(x) + ", " + shortestDecimal(y);
        SCOPED_TRACE(proposed);
        const auto v = parseTypedVertex(proposed, 302, 122);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->x, x);
        EXPECT_EQ(v->y, y);
    }
}

// The release of a double click may never reach the sheet while the box is
// open; a later Escape must not take the typed value back.
TEST_F(Gesture, EscapeAfterATypedVertexWhoseReleaseWasLostKeepsIt) {
    desktop.type("35, 25");
    click(at(40, 30));
    ed().imgSheet.onDblClick(MouseButton::Left, ShiftNone, at(40, 30).x, at(40, 30).y);
    escape();
    expectFigure(figures()[0], {{40, 0}, {35, 25}, {60, 30}});
}

// While a vertex is being moved, a double click types it instead.
TEST_F(Gesture, DoubleClickWhileMovingVerticesTypesTheVertex) {
    choose(ed().spbMovePoint);
    desktop.type("20, 10");
    doubleClick(at(60, 30));
    const auto all = figures();
    ASSERT_EQ(all.size(), 2u);
    expectFigure(all[1], {{40, 0}, {40, 30}, {20, 10}});
}

}  // namespace
}  // namespace vantor::test
