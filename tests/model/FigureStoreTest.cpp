// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "model/figures/FigureStore.h"
#include "platform/files/IoError.h"
#include "platform/files/ByteReader.h"
#include "platform/files/Files.h"
#include "support/TempDir.h"

using namespace vantor;
using vantor::test::TempDir;

namespace {
struct StoreFixture : ::testing::Test {
    DisplayOptions options;
    FigureStore store{options};
    void SetUp() override { store.resetFigureTable(); }
};

std::vector<std::uint8_t> zukRecords(const std::vector<FigureRecord>& records) {
    ByteWriter w;
    for (const auto& r : records) {
        w.f64(r.tintR);
        w.f64(r.tintG);
        w.f64(r.tintB);
        w.u8(r.method);
        w.u8(r.tintFixed);
        w.u8(r.methodFixed);
        w.u8(r.reserved);
    }
    return w.bytes;
}
}  // namespace

using FigureTable = StoreFixture;

TEST_F(FigureTable, AllocationTakesTheLowestFreeNumber) {
    EXPECT_EQ(store.allocFigure(), 1);
    EXPECT_EQ(store.allocFigure(), 2);
    EXPECT_EQ(store.allocFigure(), 3);
    store.freeFigure(2);
    EXPECT_EQ(store.allocFigure(), 2);
    EXPECT_EQ(store.HighestFigure, 3);
}

TEST_F(FigureTable, HighestFigureFallsOneStepOnlyWhenTheTopIsFreed) {
    for (int i = 0; i < 5; ++i) store.allocFigure();
    store.freeFigure(3);
    EXPECT_EQ(store.HighestFigure, 5);
    store.freeFigure(4);
    EXPECT_EQ(store.HighestFigure, 5);
    store.freeFigure(5);
    EXPECT_EQ(store.HighestFigure, 4);  // although slot 4 is free
}

TEST_F(FigureTable, FreeKeepsACopyAndRestoresDefaults) {
    int n = store.allocFigure();
    store.slot(n) = FigureRecord{0.2, 0.5, 1.0, 3, 1, 1, 9};
    store.freeFigure(n);
    EXPECT_EQ(store.LastFreedFigure, (FigureRecord{0.2, 0.5, 1.0, 3, 1, 1, 9}));
    EXPECT_EQ(store.slot(n).method, options.defaultMethod);
    EXPECT_EQ(store.slot(n).tintFixed, 0);
    EXPECT_EQ(store.slot(n).reserved, 9);  // reserved byte is kept
}

TEST_F(FigureTable, FullTableSharesFigureOne) {
    for (int i = 1; i <= MaxFigures; ++i) ASSERT_EQ(store.allocFigure(), i);
    EXPECT_EQ(store.allocFigure(), 1);
    EXPECT_EQ(store.HighestFigure, MaxFigures);
}

TEST_F(FigureTable, DefaultsFollowTheDisplayOnlyWhereNotFixed) {
    store.slot(1).tintFixed = 1;
    store.slot(1).tintR = 0.3;
    store.slot(2).methodFixed = 1;
    store.slot(2).method = 1;
    options.tintR = 0.5;
    options.defaultMethod = 3;
    store.applyDefaultTint();
    store.applyDefaultMethod();
    EXPECT_EQ(store.slot(1).tintR, 0.3);
    EXPECT_EQ(store.slot(2).tintR, 0.5);
    EXPECT_EQ(store.slot(2500).tintR, 0.5);  // free slots follow too
    EXPECT_EQ(store.slot(1).method, 3);
    EXPECT_EQ(store.slot(2).method, 1);
}

TEST_F(FigureTable, RenumberingFollowsLinkFlagsAboveTheHighestFigure) {
    store.HighestFigure = 3;
    store.LoadBase = 0;
    const std::uint8_t links[] = {1, 1, 0, 0, 1, 0};
    store.VertexCount = 6;
    for (int k = 1; k <= 6; ++k) store.link(k) = links[k - 1];
    EXPECT_TRUE(store.renumberFigures());
    std::vector<int> figures;
    for (int k = 1; k <= 6; ++k) figures.push_back(store.figure(k));
    EXPECT_EQ(figures, (std::vector<int>{4, 4, 4, 5, 6, 6}));
    EXPECT_EQ(store.LoadedHighest, 6);
    EXPECT_EQ(store.FigureInUse[6], 1);
}

