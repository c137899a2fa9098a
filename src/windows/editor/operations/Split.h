// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splitting a figure at the vertex nearest the mouse: both parts keep that
// vertex and the figure's attributes; the first part is appended first.
#include "windows/editor/toolkit/Tool.h"

namespace vantor::edit {

class Split final : public Tool {
public:
    static constexpr const char* RefusedText =
        "頂点が多すぎるため、この図形は切断できません。\r先に、どれかの図形を削除してください";

    explicit Split(Context& editor) : Tool(editor) {}
    void release(int x, int y) override { splitFigure(x, y); }

private:
    void splitFigure(int x, int y);
};

}  // namespace vantor::edit
