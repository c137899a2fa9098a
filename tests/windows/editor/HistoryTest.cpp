// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of every kind of change to the figure store, the edited flag
// that follows them, and the bound on the history.
#include <functional>
#include <string>
#include <tuple>

#include "support/EditorHarness.h"
#include "windows/display/DisplayWindow.h"

namespace vantor::test {
namespace {

// Everything of the store that an edit may change, in a form that compares.
struct StoreState {
    std::vector<std::tuple<float, float, int, int>> vertices;
    std::vector<std::pair<int, FigureRecord>> figures;  // numbers in use with their records
    int highest = 0;
    friend bool operator==(const StoreState&, const StoreState&) = default;
};

class History : public EditorTest {
protected:
    // Two figures, the second with its own tint, as just loaded.
    void loadTwoFigures() {
        addFigure({{40, 0}, {40, 30}, {60, 30}});
        addFigure({{100, -20}, {120, -20}});
        store().slot(2).tintFixed = 1;
        store().slot(2).tintR = 0.5;
        store().DataEdited = 0;
        ed().recordStoreChange();
        freePlacement();
    }

    StoreState state() {
        StoreState st;
        const FigureStore& s = store();
        for (int k = 1; k <= s.VertexCount; ++k) st.vertices.emplace_back(s.x(k), s.y(k), s.link(k), s.figure(k));
        for (int n = 1; n <= MaxFigures; ++n)
            if (s.FigureInUse[static_cast<std::size_t>(n)]) st.figures.emplace_back(n, s.slot(n));
        st.highest = s.HighestFigure;
        return st;
    }

