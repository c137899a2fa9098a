// SPDX-License-Identifier: GPL-3.0-or-later
// The status line under the sheet: data coordinates under the mouse (with
// the grid point a press there would snap to) and the figure picked or
// committed last, with its vertex count.
#include <string>

#include "windows/editor/EditorWindow.h"

namespace vantor {

namespace {
std::string whole(float v) { return std::to_string(static_cast<long>(v)); }
}  // namespace

void EditorWindow::showCursorAt(int x, int y) {
    std::string text = "x " + whole(sheetToDataX(x)) + ", y " + whole(sheetToDataY(y));
    if (mnGFix.checked()) {
        const IntPoint snapped = adjusted({x, y});
        text += " → " + whole(sheetToDataX(snapped.x)) + ", " + whole(sheetToDataY(snapped.y));
    }
    m_cursorText = text;
    refreshStatusLine();
}

void EditorWindow::showPicked(std::int32_t figureNumber, int vertexCount) {
    m_pickedText = "図形 " + std::to_string(figureNumber) + "（" + std::to_string(vertexCount) + " 頂点）";
    refreshStatusLine();
}

void EditorWindow::refreshStatusLine() {
    std::string text = m_cursorText;
    if (!m_pickedText.empty()) text += (text.empty() ? "" : "   ") + m_pickedText;
    if (lblCursor.caption() != text) lblCursor.setCaption(text);
}

}  // namespace vantor
