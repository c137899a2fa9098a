// SPDX-License-Identifier: GPL-3.0-or-later
// The editing operations on figures already in the store.
#include "support/EditorHarness.h"
#include "windows/editor/operations/Split.h"

namespace vantor::test {
namespace {

using EditorOperations = EditorTest;

const Figure A = {{100, 0}, {100, 20}};
const Figure B = {{100, 20}, {100, 40}};

TEST_F(EditorOperations, PickingTakesTheFigureOfTheNearestVertex) {
    struct Case {
        const char* name;
        IntPoint click;
        Figure survivor;
    } cases[] = {
        {"shared position: the later vertex in the list wins", at(100, 20), A},
        {"far below everything: still the nearest vertex's figure", {2, 242}, B},
        {"far above everything", {2, 2}, A},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store().VertexCount = 0;
        store().resetFigureTable();
        addFigure(A);
        addFigure(B);
        choose(ed().spbDeleteFigure);
        desktop.answer(MsgAnswer::Yes);
        click(c.click);
        ASSERT_EQ(figures().size(), 1u);
        expectFigure(figures()[0], c.survivor);
    }
    EXPECT_EQ(desktop.messages.back().text, "この図形を削除してもいいんですね？");
}

TEST_F(EditorOperations, DeclinedDeletePutsTheFigureBackAtTheEnd) {
    addFigure(A);
    addFigure(B);
    store().slot(1).methodFixed = 1;
    store().slot(1).method = 3;
    choose(ed().spbDeleteFigure);
    desktop.answer(MsgAnswer::No);
    click(at(100, 0));
    ASSERT_EQ(figures().size(), 2u);
    expectFigure(figures()[0], B);
    expectFigure(figures()[1], A);
    EXPECT_EQ(store().figure(3), 1) << "the lowest free number, with its own attributes";
    EXPECT_EQ(store().slot(1).method, 3);
}

TEST_F(EditorOperations, MoveSnapsTheFirstVertexToTheGrid) {
    addFigure({{17, 3}, {17, 33}});
    choose(ed().spbMoveFigure);
    press(at(50, 50));
    move(at(60, 50));
    EXPECT_EQ(ed().lblState.caption(), "平行移動中");
    EXPECT_EQ(store().VertexCount, 0) << "the figure is out while it is dragged";
    move(at(70, 50));
    release(at(70, 50));
    expectFigure(figures().back(), {{40, 0}, {40, 30}});
    EXPECT_EQ(ed().lblState.caption(), "平行移動");
}

TEST_F(EditorOperations, MoveStopsAtTheAxisWithoutSnapping) {
    addFigure({{17, 3}, {17, 33}});
    choose(ed().spbMoveFigure);
    press(at(17, 3));
    move({303, 119});
    release({303, 119});
    expectFigure(figures().back(), {{0, 3}, {0, 33}});
}

// A click without movement snaps the first vertex to the grid; a figure that
// this pushes past the axis goes one grid step back to the left.
TEST_F(EditorOperations, MoveInPlaceSnapsAndKeepsLeftOfTheAxis) {
    addFigure({{14, 50}, {3, 40}});
    choose(ed().spbMoveFigure);
    click(at(14, 50));
    expectFigure(figures()[0], {{20, 50}, {9, 40}});
}

TEST_F(EditorOperations, CopyLeavesTheOriginal) {
    addFigure({{17, 3}, {17, 33}});
    store().slot(1).tintFixed = 1;
    store().slot(1).tintR = 0.5;
    choose(ed().spbMoveFigure);
    choose(ed().spbMoveFigure);
    drag(at(50, 50), at(70, 50));
    ASSERT_EQ(figures().size(), 2u);
    expectFigure(figures()[0], {{17, 3}, {17, 33}});
    expectFigure(figures()[1], {{40, 0}, {40, 30}});
    EXPECT_EQ(store().slot(store().figure(3)).tintR, 0.5);
    EXPECT_EQ(ed().lblState.caption(), "コピー");

    // Less than 5 pixels in both directions: a move, not a copy.
    drag(at(50, 50), at(53, 53));
    EXPECT_EQ(figures().size(), 2u);
}

TEST_F(EditorOperations, ScaleAboutTheOutlineCentre) {
    struct Case {
        const char* name;
        bool snapping;
        Figure figure;
        const char* typed;
        Figure expected;
    } cases[] = {
        {"twice, free placement", false, {{42, 0}, {102, 0}}, "2", {{12, 0}, {132, 0}}},
        {"twice, first vertex snapped", true, {{42, 0}, {102, 0}}, "2", {{10, 0}, {130, 0}}},
        {"pushed back left of the axis", false, {{10, 0}, {30, 0}}, "3", {{0, 0}, {60, 0}}},
        {"above the range", false, {{42, 0}, {102, 0}}, "20", {{42, 0}, {102, 0}}},
        {"below the range", false, {{42, 0}, {102, 0}}, "0.05", {{42, 0}, {102, 0}}},
        {"not a number", false, {{42, 0}, {102, 0}}, "x2", {{42, 0}, {102, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store().VertexCount = 0;
        addFigure(c.figure);
        if (c.snapping) ed().mnGFix.click();
        else ed().mnGFree.click();
        choose(ed().spbScaleFigure);
        desktop.type(c.typed);
        click(at(42, 0));
        ASSERT_EQ(figures().size(), 1u);
        expectFigure(figures()[0], c.expected);
    }
    EXPECT_EQ(desktop.inputs[0].caption, "拡大・縮小倍率");
    EXPECT_EQ(desktop.inputs[0].prompt, "この図形を何倍にしますか？（0.1以上10以下）");
    EXPECT_EQ(desktop.inputs[0].initial, "1");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(EditorOperations, RotateTurnsCounterClockwiseOnTheSheet) {
    freePlacement();
    addFigure({{30, 0}, {10, 0}});  // centre (20, 0)
    choose(ed().spbRotateFigure);
    desktop.type("90");
    click(at(30, 0));
    expectFigure(figures()[0], {{20, -10}, {20, 10}});
    EXPECT_EQ(desktop.inputs[0].caption, "回転角度");
    EXPECT_EQ(desktop.inputs[0].prompt, "この図形を何度回転しますか？（-360以上360以下）");
    EXPECT_EQ(desktop.inputs[0].initial, "0");

    desktop.cancelInput();  // the default 0 turns nothing
    click(at(20, 10));
    expectFigure(figures()[0], {{20, -10}, {20, 10}});
}

Figure tenVertices() {
    Figure f;
    for (int i = 1; i <= 10; ++i) f.emplace_back(10.0f * i, 20.0f);
    return f;
}

TEST_F(EditorOperations, SplitSharesTheVertexAndKeepsAttributes) {
    addFigure(tenVertices());
    store().slot(1).methodFixed = 1;
    store().slot(1).method = 1;
    choose(ed().spbSplitFigure);
    click(at(40, 20));
    const auto f = figures();
    ASSERT_EQ(f.size(), 2u);
    ASSERT_EQ(f[0].size(), 4u);
    ASSERT_EQ(f[1].size(), 7u);
    EXPECT_EQ(f[0].back(), Vertex(40, 20));
    EXPECT_EQ(f[1].front(), Vertex(40, 20));
    EXPECT_EQ(f[1].back(), Vertex(100, 20));
    EXPECT_EQ(store().slot(store().figure(1)).method, 1);
    EXPECT_EQ(store().slot(store().figure(5)).method, 1);
}

TEST_F(EditorOperations, SplitAtAnEndChangesNothing) {
    addFigure(tenVertices());
    choose(ed().spbSplitFigure);
    click(at(100, 20));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "ここはこの図形の始点か終点です。\r元々切れています。");
    EXPECT_EQ(desktop.messages[0].icon, MsgIcon::Information);
    expectFigure(figures()[0], tenVertices());
}

// With every figure number in use a copy shares figure 1's number, as any
// new figure does then; figure 1 keeps its own attributes and stays in use.
TEST_F(EditorOperations, CopyWithAFullFigureTableLeavesFigureOneAlone) {
    addFigure({{200, 100}, {200, 100}});
    store().slot(1).tintFixed = 1;
    store().slot(1).tintR = 0.3;
    for (int i = 2; i < MaxFigures; ++i) addFigure({{200, 100}, {200, 100}});
    const int last = addFigure({{50, 0}, {50, 20}});
    store().slot(last).tintFixed = 1;
    store().slot(last).tintR = 0.7;
    choose(ed().spbMoveFigure);
    choose(ed().spbMoveFigure);
    drag(at(50, 0), at(70, 0));
    EXPECT_EQ(store().VertexCount, 2 * MaxFigures + 2) << "the copy is appended";
    EXPECT_EQ(store().figure(store().VertexCount), 1);
    EXPECT_EQ(store().FigureInUse[1], 1);
    EXPECT_DOUBLE_EQ(store().slot(1).tintR, 0.3);
    EXPECT_DOUBLE_EQ(store().slot(last).tintR, 0.7) << "the original keeps its attributes";
}

// A split needs one vertex more; with a full list it is refused before
// anything changes, so no part of the figure is lost.
TEST_F(EditorOperations, SplitAtTheVertexLimitIsRefusedBeforehand) {
    addFigure(Figure(MaxVertices - 10, Vertex(200, 100)));
    addFigure(tenVertices());
    choose(ed().spbSplitFigure);
    click(at(40, 20));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, edit::Split::RefusedText);
    EXPECT_EQ(store().VertexCount, MaxVertices);
    ASSERT_EQ(figures().size(), 2u);
    expectFigure(figures()[1], tenVertices());
}

const Figure S = {{50, 0}, {50, 15}, {50, 30}};
const Figure T = {{20, 40}, {30, 35}, {45, 30}};

TEST_F(EditorOperations, JoinMovesTheFirstFigureOntoTheSecond) {
    addFigure(S);
    const int t = addFigure(T);
    store().slot(t).methodFixed = 1;
    store().slot(t).method = 3;
    choose(ed().spbJoinFigures);
    EXPECT_EQ(ed().lblState.caption(), "結合する図形１？");
    press(at(50, 0));
    EXPECT_EQ(ed().lblState.caption(), "２つ目の図形？");
    desktop.answer(MsgAnswer::Yes);
    release(at(20, 40));
    EXPECT_EQ(desktop.messages[0].text, "この２つの図形を結合しますか？");
    ASSERT_EQ(figures().size(), 1u);
    // S's last end met T's last end (5 apart): S moved by (-5, 0), reversed.
    expectFigure(figures()[0], {{20, 40}, {30, 35}, {45, 30}, {45, 15}, {45, 0}});
    EXPECT_EQ(store().slot(store().figure(1)).method, 3) << "the joined figure keeps T's attributes";
    EXPECT_EQ(ed().lblState.caption(), "結合する図形１？");
}

// (S first, T first) and (S first, T last) are equally near: the earlier pair wins.
TEST_F(EditorOperations, JoinTieGoesToTheEarlierPairOfEnds) {
    addFigure({{30, 0}, {60, 0}});
    addFigure({{20, 10}, {20, -10}});
    choose(ed().spbJoinFigures);
    press(at(60, 0));
    desktop.answer(MsgAnswer::Yes);
    release(at(20, 10));
    ASSERT_EQ(figures().size(), 1u);
    expectFigure(figures()[0], {{20, -10}, {20, 10}, {50, 10}});
}

TEST_F(EditorOperations, DeclinedJoinPutsBothBackSecondFirst) {
    addFigure(S);
    addFigure(T);
    choose(ed().spbJoinFigures);
    press(at(50, 0));
    desktop.answer(MsgAnswer::No);
    release(at(20, 40));
    ASSERT_EQ(figures().size(), 2u);
    expectFigure(figures()[0], T);
    expectFigure(figures()[1], S);
    EXPECT_EQ(ed().lblState.caption(), "結合する図形１？");
}

TEST_F(EditorOperations, JoinWithASingleFigureFallsBackToIdle) {
    addFigure(S);
    choose(ed().spbJoinFigures);
    press(at(50, 0));
    release(at(50, 0));
    EXPECT_EQ(ed().state(), EditState::Idle);
    expectFigure(figures()[0], S);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(EditorOperations, MoveAllShiftsEveryVertexInPlace) {
    addFigure({{50, 0}, {50, 20}});
    addFigure({{80, 10}, {80, 30}});
    choose(ed().spbUpDownAll);
    press({150, 122});
    move({150, 112});
    move({150, 102});
    release({150, 102});
    ASSERT_EQ(figures().size(), 2u);
    expectFigure(figures()[0], {{50, 20}, {50, 40}});
    expectFigure(figures()[1], {{80, 30}, {80, 50}});
    EXPECT_EQ(store().figure(1), 1);
    EXPECT_EQ(store().DataEdited, 1);
}

TEST_F(EditorOperations, MoveOneVertexFollowsTheMouseUnsnapped) {
    addFigure({{50, 0}, {50, 20}, {50, 40}});
    choose(ed().spbMovePoint);
    press(at(50, 20));
    EXPECT_EQ(pixel({250, 102}), colors::Gray);
    move({200, 80});
    release({200, 80});
    expectFigure(figures()[0], {{50, 0}, {102, 42}, {50, 40}});

    press(at(102, 42));
    release({304, 80});  // right of the axis: onto it
    expectFigure(figures()[0], {{50, 0}, {0, 42}, {50, 40}});
}

// The window can lose the mouse between press and release; a figure taken
// out at the press must not be lost with it.
TEST_F(EditorOperations, FigureHeldByALostReleaseIsPutBack) {
    addFigure(A);
    addFigure({{50, 0}, {50, 20}});
    choose(ed().spbMoveFigure);
    press(at(100, 0));
    press(at(50, 0));  // no release came in between
    release(at(50, 0));
    EXPECT_EQ(figures().size(), 2u);

    choose(ed().spbJoinFigures);
    press(at(100, 0));
    choose(ed().spbLine);
    EXPECT_EQ(figures().size(), 2u);

    choose(ed().spbMovePoint);
    press(at(100, 0));
    ed().hide();
    EXPECT_EQ(figures().size(), 2u);
    EXPECT_TRUE(desktop.messages.empty());
}

// Every tool and operation but move, copy and property acts on the left
// button only.
TEST_F(EditorOperations, RightButtonLeavesLeftOnlyToolsAndOperationsAlone) {
    addFigure(tenVertices());
    EditorWindow& e = ed();
    for (SpeedButton* b : {&e.spbFreeLine, &e.spbLine, &e.spbVertical, &e.spbHorizontal, &e.spbPoint, &e.spbCircle,
                           &e.spbEllipse, &e.spbRectangle, &e.spbScaleFigure, &e.spbRotateFigure, &e.spbUpDownAll,
                           &e.spbSplitFigure, &e.spbJoinFigures, &e.spbDeleteFigure, &e.spbMovePoint}) {
        SCOPED_TRACE(b->name());
        choose(*b);
        press(at(40, 20), MouseButton::Right);
        move(at(60, 60));
        release(at(60, 60), MouseButton::Right);
        ASSERT_EQ(figures().size(), 1u);
        expectFigure(figures()[0], tenVertices());
    }
    EXPECT_TRUE(desktop.inputs.empty());
    EXPECT_TRUE(desktop.messages.empty());
}

}  // namespace
}  // namespace vantor::test
