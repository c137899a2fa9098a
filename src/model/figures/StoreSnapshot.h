// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A copy of the figure store's content: the vertices in use and the figure
// table up to its highest slot in use. Only the VertexCount entries are kept,
// never the whole fixed-size arrays, so a copy of a small drawing is small.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/figures/FigureStore.h"

namespace vantor {

class StoreSnapshot {
public:
    static StoreSnapshot capture(const FigureStore& store);

    // Puts the content back. Figure attributes that follow the display's
    // defaults take the defaults as they are now, not as they were.
    void restoreInto(FigureStore& store) const;
    // True when the store holds this content (the bookkeeping of loads and
    // the edited flag aside; attributes that follow the defaults compare equal).
    bool matches(const FigureStore& store) const;

    std::int32_t vertexCount() const { return static_cast<std::int32_t>(m_x.size()); }
    // Heap bytes held by this copy.
    std::size_t bytes() const;

private:
    std::vector<float> m_x, m_y;
    std::vector<std::uint8_t> m_link;
    std::vector<std::int32_t> m_figure;
    // Slots 0..top of the figure table.
    std::vector<FigureRecord> m_records;
    std::vector<std::uint8_t> m_inUse;
    std::int32_t m_highestFigure = 0;
    std::int32_t m_loadBase = 0;
    std::int32_t m_loadedHighest = 0;
};

}  // namespace vantor
