// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the drawing tools share: the common press, which arms the drag at the
// placed press point and starts the work figure there, and the generation of
// vertices along a segment by the vertex spacing.
#include "platform/pixels/Color.h"
#include "windows/editor/toolkit/Tool.h"

namespace vantor::edit {

class DrawingTool : public Tool {
public:
    void press(int x, int y) override { beginFigure(x, y); }
    void cancel() override { m_rubberShown = false; }

protected:
    explicit DrawingTool(Context& editor) : Tool(editor) {}

    // The common press of the drawing tools (the left button only).
    void beginFigure(int x, int y);
    // Appends a sheet point to work with its data coordinates.
    void appendPoint(IntPoint p);
    // Appends the segment from P (already the last work vertex) to Q,
    // subdivided by the vertex spacing.
    void addLine(IntPoint p, IntPoint q);

    // The tool's preview of the figure from the press point to P, drawn
    // with the rubber pen. Shown by a move in place of the one before;
    // erased by the release before it commits.
    virtual void preview(IntPoint) {}
    void showPreview(IntPoint p);
    void erasePreview() {
        if (m_rubberShown) preview(m_current);
    }

    IntPoint m_start;    // the placed press point
    IntPoint m_current;  // the end of the preview drawn last; the free curve's last sample
    // A preview is on the sheet; drawing it again erases it.
    bool m_rubberShown = false;
};

}  // namespace vantor::edit
