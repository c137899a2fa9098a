// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/figures/StoreSnapshot.h"

#include <algorithm>
#include <cstring>

namespace vantor {

namespace {

// The highest slot whose content matters: in use, named by a vertex, or at
// or below HighestFigure. Slots above it are free and hold the defaults.
int tableTop(const FigureStore& s) {
    int top = std::clamp(s.HighestFigure, 0, MaxFigures);
    for (int n = MaxFigures; n > top; --n)
        if (s.FigureInUse[static_cast<std::size_t>(n)] != 0) {
            top = n;
            break;
        }
    for (int k = 1; k <= s.VertexCount; ++k) top = std::max(top, std::clamp(s.figure(k), 0, MaxFigures));
    return top;
}

int usedVertices(const FigureStore& s) { return std::clamp(s.VertexCount, 0, MaxVertices); }

// Tint and method count only where the figure fixes them; otherwise they
// follow the display's defaults and are not part of the figure.
bool sameFigure(const FigureRecord& a, const FigureRecord& b) {
    if (a.tintFixed != b.tintFixed || a.methodFixed != b.methodFixed || a.reserved != b.reserved) return false;
    if (a.tintFixed != 0 && a.tint() != b.tint()) return false;
    return a.methodFixed == 0 || a.method == b.method;
}

template <typename T, std::size_t N>
bool sameEntries(const std::vector<T>& kept, const std::array<T, N>& live, std::size_t first) {
    return kept.empty() || std::memcmp(kept.data(), live.data() + first, kept.size() * sizeof(T)) == 0;
}

template <typename T, std::size_t N>
void copyEntries(std::vector<T>& kept, const std::array<T, N>& live, std::size_t first, std::size_t count) {
    kept.assign(live.begin() + static_cast<std::ptrdiff_t>(first),
                live.begin() + static_cast<std::ptrdiff_t>(first + count));
}

}  // namespace

StoreSnapshot StoreSnapshot::capture(const FigureStore& store) {
    StoreSnapshot snap;
    const auto n = static_cast<std::size_t>(usedVertices(store));
    copyEntries(snap.m_x, store.vertices.x, 1, n);
    copyEntries(snap.m_y, store.vertices.y, 1, n);
    copyEntries(snap.m_link, store.vertices.link, 1, n);
    copyEntries(snap.m_figure, store.vertices.figure, 1, n);
    const auto slots = static_cast<std::size_t>(tableTop(store)) + 1;
    copyEntries(snap.m_records, store.FigureTable, 0, slots);
    copyEntries(snap.m_inUse, store.FigureInUse, 0, slots);
    snap.m_highestFigure = store.HighestFigure;
    snap.m_loadBase = store.LoadBase;
    snap.m_loadedHighest = store.LoadedHighest;
    return snap;
}

void StoreSnapshot::restoreInto(FigureStore& store) const {
    std::copy(m_x.begin(), m_x.end(), store.vertices.x.begin() + 1);
    std::copy(m_y.begin(), m_y.end(), store.vertices.y.begin() + 1);
    std::copy(m_link.begin(), m_link.end(), store.vertices.link.begin() + 1);
    std::copy(m_figure.begin(), m_figure.end(), store.vertices.figure.begin() + 1);
    store.VertexCount = vertexCount();

    // Slots the store uses now beyond the kept ones become free again.
    const int liveTop = tableTop(store);
    const DisplayOptions& defaults = store.options();
    for (int n = static_cast<int>(m_records.size()); n <= liveTop; ++n) {
        FigureRecord& r = store.slot(n);
        r = FigureRecord::following(defaults, r.reserved);
        store.FigureInUse[static_cast<std::size_t>(n)] = 0;
    }
    std::copy(m_records.begin(), m_records.end(), store.FigureTable.begin());
    std::copy(m_inUse.begin(), m_inUse.end(), store.FigureInUse.begin());
    store.HighestFigure = m_highestFigure;
    store.LoadBase = m_loadBase;
    store.LoadedHighest = m_loadedHighest;
    store.applyDefaultTint();
    store.applyDefaultMethod();
}

bool StoreSnapshot::matches(const FigureStore& store) const {
    if (usedVertices(store) != vertexCount() || store.HighestFigure != m_highestFigure) return false;
    if (!sameEntries(m_x, store.vertices.x, 1) || !sameEntries(m_y, store.vertices.y, 1) ||
        !sameEntries(m_link, store.vertices.link, 1) || !sameEntries(m_figure, store.vertices.figure, 1))
        return false;
    if (static_cast<std::size_t>(tableTop(store)) + 1 != m_records.size()) return false;
    if (!sameEntries(m_inUse, store.FigureInUse, 0)) return false;
    for (std::size_t n = 0; n < m_records.size(); ++n)
        if (!sameFigure(m_records[n], store.FigureTable[n])) return false;
    return true;
}

std::size_t StoreSnapshot::bytes() const {
    return m_x.capacity() * sizeof(float) + m_y.capacity() * sizeof(float) + m_link.capacity() +
           m_figure.capacity() * sizeof(std::int32_t) + m_records.capacity() * sizeof(FigureRecord) +
           m_inUse.capacity();
}

}  // namespace vantor
