#pragma once
// The free curve: points sampled along the drag, one vertex spacing apart,
// then smoothed.
#include "windows/editor/tools/DrawingTool.h"

namespace vantor::edit {

class FreeCurve final : public DrawingTool {
public:
    explicit FreeCurve(Context& editor) : DrawingTool(editor) {}
    void press(int x, int y) override { startFreeLine(x, y); }
    void move(int x, int y) override { viaFreeDraw(x, y); }
    void release(int x, int y) override { detFreeLine(x, y); }

private:
    void startFreeLine(int x, int y);
    void viaFreeDraw(int x, int y);
    void detFreeLine(int x, int y);
    void smoothFreeCurve();

    float m_spacing = 5;  // the vertex spacing, fixed at the press
    IntPoint m_previous;  // the sample laid before the last
};

}  // namespace vantor::edit
