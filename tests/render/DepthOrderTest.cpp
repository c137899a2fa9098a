// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "support/Profiles.h"
#include "render/still/DepthOrder.h"

using namespace vantor;
using vantor::test::addFigure;

namespace {

std::vector<std::int32_t> exchangeOrder(const std::vector<f32>& dist) {
    std::vector<std::int32_t> t(dist.size());
    for (std::size_t j = 0; j < t.size(); ++j) t[j] = static_cast<std::int32_t>(j);
    exchangeSelectionSort(t, dist);
    return t;
}

std::vector<std::int32_t> fastOrder(const std::vector<f32>& dist) {
    std::vector<std::int32_t> t(dist.size()), scratch;
    std::vector<int> fenwick;
    orderLikeExchangeSort(t, dist, scratch, fenwick);
    return t;
}

ViewGeometry factoryView() {
    DisplayOptions o;
    o.setFactoryValues();
    ViewGeometry g;
    g.setZoomScale(o);
    g.PrepareViewPoint(o);
    g.prepareInclination(o);
    return g;
}

}  // namespace

TEST(ExchangeSelectionSort, EqualDistancesAreNotExchanged) {
    // Index 0 is unused; the tables are 1-based.
    EXPECT_EQ(exchangeOrder({0, 1, 1, 2}), (std::vector<std::int32_t>{0, 3, 2, 1}));
    EXPECT_EQ(exchangeOrder({0, 1, 2, 1}), (std::vector<std::int32_t>{0, 2, 1, 3}));
    EXPECT_EQ(exchangeOrder({0, 1, 3, 1, 2}), (std::vector<std::int32_t>{0, 2, 4, 3, 1}));
    EXPECT_EQ(exchangeOrder({0, 5, 5, 5}), (std::vector<std::int32_t>{0, 1, 2, 3}));
}

TEST(OrderLikeExchangeSort, MatchesTheExchangeSortWithAndWithoutTies) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 3000; ++round) {
        const int m = 1 + static_cast<int>(rng() % 40);
        // Few distinct values make many ties; many make none.
        const int distinct = round % 3 == 0 ? 1000000 : 1 + static_cast<int>(rng() % 6);
        std::vector<f32> dist(static_cast<std::size_t>(m) + 1, 0);
        for (int s = 1; s <= m; ++s) dist[s] = static_cast<f32>(rng() % distinct);
        ASSERT_EQ(fastOrder(dist), exchangeOrder(dist)) << "round " << round;
    }
}

TEST(OrderLikeExchangeSort, NaNDistancesFollowTheExchangeSort) {
    const f32 nan = std::numeric_limits<f32>::quiet_NaN();
    const std::vector<f32> dist{0, 3, nan, 5, 1, nan, 5};
    EXPECT_EQ(fastOrder(dist), exchangeOrder(dist));
}

TEST(sortByDepth, TablesOfAProfileMatchTheExchangeSort) {
    const ViewGeometry g = factoryView();
    for (const auto& [name, profile] : {std::pair{"vase", test::vaseProfile(60)}, {"repeated", test::repeatedProfile(41)}}) {
        SCOPED_TRACE(name);
        DisplayOptions o;
        FigureStore store(o);
        store.clearVertices();
        addFigure(store, profile, 1);
        addFigure(store, profile, 2);  // the same segments again: equal distances
        DepthOrder fast, plain;
        fast.sortByDepth(store, g, DepthOrder::Method::Fast);
        plain.sortByDepth(store, g, DepthOrder::Method::Exchange);
        ASSERT_EQ(fast.segmentCount(), store.VertexCount - 1);
        for (int k = 1; k <= 3; ++k)
            for (int j = 1; j <= fast.segmentCount(); ++j) ASSERT_EQ(fast.entry(k, j), plain.entry(k, j)) << k << " " << j;
    }
}

TEST(sortByDepth, FarthestSegmentFirstAndMidpoints) {
    DisplayOptions o;
    FigureStore store(o);
    store.clearVertices();
    // Three stacked horizontal segments; seen from above (15 degrees), at 90
    // degrees the highest one is the nearest... and the lowest the farthest.
    addFigure(store, {{10, 0}, {50, 0}}, 1);
    addFigure(store, {{10, 100}, {50, 100}}, 2);
    addFigure(store, {{10, -100}, {50, -100}}, 3);
    DepthOrder order;
    order.sortByDepth(store, factoryView());
    ASSERT_EQ(order.segmentCount(), 5);
    EXPECT_FLOAT_EQ(order.midX(1), 30);
    EXPECT_FLOAT_EQ(order.midY(2), 50);  // the gap between figures 1 and 2
    EXPECT_EQ(order.entry(1, 1), 5) << "lowest segment is farthest from an eye above";
    EXPECT_EQ(order.entry(1, 5), 3);
}

TEST(sortByDepth, OneSegmentOrNoneIsNotSorted) {
    DisplayOptions o;
    FigureStore store(o);
    store.clearVertices();
    DepthOrder order;
    order.sortByDepth(store, factoryView());
    EXPECT_EQ(order.segmentCount(), 0);
    addFigure(store, {{10, 0}, {50, 0}}, 1);
    order.sortByDepth(store, factoryView());
    ASSERT_EQ(order.segmentCount(), 1);
    EXPECT_EQ(order.entry(3, 1), 1);
}
