// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/still/DepthOrder.h"

#include <algorithm>
#include <cmath>

#include "model/figures/FigureStore.h"

namespace vantor {

void exchangeSelectionSort(std::span<std::int32_t> table, std::span<const f32> dist) {
    const std::size_t m = table.size() - 1;
    for (std::size_t p = 1; p + 1 <= m; ++p) {
        for (std::size_t q = p + 1; q <= m; ++q) {
            if (dist[static_cast<std::size_t>(table[q])] > dist[static_cast<std::size_t>(table[p])]) std::swap(table[p], table[q]);
        }
    }
}

namespace {

int prefixCount(const std::vector<int>& tree, int i) {
    int sum = 0;
    for (; i > 0; i -= i & -i) sum += tree[static_cast<std::size_t>(i)];
    return sum;
}

void addOne(std::vector<int>& tree, int i) {
    for (; i < static_cast<int>(tree.size()); i += i & -i) ++tree[static_cast<std::size_t>(i)];
}

// Places one group of equal distances. Restricted to the entries whose
// distance is at least the group's value, the exchange sort moves a group
// member only while it stands first in the unsorted rest, and then to the
// place of the first larger entry after it. Walking the original order, the
// group therefore behaves as a queue: each member joins at the back, and
// each larger entry met while the queue is not empty sends its front member
// to the back. `members` arrive in original order.
void placeTieGroup(std::span<std::int32_t> members, int m, const std::vector<int>& larger, std::vector<std::int32_t>& queue) {
    queue.clear();
    std::size_t head = 0;  // logical order: queue[head..] then queue[..head)
    for (std::size_t i = 0; i < members.size(); ++i) {
        const int s = members[i];
        queue.insert(queue.begin() + static_cast<std::ptrdiff_t>(head), s);
        head = (head + 1) % queue.size();
        const int next = i + 1 < members.size() ? members[i + 1] : m + 1;
        const int between = prefixCount(larger, next - 1) - prefixCount(larger, s);
        head = (head + static_cast<std::size_t>(between) % queue.size()) % queue.size();
    }
    for (std::size_t i = 0; i < members.size(); ++i) members[i] = queue[(head + i) % queue.size()];
}

}  // namespace

void orderLikeExchangeSort(std::span<std::int32_t> table, std::span<const f32> dist, std::vector<std::int32_t>& scratch,
                           std::vector<int>& fenwick) {
    const int m = static_cast<int>(table.size()) - 1;
    for (int j = 1; j <= m; ++j) table[static_cast<std::size_t>(j)] = j;
    for (int s = 1; s <= m; ++s) {
        if (std::isnan(dist[static_cast<std::size_t>(s)])) {
            exchangeSelectionSort(table, dist);
            return;
        }
    }
    auto d = [&](std::int32_t s) { return dist[static_cast<std::size_t>(s)]; };
    std::sort(table.begin() + 1, table.end(), [&](std::int32_t a, std::int32_t b) { return d(a) > d(b) || (d(a) == d(b) && a < b); });

    bool ties = false;
    for (int j = 1; j < m && !ties; ++j) ties = d(table[static_cast<std::size_t>(j)]) == d(table[static_cast<std::size_t>(j + 1)]);
    if (!ties) return;

    fenwick.assign(static_cast<std::size_t>(m) + 1, 0);
    int j = 1;
    while (j <= m) {
        int k = j + 1;
        while (k <= m && d(table[static_cast<std::size_t>(k)]) == d(table[static_cast<std::size_t>(j)])) ++k;
        std::span<std::int32_t> group = table.subspan(static_cast<std::size_t>(j), static_cast<std::size_t>(k - j));
        if (group.size() > 1) {
            // The sort left the group in original order; remember it before placing.
            std::vector<std::int32_t> original(group.begin(), group.end());
            placeTieGroup(group, m, fenwick, scratch);
            for (std::int32_t s : original) addOne(fenwick, s);
        } else {
            addOne(fenwick, group[0]);
        }
        j = k;
    }
}

void DepthOrder::sortByDepth(const FigureStore& store, const ViewGeometry& view, Method method) {
    const int n = store.VertexCount;
    m_count = std::max(0, n - 1);
    const std::size_t size = static_cast<std::size_t>(m_count) + 1;
    m_mx.resize(size);
    m_my.resize(size);
    m_d.resize(size);
    for (auto& t : m_tables) t.resize(size);
    for (int s = 1; s <= m_count; ++s) {
        m_mx[static_cast<std::size_t>(s)] = toF32((static_cast<f64>(store.x(s)) + store.x(s + 1)) / 2);
        m_my[static_cast<std::size_t>(s)] = toF32((static_cast<f64>(store.y(s)) + store.y(s + 1)) / 2);
        for (auto& t : m_tables) t[static_cast<std::size_t>(s)] = s;
    }
    if (n < 3) return;
    for (int k = 1; k <= 3; ++k) {
        const TurnAngle angle = TurnAngle::fromRadians(toF32(k * 3.14159265358979323846264338327950288L * 0.5L));
        for (int s = 1; s <= m_count; ++s)
            m_d[static_cast<std::size_t>(s)] = view.LfromV(angle, m_my[static_cast<std::size_t>(s)], m_mx[static_cast<std::size_t>(s)]);
        std::span<std::int32_t> table(m_tables[static_cast<std::size_t>(k - 1)]);
        if (method == Method::Exchange) exchangeSelectionSort(table, m_d);
        else orderLikeExchangeSort(table, m_d, m_scratch, m_fenwick);
    }
}

}  // namespace vantor
