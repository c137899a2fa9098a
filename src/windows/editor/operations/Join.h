// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Joining two figures: press on the first (S), release on the second (T).
// S is held out of the store from the press to the release. On Yes, S is
// moved so that its nearest end lands on T's nearest end, and the joined
// figure runs through T first, then S, keeping T's attributes.
#include "model/figures/FigureStore.h"
#include "windows/editor/toolkit/FigureBuffer.h"
#include "windows/editor/toolkit/Tool.h"

namespace vantor::edit {

class Join final : public Tool {
public:
    static constexpr const char* WaitingText = "結合する図形１？";

    explicit Join(Context& editor) : Tool(editor) {}
    void press(int x, int y) override { pickFirstEnd(x, y); }
    void release(int x, int y) override { joinFigures(x, y); }
    void cancel() override { m_first.clear(); }

private:
    void pickFirstEnd(int x, int y);
    void joinFigures(int x, int y);
    // S in m_first, T in work; leaves the joined figure in work.
    void joinFirstIntoWork();

    FigureBuffer m_first;  // S, from the press to the release
    FigureRecord m_firstRecord;
};

}  // namespace vantor::edit
