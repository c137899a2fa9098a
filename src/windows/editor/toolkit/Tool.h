// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One tool or operation of the figure editor. The editor hands it the press,
// the moves and the release of each gesture on the sheet (pixel positions)
// while its state is current; the tool keeps whatever that gesture has to
// remember and reaches the editor only through the context it was given.
#include "windows/editor/toolkit/SheetGeometry.h"

namespace vantor::edit {

class Context;

// Every tool maps between sheet pixels and data coordinates.
class Tool : protected SheetGeometry {
public:
    virtual ~Tool() = default;
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;

    // A tool that has nothing to do on an event keeps the empty default.
    virtual void press(int, int) {}
    virtual void move(int, int) {}
    virtual void release(int, int) {}
    // Escape: forgets the gesture under way. The editor itself puts the
    // sheet, the store and the status text back as they were at the press.
    virtual void cancel() {}

protected:
    explicit Tool(Context& editor) : m_editor(editor) {}
    Context& m_editor;
};

// The idle state: every event is ignored.
class Idle final : public Tool {
public:
    explicit Idle(Context& editor) : Tool(editor) {}
};

}  // namespace vantor::edit