    void undo() { key('Z', ShiftCtrl); }
    void redo() { key('Y', ShiftCtrl); }
    void drawLine(IntPoint from, IntPoint to) {
        choose(ed().spbLine);
        drag(from, to);
    }
};

TEST_F(History, EveryKindOfChangeIsUndoneAndRedoneAndTheEditedFlagFollows) {
    struct Change {
        const char* name;
        std::function<void()> run;
    };
    auto tool = [this](SpeedButton EditorWindow::*button, IntPoint from, IntPoint to) {
        return [=, this] {
            choose(ed().*button);
            drag(from, to);
        };
    };
    auto operation = [this](SpeedButton EditorWindow::*button, std::function<void()> gesture) {
        return [=, this] {
            choose(ed().*button);
            gesture();
        };
    };
    const Change changes[] = {
        {"free curve",
         [this] {
             choose(ed().spbFreeLine);
             press(at(200, 0));
             for (int d = 5; d <= 50; d += 5) move(at(200 - d, d));
             release(at(150, 50));
         }},
        {"line", tool(&EditorWindow::spbLine, at(200, 0), at(250, 40))},
        {"vertical line", tool(&EditorWindow::spbVertical, at(200, 0), at(200, 40))},
        {"horizontal line", tool(&EditorWindow::spbHorizontal, at(200, 0), at(250, 0))},
        {"point", tool(&EditorWindow::spbPoint, at(200, 0), at(200, 0))},
        {"circle", tool(&EditorWindow::spbCircle, at(200, 0), at(220, 20))},
        {"ellipse", tool(&EditorWindow::spbEllipse, at(200, 0), at(230, 10))},
        {"rectangle", tool(&EditorWindow::spbRectangle, at(200, 0), at(240, 30))},
        {"move", operation(&EditorWindow::spbMoveFigure, [this] { drag(at(40, 0), at(80, 20)); })},
        {"copy", operation(&EditorWindow::spbMoveFigure,
                           [this] {
                               choose(ed().spbMoveFigure);
                               drag(at(40, 0), at(80, 20));
                           })},
        {"scale", operation(&EditorWindow::spbScaleFigure,
                            [this] {
                                desktop.type("2");
                                click(at(40, 0));
                            })},
        {"rotate", operation(&EditorWindow::spbRotateFigure,
                             [this] {
                                 desktop.type("90");
                                 click(at(40, 0));
                             })},
        {"split", operation(&EditorWindow::spbSplitFigure, [this] { click(at(40, 30)); })},
        {"join", operation(&EditorWindow::spbJoinFigures,
                           [this] {
                               desktop.answer(MsgAnswer::Yes);
                               drag(at(100, -20), at(60, 30));
                           })},
        {"move vertex", operation(&EditorWindow::spbMovePoint, [this] { drag(at(40, 30), at(30, 50)); })},
        {"move all", operation(&EditorWindow::spbUpDownAll, [this] { drag(at(0, 0), at(0, 20)); })},
        {"property", operation(&EditorWindow::spbFigureProperties,
                               [this] {
                                   desktop.modalScripts.push_back([this](Form&) {
                                       ed().propRecord.methodFixed = 1;
                                       ed().propRecord.method = 3;
                                       return int(mrOk);
                                   });
                                   click(at(100, -20));
                               })},
        {"delete", operation(&EditorWindow::spbDeleteFigure,
                             [this] {
                                 desktop.answer(MsgAnswer::Yes);
                                 click(at(40, 0));
                             })},
        {"delete all",
         [this] {
             desktop.answer(MsgAnswer::Yes);
             ed().spbAllClear.mouseUp(MouseButton::Left);
         }},
        {"typed vertex",
         [this] {
             desktop.type("35, 25");
             doubleClick(at(40, 30));
         }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        restart();
        loadTwoFigures();
        const StoreState before = state();
        const int steps = ed().history().undoSteps();
        change.run();
        const StoreState after = state();
        ASSERT_NE(after, before) << "the change changed nothing";
        EXPECT_EQ(store().DataEdited, 1);
        EXPECT_EQ(ed().history().undoSteps(), steps + 1) << "one change, one step";
        EXPECT_FALSE(ed().mnRedo.enabled());

        program->displayWindow().show();
        undo();
        EXPECT_EQ(state(), before);
        EXPECT_EQ(store().DataEdited, 0) << "back at the state on disk";
        EXPECT_FALSE(program->displayWindow().visible()) << "no picture of other data stays on screen";
        EXPECT_EQ(ed().history().undoSteps(), steps);
        EXPECT_TRUE(ed().mnRedo.enabled());

        redo();
        EXPECT_EQ(state(), after);
        EXPECT_EQ(store().DataEdited, 1);
        EXPECT_TRUE(desktop.messageAnswers.empty() && desktop.inputAnswers.empty() && desktop.modalScripts.empty());
    }
}

// Several steps back and forth, the saved state in the middle.
TEST_F(History, EditedFlagIsClearOnlyAtTheSavedState) {
    loadTwoFigures();
    drawLine(at(200, 0), at(250, 0));
    const StoreState saved = state();
    store().DataEdited = 0;  // as a save leaves it
    ed().recordStoreChange();
    drawLine(at(200, 20), at(250, 20));
    drawLine(at(200, 40), at(250, 40));

    undo();
    EXPECT_EQ(store().DataEdited, 1);
    undo();
    EXPECT_EQ(state(), saved);
    EXPECT_EQ(store().DataEdited, 0);
    undo();
    EXPECT_EQ(store().DataEdited, 1) << "before the save differs from the file";
    redo();
    EXPECT_EQ(store().DataEdited, 0);

    // A new change drops what could be redone, the saved state with it once passed.
    drawLine(at(200, 60), at(250, 60));
    EXPECT_FALSE(ed().mnRedo.enabled());
    undo();
    EXPECT_EQ(state(), saved);
    EXPECT_EQ(store().DataEdited, 0);
}

TEST_F(History, KeepsTheLastHundredStepsOnly) {
    loadTwoFigures();
    std::vector<StoreState> states{state()};
    for (int i = 0; i < 105; ++i) {
        choose(ed().spbPoint);
        click(at(10 + i, 0));
        states.push_back(state());
    }
    int undone = 0;
    while (ed().mnUndo.enabled()) {
        undo();
        ++undone;
    }
    EXPECT_EQ(undone, EditHistory::DefaultDepth);
    EXPECT_EQ(state(), states[5]);
    EXPECT_EQ(store().DataEdited, 1) << "the state on disk was dropped";
    undo();
    EXPECT_EQ(state(), states[5]) << "nothing more to undo";
}

// Undoing a load brings back the drawing it replaced; its redo loads again.
TEST_F(History, LoadAndAddInTheControlWindowAreSteps) {
    freePlacement();
    drawLine(at(200, 0), at(250, 0));
    const StoreState drawn = state();
    dir.writeText("plain.csv", "1,1\r\n2,2\r\n");
    desktop.answer(MsgAnswer::No);  // do not save the drawing
    program->controlWindow().LoadFile(dir.file("plain.csv"));
    EXPECT_EQ(store().VertexCount, 2);
    const StoreState loaded = state();
    EXPECT_EQ(store().DataEdited, 0);
    desktop.choose("plain.csv");
    program->controlWindow().AddExecute();
    EXPECT_EQ(store().VertexCount, 4);

    EXPECT_EQ(store().DataEdited, 0) << "an add leaves the data set unedited";

    program->controlWindow().EditorExecute();
    undo();
    EXPECT_EQ(state(), loaded);
    // Only the newest unedited state counts as the one on disk: asking once
    // too often to save is safer than once too few.
    EXPECT_EQ(store().DataEdited, 1);
    undo();
    EXPECT_EQ(state(), drawn);
    EXPECT_EQ(store().DataEdited, 1);
    redo();
    EXPECT_EQ(state(), loaded);
}

// The tint of a figure that follows the display's default is not part of a
// step: undo must not bring back an old default.
TEST_F(History, UndoKeepsTheCurrentDefaultTint) {
    loadTwoFigures();
    drawLine(at(200, 0), at(250, 0));
    program->options.tintR = 0.3;
    store().applyDefaultTint();
    undo();
    EXPECT_EQ(store().slot(1).tintR, 0.3);
    EXPECT_EQ(store().slot(2).tintR, 0.5) << "a figure's own tint comes back as it was";
    undo();
    EXPECT_EQ(store().VertexCount, 0) << "a change of the defaults is no step of its own";
}

// The history holds the vertices in use, not the store's fixed arrays.
TEST_F(History, MemoryOfAHundredStepsAtTenThousandVertices) {
    std::vector<Vertex> big;
    for (int i = 0; i < MaxVertices; ++i) big.emplace_back(float(i % 300), float(i % 200 - 100));
    addFigure(big);
    ed().recordStoreChange();
    const std::size_t one = ed().history().bytes();
    for (int i = 1; i <= 100; ++i) {
        store().y(i) += 1;  // a vertex moved
        store().DataEdited = 1;
        ed().recordStoreChange();
    }
    ASSERT_EQ(ed().history().undoSteps(), 100);
    const std::size_t hundred = ed().history().bytes();
    // 13 bytes a vertex (x, y, link, figure) and a little for the table.
    EXPECT_LT(one, std::size_t(MaxVertices * 13 + 1024));
    EXPECT_LT(hundred, 101 * std::size_t(MaxVertices * 13 + 1024));
    RecordProperty("HistoryBytesAtTenThousandVertices", std::to_string(hundred));
}

}  // namespace
}  // namespace vantor::test