TEST_F(FigureTable, RenumberingStopsAtTheTableCapacity) {
    store.HighestFigure = MaxFigures - 2;
    store.VertexCount = 5;
    const std::uint8_t links[] = {1, 0, 0, 1, 0};
    for (int k = 1; k <= 5; ++k) store.link(k) = links[k - 1];
    EXPECT_FALSE(store.renumberFigures());
    EXPECT_EQ(store.VertexCount, 3);  // figure 2499 (2 vertices) and 2500 (1 vertex)
    EXPECT_EQ(store.figure(3), MaxFigures);
    EXPECT_EQ(store.link(store.VertexCount), 0);
    EXPECT_EQ(store.LoadedHighest, MaxFigures);
}

TEST_F(FigureTable, FigureFileAppendsAfterTheHighestFigure) {
    TempDir dir;
    Files files(dir.path());
    options.tintG = 0.25;
    options.defaultMethod = 1;
    dir.write("a.zuk", zukRecords({{0.2, 0.3, 1.0, 1, 1, 1, 7}, {0.9, 0.9, 0.9, 3, 0, 1, 0}, {1, 1, 1, 2, 1, 0, 0}}));
    store.HighestFigure = 2;
    EXPECT_TRUE(store.readFigureFile(files, "a.zuk"));
    EXPECT_EQ(store.LoadedHighest, 5);
    EXPECT_EQ(store.HighestFigure, 2);  // left to the caller
    for (int s = 3; s <= 5; ++s) EXPECT_EQ(store.FigureInUse[s], 1);
    EXPECT_EQ(store.slot(3), (FigureRecord{0.2, 0.3, 1.0, 1, 1, 1, 7}));
    EXPECT_EQ(store.slot(4).tintG, 0.25);  // not fixed: takes the display tint
    EXPECT_EQ(store.slot(4).method, 3);
    EXPECT_EQ(store.slot(5).method, options.defaultMethod);
}

TEST_F(FigureTable, TrailingPartialRecordIsAnErrorThatKeepsWhatWasRead) {
    TempDir dir;
    Files files(dir.path());
    auto bytes = zukRecords({{0.2, 0.3, 1.0, 1, 1, 1, 0}, {0.2, 0.3, 1.0, 1, 1, 1, 0}});
    bytes.resize(bytes.size() - 5);
    dir.write("p.zuk", bytes);
    store.LoadedHighest = -1;
    EXPECT_THROW(store.readFigureFile(files, "p.zuk"), IoError);
    EXPECT_EQ(store.FigureInUse[1], 1);
    EXPECT_EQ(store.FigureInUse[2], 0);
    EXPECT_EQ(store.LoadedHighest, -1);
    EXPECT_THROW(store.readFigureFile(files, "none.zuk"), IoError);
}

TEST_F(FigureTable, FigureFileStopsAtTheTableCapacity) {
    TempDir dir;
    Files files(dir.path());
    dir.write("big.zuk", zukRecords(std::vector<FigureRecord>(5)));
    store.HighestFigure = MaxFigures - 2;
    EXPECT_FALSE(store.readFigureFile(files, "big.zuk"));
    EXPECT_EQ(store.LoadedHighest, MaxFigures);
}

TEST_F(FigureTable, WriteCoversSlotsUpToTheHighestFigureInUseOrNot) {
    TempDir dir;
    Files files(dir.path());
    store.writeFigureFile(files, "empty.zuk");
    EXPECT_TRUE(dir.read("empty.zuk").empty());
    store.allocFigure();
    store.allocFigure();
    store.allocFigure();
    store.FigureInUse[2] = 0;
    store.slot(3).reserved = 42;
    store.writeFigureFile(files, "three.zuk");
    auto bytes = dir.read("three.zuk");
    ASSERT_EQ(bytes.size(), 3u * FigureRecordSize);
    EXPECT_EQ(bytes[2 * FigureRecordSize + 27], 42);
    ByteReader r(bytes);
    EXPECT_EQ(r.f64(), options.tintR);
}

// The vertex arrays lie side by side in the store: an index one past the end
// of x lands on y[0], which no sanitizer notices.
TEST(FigureStoreBounds, IndexPastAnArrayStopsTheProgramWithItsPlace) {
    DisplayOptions options;
    FigureStore store{options};
    const struct {
        const char* what;
        std::function<void()> access;
    } cases[] = {
        {"x past the end", [&] { (void)store.x(MaxVertices + 1); }},
        {"y before the start", [&] { (void)store.y(-1); }},
        {"link past the end", [&] { store.link(MaxVertices + 1) = 1; }},
        {"figure slot past the end", [&] { (void)store.slot(MaxFigures + 1); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DEATH(c.access(), "FigureStore.h:[0-9]+: VERIFY");
    }
    EXPECT_EQ(store.x(MaxVertices), 0.0f);
    EXPECT_EQ(store.slot(MaxFigures).method, FigureRecord{}.method);
}
