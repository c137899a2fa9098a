// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/history/EditHistory.h"

namespace vantor {

void EditHistory::reset(const FigureStore& store) {
    m_states.clear();
    m_states.push_back(StoreSnapshot::capture(store));
    m_cursor = 0;
    m_saved = -1;
}

bool EditHistory::record(const FigureStore& store) {
    if (m_states.empty()) {
        reset(store);
        return false;
    }
    if (current().matches(store)) return false;
    m_states.erase(m_states.begin() + static_cast<std::ptrdiff_t>(m_cursor) + 1, m_states.end());
    if (m_saved > static_cast<long>(m_cursor)) m_saved = -1;
    m_states.push_back(StoreSnapshot::capture(store));
    ++m_cursor;
    while (m_states.size() > static_cast<std::size_t>(m_depth) + 1) {
        m_states.pop_front();
        --m_cursor;
        if (m_saved >= 0) --m_saved;
    }
    return true;
}

bool EditHistory::undo(FigureStore& store) {
    if (!canUndo()) return false;
    --m_cursor;
    store.restore(current(), StoreChange::Restored);
    return true;
}

bool EditHistory::redo(FigureStore& store) {
    if (!canRedo()) return false;
    ++m_cursor;
    store.restore(current(), StoreChange::Restored);
    return true;
}

std::size_t EditHistory::bytes() const {
    std::size_t total = 0;
    for (const StoreSnapshot& s : m_states) total += sizeof(StoreSnapshot) + s.bytes();
    return total;
}

}  // namespace vantor
