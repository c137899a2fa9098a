// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving one vertex of a figure. The vertex follows the mouse (kept on or
// left of the axis, never snapped to the grid) with rubber lines to its
// neighbours.
#include "windows/editor/toolkit/Tool.h"

namespace vantor::edit {

class MoveVertex final : public Tool {
public:
    explicit MoveVertex(Context& editor) : Tool(editor) {}
    void press(int x, int y) override { pickUpVertex(x, y); }
    void move(int x, int y) override { dragVertex(x, y); }
    void release(int x, int y) override { dropVertex(x, y); }
    void cancel() override { m_rubberShown = false; }

private:
    void pickUpVertex(int x, int y);
    void dragVertex(int x, int y);
    void dropVertex(int x, int y);
    void rubber();

    std::int32_t m_index = 1;  // the dragged vertex within the work figure, from 1
    bool m_hasPrev = false, m_hasNext = false;
    IntPoint m_prevNeighbour, m_nextNeighbour;
    IntPoint m_current;  // where the vertex is dragged
    bool m_rubberShown = false;
};

}  // namespace vantor::edit
