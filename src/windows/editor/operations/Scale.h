// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scaling a figure by a factor from 0.1 to 10 typed into an input box.
#include "windows/editor/operations/TypedTransform.h"

namespace vantor::edit {

class Scale final : public TypedTransform {
public:
    explicit Scale(Context& editor);
    void release(int x, int y) override { scaleFigure(x, y); }

private:
    void scaleFigure(int x, int y) { transformPicked(x, y); }
    void apply(float factor, float cx, float cy) override;
};

}  // namespace vantor::edit
