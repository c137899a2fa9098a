// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Straight lines from the press to the release point, subdivided by the
// vertex spacing; a vertical or horizontal line keeps the press point's
// column or row.
#include "windows/editor/tools/DrawingTool.h"

namespace vantor::edit {

class Line : public DrawingTool {
public:
    explicit Line(Context& editor) : Line(editor, Direction::Any) {}
    void move(int x, int y) override { previewLineTo(x, y); }
    void release(int x, int y) override { commitLine(x, y); }

protected:
    enum class Direction { Any, Vertical, Horizontal };
    Line(Context& editor, Direction direction) : DrawingTool(editor), m_direction(direction) {}

private:
    void previewLineTo(int x, int y);
    void commitLine(int x, int y);
    void constrainLine(IntPoint& e) const;
    void preview(IntPoint e) override;

    const Direction m_direction;
};

class VerticalLine final : public Line {
public:
    explicit VerticalLine(Context& editor) : Line(editor, Direction::Vertical) {}
};

class HorizontalLine final : public Line {
public:
    explicit HorizontalLine(Context& editor) : Line(editor, Direction::Horizontal) {}
};

}  // namespace vantor::edit
