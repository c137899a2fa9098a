// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Depth ordering of the profile segments (sortByDepth): for the view angles 90,
// 180 and 270 degrees, the segment numbers sorted by the eye distance of the
// segment's midpoint, farthest first. One table serves both mirror-image
// halves of a step, since a point turned to a and to 180 - a lies at the same
// distance from the eye.
//
// The order is defined by an exchange selection sort that never exchanges
// equal distances. Where all distances differ, every correct descending sort
// gives that order; equal distances are placed exactly as the exchange sort
// places them (see orderLikeExchangeSort).
#include <cstdint>
#include <span>
#include <vector>

#include "render/geometry/ViewGeometry.h"
#include "platform/checks/Verify.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

class FigureStore;

class DepthOrder {
public:
    enum class Method { Fast, Exchange };

    // Fills the midpoints, distances and the three tables from the vertex
    // list and the current eye. Method::Exchange runs the quadratic exchange
    // sort literally (reference for tests and benchmarks).
    void sortByDepth(const FigureStore& store, const ViewGeometry& view, Method method = Method::Fast);

    // Number of table entries (VertexCount - 1, at least 0).
    int segmentCount() const { return m_count; }
    // Table k (1: 90 degrees, 2: 180, 3: 270), entry j = 1..segmentCount().
    std::int32_t entry(int k, int j) const {
        VERIFY(j >= 0 && static_cast<std::size_t>(j) < m_tables[tableIndex(k)].size());
        return m_tables[tableIndex(k)][static_cast<std::size_t>(j)];
    }
    // The table for the step whose first angle is e degrees: 90..179 -> 1,
    // 180..209 -> 2, from 210 on -> 3.
    static int tableForStep(int e) { return e < 180 ? 1 : (e < 210 ? 2 : 3); }
    // The simulation's pictures draw with the two outer tables only: table 3
    // for the angles 180..360, table 1 for the others.
    static int tableForSimulation(int a) { return a >= 180 && a <= 360 ? 3 : 1; }
    const std::int32_t* table(int k) const { return m_tables[tableIndex(k)].data(); }

    f32 midX(int s) const { return m_mx[static_cast<std::size_t>(s)]; }
    f32 midY(int s) const { return m_my[static_cast<std::size_t>(s)]; }
    // Distances of the last table sorted (270 degrees).
    f32 distance(int s) const { return m_d[static_cast<std::size_t>(s)]; }

private:
    // Tables 1, 2 and 3.
    static std::size_t tableIndex(int k) {
        VERIFY(k >= 1 && k <= 3);
        return static_cast<std::size_t>(k - 1);
    }
    int m_count = 0;
    std::vector<f32> m_mx, m_my, m_d;  // index 1..count
    std::vector<std::int32_t> m_tables[3];  // index 1..count
    std::vector<std::int32_t> m_scratch;
    std::vector<int> m_fenwick;
};

// The reference order, an exchange selection sort: for p = 1..m-1,
// q = p+1..m, exchange table[p] and table[q] when
// dist[table[q]] > dist[table[p]]. `table` holds entries
// 1..m at indices 1..m; `dist` is indexed by the values in the table.
void exchangeSelectionSort(std::span<std::int32_t> table, std::span<const f32> dist);

// Writes into table[1..m] the order the exchange sort produces from the
// identity table 1..m, in O(m log m) plus the size of the tie groups
// squared. Falls back to the exchange sort itself when a distance is NaN,
// which orders with nothing. `scratch` and `fenwick` are reused buffers.
void orderLikeExchangeSort(std::span<std::int32_t> table, std::span<const f32> dist, std::vector<std::int32_t>& scratch,
                           std::vector<int>& fenwick);

}  // namespace vantor
