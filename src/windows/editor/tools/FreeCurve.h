// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The free curve: points sampled along the drag, one vertex spacing apart,
// then smoothed.
#include "windows/editor/tools/DrawingTool.h"

namespace vantor::edit {

class FreeCurve final : public DrawingTool {
public:
    explicit FreeCurve(Context& editor) : DrawingTool(editor) {}
    void press(int x, int y) override { beginCurve(x, y); }
    void move(int x, int y) override { extendCurve(x, y); }
    void release(int x, int y) override { finishCurve(x, y); }

private:
    void beginCurve(int x, int y);
    void extendCurve(int x, int y);
    void finishCurve(int x, int y);
    void smoothCurve();

    float m_spacing = 5;  // the vertex spacing, fixed at the press
    IntPoint m_previous;  // the sample laid before the last
};

}  // namespace vantor::edit
