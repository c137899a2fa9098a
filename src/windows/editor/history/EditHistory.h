// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figure store's states from the oldest one that can be returned to up to
// the newest; undo and redo move between them. At most `depth` steps back are
// kept: older states are dropped. One state may be marked as the one on disk
// (last loaded or saved), so that the edited flag can follow undo and redo.
#include <cstddef>
#include <deque>

#include "model/figures/StoreSnapshot.h"

namespace vantor {

class EditHistory {
public:
    static constexpr int DefaultDepth = 100;
    explicit EditHistory(int depth = DefaultDepth) : m_depth(depth < 1 ? 1 : depth) {}

    // Makes the store's content the newest state when it differs from the
    // current one; states that could be redone are dropped. True when a step
    // was added. The first call only takes the starting state.
    bool record(const FigureStore& store);
    // Forgets every state and starts again from the store's content.
    void reset(const FigureStore& store);

    bool canUndo() const { return m_cursor > 0; }
    bool canRedo() const { return m_cursor + 1 < m_states.size(); }
    // Put the previous (next) state into the store; false when there is none.
    bool undo(FigureStore& store);
    bool redo(FigureStore& store);

    // The current state is the one on disk.
    void markSaved() { m_saved = static_cast<long>(m_cursor); }
    bool atSavedState() const { return m_saved == static_cast<long>(m_cursor); }

    int undoSteps() const { return static_cast<int>(m_cursor); }
    // Heap bytes held by the kept states.
    std::size_t bytes() const;

private:
    // The state the store holds when it is not being changed.
    const StoreSnapshot& current() const { return m_states[m_cursor]; }

    int m_depth;
    std::deque<StoreSnapshot> m_states;
    std::size_t m_cursor = 0;
    long m_saved = -1;  // index of the state on disk, -1 when none is kept
};

}  // namespace vantor
