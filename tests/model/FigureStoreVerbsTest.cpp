// SPDX-License-Identifier: GPL-3.0-or-later
// The figure store's verbs: what each does to the figures, and that each
// announces itself exactly once, with its kind, or not at all when it
// changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <vector>

#include "model/figures/FigureStore.h"
#include "model/figures/StoreSnapshot.h"
#include "model/formats/DataSetLoad.h"
#include "platform/files/Files.h"
#include "support/FigureBuilder.h"
#include "support/TempDir.h"

using namespace vantor;
using vantor::test::Points;

namespace {

struct Verbs : ::testing::Test {
    DisplayOptions options;
    FigureStore store{options};
    std::vector<StoreChange> heard;
    int listener = 0;

    void SetUp() override {
        store.resetFigureTable();
        listener = store.subscribe([this] { heard.push_back(store.lastChange()); });
    }
    void TearDown() override { store.unsubscribe(listener); }

    int add(const Points& points) { return test::addFigure(store, points); }
    std::vector<float> xs() const {
        std::vector<float> v;
        for (int k = 1; k <= store.VertexCount; ++k) v.push_back(store.x(k));
        return v;
    }
    std::vector<std::int32_t> numbers() const {
        std::vector<std::int32_t> v;
        for (int k = 1; k <= store.VertexCount; ++k) v.push_back(store.figure(k));
        return v;
    }
    // Fills the store up to `count` vertices with two-vertex figures.
    void fillTo(int count) {
        while (store.VertexCount + 2 <= count) test::addFigure(store, {{1, 1}, {2, 2}}, 1);
        if (store.VertexCount < count) test::addFigure(store, {{1, 1}}, 1);
    }
};

const float TwoX[] = {10, 20};
const float TwoY[] = {1, 2};

TEST_F(Verbs, EachVerbAnnouncesItsChangeOnce) {
    struct Row {
        const char* name;
        std::function<void(FigureStore&)> verb;
        StoreChange expected;
    };
    const StoreSnapshot empty = StoreSnapshot::capture(store);
    const Row rows[] = {
        {"take out", [](FigureStore& s) { s.takeOutFigure(1); }, StoreChange::FigureTakenOut},
        {"append", [](FigureStore& s) { s.appendFigure(TwoX, TwoY); }, StoreChange::FigureAdded},
        {"put back", [](FigureStore& s) { s.appendFigure(TwoX, TwoY, FigureRecord{}); }, StoreChange::FigureAdded},
        {"delete the figure taken out", [](FigureStore& s) { s.deleteTakenFigure(); }, StoreChange::FigureDeleted},
        {"move a vertex", [](FigureStore& s) { s.moveVertex(1, 3, 4); }, StoreChange::VerticesMoved},
        {"move all", [](FigureStore& s) { s.moveAllVertically(5); }, StoreChange::VerticesMoved},
        {"clear", [](FigureStore& s) { s.clearFigures(); }, StoreChange::Cleared},
        {"off the axis", [](FigureStore& s) { s.moveVerticesOffAxis(); }, StoreChange::MovedOffAxis},
        {"undo", [&](FigureStore& s) { s.restore(empty, StoreChange::Restored); }, StoreChange::Restored},
        {"cancel", [&](FigureStore& s) { s.restore(empty, StoreChange::GestureUndone); }, StoreChange::GestureUndone},
        {"save", [](FigureStore& s) { s.markSaved(); }, StoreChange::Saved},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        store.clearFigures();
        add({{5, 0}, {0, 1}, {5, 2}});
        heard.clear();
        row.verb(store);
        EXPECT_EQ(heard, std::vector<StoreChange>{row.expected});
    }
}

TEST_F(Verbs, VerbsThatChangeNothingStaySilent) {
    add({{5, 0}, {5, 1}});
    heard.clear();
    EXPECT_EQ(store.takeOutFigure(0).count(), 0);
    EXPECT_EQ(store.takeOutFigure(3).count(), 0);  // one past the last vertex
    store.moveVerticesOffAxis();                   // nothing lies on the axis
    EXPECT_EQ(store.appendFigure({}, {}), 0);
    store.setEdited(true);
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(store.VertexCount, 2);
}

TEST_F(Verbs, OnlyChangesOfTheFiguresOutdateTheirPicture) {
    for (StoreChange c : {StoreChange::FigureAdded, StoreChange::FigureDeleted, StoreChange::VerticesMoved,
                          StoreChange::Cleared, StoreChange::Restored, StoreChange::Loaded})
        EXPECT_TRUE(changesPicture(c)) << static_cast<int>(c);
    for (StoreChange c : {StoreChange::FigureTakenOut, StoreChange::GestureUndone, StoreChange::Saved,
                          StoreChange::MovedOffAxis})
        EXPECT_FALSE(changesPicture(c)) << static_cast<int>(c);
}

TEST_F(Verbs, TakeOutRemovesTheWholeFigureAndFreesItsNumber) {
    add({{1, 0}, {2, 0}});
    const int middle = add({{3, 0}, {4, 0}, {5, 0}});
    add({{6, 0}});
    store.slot(middle).tintR = 0.25;
    const TakenFigure taken = store.takeOutFigure(3);
    EXPECT_EQ(taken.number, middle);
    EXPECT_EQ(taken.x, (std::vector<float>{3, 4, 5}));
    EXPECT_EQ(taken.record.tintR, 0.25);
    EXPECT_EQ(xs(), (std::vector<float>{1, 2, 6}));
    EXPECT_EQ(numbers(), (std::vector<std::int32_t>{1, 1, 3}));
    EXPECT_EQ(store.FigureInUse[static_cast<std::size_t>(middle)], 0);
    EXPECT_EQ(store.link(2), 0);
}

TEST_F(Verbs, PutBackGivesTheFigureItsOwnAttributesUnderTheLowestFreeNumber) {
    add({{1, 0}, {2, 0}});
    const int second = add({{3, 0}, {4, 0}});
    store.slot(second).tintG = 0.5;
    store.slot(second).tintFixed = 1;
    const StoreSnapshot before = StoreSnapshot::capture(store);
    const TakenFigure taken = store.takeOutFigure(3);
    EXPECT_EQ(store.appendFigure(taken.x, taken.y, taken.record), second);
    EXPECT_TRUE(before.matches(store));
    EXPECT_EQ(store.slot(second).tintG, 0.5);
}

TEST_F(Verbs, WithEveryNumberInUseAPutBackFigureSharesFigureOneWithoutOverwritingIt) {
    for (int n = 1; n <= MaxFigures; ++n) store.FigureInUse[static_cast<std::size_t>(n)] = 1;
    store.slot(1).tintB = 0.75;
    FigureRecord other;
    other.tintB = 0.125;
    other.tintFixed = 1;
    EXPECT_EQ(store.appendFigure(TwoX, TwoY, other), 1);
    EXPECT_EQ(store.slot(1).tintB, 0.75);
}

// Regression: a figure put back that did not fit left its attributes in the
// free slot, and the next new figure took them.
TEST_F(Verbs, APutBackRefusedForRoomLeavesNoAttributesBehind) {
    fillTo(MaxVertices - 1);
    FigureRecord tinted;
    tinted.tintR = 0.5;
    tinted.tintFixed = 1;
    const int free = static_cast<int>(std::find(store.FigureInUse.begin() + 1, store.FigureInUse.end(), 0) -
                                      store.FigureInUse.begin());
    EXPECT_EQ(store.appendFigure(TwoX, TwoY, tinted), 0);
    EXPECT_EQ(store.slot(free).tintFixed, 0);
    EXPECT_EQ(store.VertexCount, MaxVertices - 1);
}

TEST_F(Verbs, AppendFillsTheListToItsLimitAndNotOnePast) {
    struct Row {
        int present;
        bool fits;
    };
    for (const Row row : {Row{MaxVertices - 2, true}, Row{MaxVertices - 1, false}}) {
        SCOPED_TRACE(row.present);
        store.clearFigures();
        fillTo(row.present);
        heard.clear();
        const int number = store.appendFigure(TwoX, TwoY);
        EXPECT_EQ(number != 0, row.fits);
        EXPECT_EQ(store.VertexCount, row.fits ? MaxVertices : row.present);
        EXPECT_EQ(heard.size(), row.fits ? 1u : 0u);
    }
}

TEST_F(Verbs, AppendJoinsTheVerticesAndEndsTheFigure) {
    add({{1, 0}});
    const int number = store.appendFigure(TwoX, TwoY);
    EXPECT_EQ(number, 2);
    EXPECT_EQ(xs(), (std::vector<float>{1, 10, 20}));
    EXPECT_EQ(store.link(2), 1);
    EXPECT_EQ(store.link(3), 0);
    EXPECT_EQ(store.figure(3), 2);
}

TEST_F(Verbs, MovingAllKeepsTheFiguresAndShiftsEveryHeight) {
    add({{1, 0}, {2, 1.5f}});
    store.moveAllVertically(-3);
    EXPECT_EQ(store.y(1), -3.0f);
    EXPECT_EQ(store.y(2), -1.5f);
    EXPECT_EQ(xs(), (std::vector<float>{1, 2}));
}

TEST_F(Verbs, ClearEmptiesTheListAndFreesEveryNumber) {
    add({{1, 0}, {2, 0}});
    store.clearFigures();
    EXPECT_EQ(store.VertexCount, 0);
    EXPECT_EQ(store.HighestFigure, 0);
    EXPECT_EQ(store.FigureInUse[1], 0);
}

TEST_F(Verbs, OnAxisAdjustmentMovesOnlyInteriorVertices) {
    test::addFigure(store, {{0, 0}, {3, 1}, {0, 2}, {0, 3}, {5, 4}}, 1);
    test::addFigure(store, {{0, 0}, {0, 1}}, 2);
    test::addFigure(store, {{0, 0}}, 3);
    store.moveVerticesOffAxis();
    EXPECT_EQ(xs(), (std::vector<float>{0, 3, 0.0001f, 0.0001f, 5, 0, 0, 0}));
    EXPECT_FALSE(store.edited());
}

TEST_F(Verbs, FiguresSharingANumberAreOneRunForTheAdjustment) {
    test::addFigure(store, {{0, 0}, {0, 1}}, 1);
    test::addFigure(store, {{0, 0}, {0, 1}}, 1);  // a full table made the second figure share number 1
    store.moveVerticesOffAxis();
    EXPECT_EQ(xs(), (std::vector<float>{0, 0.0001f, 0.0001f, 0}));
}

TEST_F(Verbs, SaveClearsTheEditedFlag) {
    store.setEdited(true);
    EXPECT_TRUE(store.edited());
    store.markSaved();
    EXPECT_FALSE(store.edited());
}

// A load announces itself once, also when it stops in an error: what was
// read before stays in the store and its listeners must see it.
TEST_F(Verbs, ALoadAnnouncesItselfOnceEvenWhenItFails) {
    test::TempDir dir;
    dir.writeText("set.csv", "1,0\r\n2,1\r\n");
    dir.writeText("set.vop", "");
    Files files(dir.path());
    const ReadResult read =
        loadDataSet(store, files, DataFormat::Csv, dir.file("set.csv"), dir.file("set"), LoadMode::Replace, {});
    EXPECT_TRUE(read.complete());
    EXPECT_EQ(heard, std::vector<StoreChange>{StoreChange::Loaded});

    heard.clear();
    auto refuse = [](const std::string&) { throw std::runtime_error("unreadable options"); };
    EXPECT_THROW(
        loadDataSet(store, files, DataFormat::Csv, dir.file("set.csv"), dir.file("set"), LoadMode::Replace, refuse),
        std::runtime_error);
    EXPECT_EQ(heard, std::vector<StoreChange>{StoreChange::Loaded});
}

}  // namespace
