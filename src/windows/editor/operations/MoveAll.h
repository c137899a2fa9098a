// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving every figure up or down by a vertical drag. The list is shifted in
// place: order, figure numbers and x values stay.
#include "windows/editor/toolkit/Tool.h"

namespace vantor::edit {

class MoveAll final : public Tool {
public:
    explicit MoveAll(Context& editor) : Tool(editor) {}
    void press(int x, int y) override { pickUpAll(x, y); }
    void move(int x, int y) override { dragAll(x, y); }
    void release(int x, int y) override { dropAll(x, y); }
    void cancel() override { m_rubberShown = false; }

private:
    void pickUpAll(int x, int y);
    void dragAll(int x, int y);
    void dropAll(int x, int y);
    // The preview: a vertical line from the press point to the mouse's row.
    void rubber();

    IntPoint m_start;    // the placed press point
    IntPoint m_current;  // the placed mouse point, in the press point's column
    bool m_rubberShown = false;
};

}  // namespace vantor::edit
