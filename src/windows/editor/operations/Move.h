// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving and copying a figure by dragging it. The figure is taken out at the
// press; the preview follows the drag; the release puts it back moved (and,
// for a copy that was dragged at least 5 pixels, the original where it was
// as well). The figure stops at the axis; a figure stopped there is not
// snapped to the grid.
#include "windows/editor/toolkit/FigureBuffer.h"
#include "windows/editor/toolkit/Tool.h"

namespace vantor::edit {

class Move : public Tool {
public:
    explicit Move(Context& editor) : Move(editor, false) {}
    void press(int x, int y) override { pickUpFigure(x, y); }
    void move(int x, int y) override { dragFigure(x, y); }
    void release(int x, int y) override { dropFigure(x, y); }
    void cancel() override;

protected:
    Move(Context& editor, bool copies) : Tool(editor), m_copies(copies) {}

private:
    void pickUpFigure(int x, int y);
    void dragFigure(int x, int y);
    void dropFigure(int x, int y);
    // The offset of the drag to E, stopped where the figure meets the axis.
    IntPoint offsetTo(IntPoint e, bool& stopped) const;

    const bool m_copies;
    Outline m_outline;   // of the picked figure, at the press
    IntPoint m_start;    // the placed press point
    bool m_rubberShown = false;
    bool m_copyMode = false;  // this drag has become a copy
    FigureBuffer m_preview;   // the figure where the drag has put it
};

class Copy final : public Move {
public:
    explicit Copy(Context& editor) : Move(editor, true) {}
};

}  // namespace vantor::edit
