// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Deleting the figure nearest the release, after a question. On No the
// figure goes back at the end of the list.
#include "windows/editor/toolkit/Tool.h"

namespace vantor::edit {

class Delete final : public Tool {
public:
    explicit Delete(Context& editor) : Tool(editor) {}
    void release(int x, int y) override { deleteFigure(x, y); }

private:
    void deleteFigure(int x, int y);
};

}  // namespace vantor::edit
