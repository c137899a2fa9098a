// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rectangles from two corners. One that touches the axis stays open along
// it: the side on the axis is not generated and both ends lie on the axis.
#include "windows/editor/tools/DrawingTool.h"

namespace vantor::edit {

class Rectangle final : public DrawingTool {
public:
    explicit Rectangle(Context& editor) : DrawingTool(editor) {}
    void move(int x, int y) override { previewRectangleTo(x, y); }
    void release(int x, int y) override { commitRectangle(x, y); }

private:
    void previewRectangleTo(int x, int y);
    void commitRectangle(int x, int y);
    void preview(IntPoint e) override;
};

}  // namespace vantor::edit
