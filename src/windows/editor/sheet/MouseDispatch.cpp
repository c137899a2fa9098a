// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse events on the sheet go to the tool of the current state: its press,
// move and release. The window keeps what every gesture has (the button of
// the press, whether it is under way or cancelled) and takes the history
// step after each release.
#include <optional>
#include <string>

#include "platform/numbers/TextNumbers.h"
#include "windows/editor/EditorWindow.h"
#include "windows/editor/ToolTable.h"
#include "windows/editor/operations/TypedVertex.h"
#include "windows/shared/Workspace.h"

namespace vantor {

namespace {
// The data range of the sheet's pixels: a vertex typed here can also be
// reached with the mouse, and lies on or left of the axis.
constexpr long double MaxTypedX = EditorWindow::AxisColumn;
constexpr long double MaxTypedY = EditorWindow::BaseRow;
}  // namespace

void EditorWindow::imgSheetMouseDown(MouseButton button, int x, int y) {
    // A figure still held from a gesture whose release never came goes back
    // first, so that the new gesture starts from a whole store.
    restoreHeldFigure();
    checkpoint();
    beginGesture();
    m_gesture.buttonDown = true;
    m_gesture.cancelled = false;
    m_gesture.button = button;
    m_tools->at(m_state).press(x, y);
}

void EditorWindow::imgSheetMouseMove(int x, int y) {
    showCursorAt(x, y);
    if (m_gesture.cancelled) return;
    m_tools->at(m_state).move(x, y);
}

// The release acts on the button of the press (kept in the gesture).
void EditorWindow::imgSheetMouseUp(MouseButton, int x, int y) {
    m_gesture.buttonDown = false;
    if (m_gesture.cancelled) {
        m_gesture.cancelled = false;
        return;
    }
    m_tools->at(m_state).release(x, y);
    checkpoint();
    refreshStatusLine();
}

// The second press of a double click. On a vertex, where a click does not
// change the store (idle) or has just put the vertex where the mouse is
// (moving a vertex), it lets the user type the vertex's coordinates and the
// release that follows is ignored; elsewhere it is a press like any other.
void EditorWindow::imgSheetDblClick(MouseButton button, int x, int y) {
    const bool typing = button == MouseButton::Left && (m_state == EditState::Idle || m_state == EditState::MoveVertex) &&
                        !m_gesture.dragging && !m_figureHeld && store().VertexCount > 0;
    if (!typing) {
        imgSheetMouseDown(button, x, y);
        return;
    }
    m_gesture.cancelled = true;  // the release of this press
    typeVertex(x, y);
}

// The vertex keeps its place in the list and its figure; only its x and y
// change.
void EditorWindow::typeVertex(int px, int py) {
    FigureStore& s = store();
    const std::int32_t k = nearestVertex(px, py);
    if (k < 1) return;
    std::int32_t first = k, last = k;
    while (first > 1 && s.link(first - 1) == 1) --first;
    while (last < s.VertexCount && s.link(last) == 1) ++last;
    showPicked(s.figure(k), last - first + 1);
    const std::string initial = shortestDecimal(s.x(k)) + ", " + shortestDecimal(s.y(k));
    const std::string typed = m_workspace.desktop.inputBox(
        "頂点の座標", "頂点の座標を x, y で入力して下さい（x は 0 以上 302 以下、y は -122 以上 122 以下）", initial);
    m_pickedText.clear();
    const std::optional<TypedVertex> v = parseTypedVertex(typed, MaxTypedX, MaxTypedY);
    if (!v || (v->x == s.x(k) && v->y == s.y(k))) {
        refreshStatusLine();
        return;
    }
    s.moveVertex(k, v->x, v->y);
    markChanged();
    redrawSheet();
    checkpoint();
    refreshStatusLine();
}

}  // namespace vantor
