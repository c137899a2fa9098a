// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ellipses and circles: the press point is the centre, the release point a
// corner of the bounding box (of a square one for a circle, with the larger
// of the two extents). The vertices run counter-clockwise on the sheet from
// the point nearest the axis; a shape that reaches past the axis is cut
// there, so the figure ends on the axis.
#include "windows/editor/tools/DrawingTool.h"

namespace vantor::edit {

class Ellipse : public DrawingTool {
public:
    explicit Ellipse(Context& editor) : Ellipse(editor, false) {}
    void move(int x, int y) override { previewEllipseTo(x, y); }
    void release(int x, int y) override { commitEllipse(x, y); }

protected:
    Ellipse(Context& editor, bool circle) : DrawingTool(editor), m_circle(circle) {}

private:
    void previewEllipseTo(int x, int y);
    void commitEllipse(int x, int y);
    IntPoint circleCorner(IntPoint s, IntPoint e) const;
    void preview(IntPoint corner) override;
    void cutAtAxis(float a, float b, float cx, float cy, int n);

    const bool m_circle;
};

class Circle final : public Ellipse {
public:
    explicit Circle(Context& editor) : Ellipse(editor, true) {}
};

}  // namespace vantor::edit
