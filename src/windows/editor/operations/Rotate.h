// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rotating a figure by an angle from -360 to 360 degrees typed into an input
// box; a positive angle turns it counter-clockwise as seen on the sheet.
#include "windows/editor/operations/TypedTransform.h"

namespace vantor::edit {

class Rotate final : public TypedTransform {
public:
    explicit Rotate(Context& editor);
    void release(int x, int y) override { rotateFigure(x, y); }

private:
    void rotateFigure(int x, int y) { transformPicked(x, y); }
    void apply(float degrees, float cx, float cy) override;
};

}  // namespace vantor::edit
