// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What scaling and rotating share: on the release, the figure nearest the
// mouse is taken out and a value is asked for in an input box; a plain
// decimal within the range (as a single-precision value) changes the figure
// about the centre of its pixel outline. Whatever the answer, the figure
// goes back left of the axis and with its first vertex on the grid.
#include "windows/editor/toolkit/Tool.h"

namespace vantor::edit {

class TypedTransform : public Tool {
protected:
    struct Question {
        const char* caption;
        const char* prompt;
        const char* initial;
        double least, most;  // the range of the single-precision value
    };
    TypedTransform(Context& editor, const Question& question) : Tool(editor), m_question(question) {}

    void transformPicked(int x, int y);
    // Changes x and y of every work vertex; (cx, cy) is the outline's centre.
    virtual void apply(float value, float cx, float cy) = 0;

private:
    const Question m_question;
};

}  // namespace vantor::edit
