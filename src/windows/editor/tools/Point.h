// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A single point: a figure of two coincident vertices where the mouse is
// released. The press arms the drag; moves do nothing.
#include "windows/editor/tools/DrawingTool.h"

namespace vantor::edit {

class Point final : public DrawingTool {
public:
    explicit Point(Context& editor) : DrawingTool(editor) {}
    void release(int x, int y) override { commitPoint(x, y); }

private:
    void commitPoint(int x, int y);
};

}  // namespace vantor::edit
