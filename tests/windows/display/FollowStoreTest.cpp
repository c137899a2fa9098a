// SPDX-License-Identifier: GPL-3.0-or-later
// The display follows the figure store's change signal: kept open while
// editing it draws each change once, otherwise a change of the figures
// closes it; changes that leave the figures' picture as it was do neither.
#include <functional>
#include <vector>

#include "model/figures/StoreSnapshot.h"
#include "support/DisplayWindowFixture.h"

namespace vantor::test {
namespace {

struct FollowStore : DisplayWindowFixture {
    FigureStore& store() { return program->store; }
    void showSolid(bool live) {
        start();
        addVase();
        addFigure(store(), {{30, -10}, {40, -10}, {40, -30}}, 2);
        program->controlWindow().RotateExecute();
        if (live) window().mnLiveSolid.click();
        ASSERT_TRUE(window().visible());
        passes = 0;
    }
};

const float TwoX[] = {50, 60};
const float TwoY[] = {10, 20};

struct VerbRow {
    const char* name;
    std::function<void(FigureStore&)> verb;
    bool changesPicture;
};

std::vector<VerbRow> verbRows(const StoreSnapshot& start) {
    return {
        {"append", [](FigureStore& s) { s.appendFigure(TwoX, TwoY); }, true},
        {"move a vertex", [](FigureStore& s) { s.moveVertex(1, 3, 4); }, true},
        {"move all", [](FigureStore& s) { s.moveAllVertically(5); }, true},
        {"delete", [](FigureStore& s) {
             s.takeOutFigure(1);
             s.deleteTakenFigure();
         }, true},
        {"undo", [start](FigureStore& s) { s.restore(start, StoreChange::Restored); }, true},
        {"take out", [](FigureStore& s) { s.takeOutFigure(1); }, false},
        {"cancelled gesture", [start](FigureStore& s) { s.restore(start, StoreChange::GestureUndone); }, false},
        {"save", [](FigureStore& s) { s.markSaved(); }, false},
    };
}

TEST_F(FollowStore, KeptOpenTheDisplayDrawsEachChangeOfTheFiguresOnce) {
    showSolid(true);
    const StoreSnapshot start = StoreSnapshot::capture(store());
    for (const VerbRow& row : verbRows(start)) {
        SCOPED_TRACE(row.name);
        store().restore(start, StoreChange::GestureUndone);
        passes = 0;
        row.verb(store());
        EXPECT_TRUE(window().visible());
        EXPECT_EQ(passes, row.changesPicture ? 1 : 0);
    }
}

TEST_F(FollowStore, NotKeptOpenTheDisplayClosesOnAChangeOfTheFigures) {
    showSolid(false);
    const StoreSnapshot start = StoreSnapshot::capture(store());
    for (const VerbRow& row : verbRows(start)) {
        SCOPED_TRACE(row.name);
        store().restore(start, StoreChange::GestureUndone);
        program->controlWindow().RotateExecute();
        passes = 0;
        row.verb(store());
        EXPECT_EQ(window().visible(), !row.changesPicture);
        EXPECT_EQ(passes, 0);
    }
}

TEST_F(FollowStore, KeptOpenTheDisplayClosesWhenTheLastFigureGoes) {
    showSolid(true);
    store().clearFigures();
    EXPECT_FALSE(window().visible());
    EXPECT_EQ(passes, 0);
}

// Moving vertices off the axis is the display's own step before drawing:
// announcing it must not start another pass.
TEST_F(FollowStore, AVertexOnTheAxisIsMovedOffItOnceAndDrawnOnce) {
    showSolid(true);
    store().appendFigure(std::vector<float>{10, 0, 10}, std::vector<float>{0, 5, 10});
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(store().x(store().VertexCount - 1), 0.0001f);
}

}  // namespace
}  // namespace vantor::test
