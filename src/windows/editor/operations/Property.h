// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A figure's own colour and drawing method: the figure nearest the release
// is taken out, the property dialog edits its attributes, and it goes back
// with whatever the dialog left. Any mouse button.
#include "windows/editor/toolkit/Tool.h"

namespace vantor::edit {

class Property final : public Tool {
public:
    explicit Property(Context& editor) : Tool(editor) {}
    void release(int x, int y) override { editFigureProperties(x, y); }

private:
    void editFigureProperties(int x, int y);
};

}  // namespace vantor::edit
