// Mouse events on the sheet go to the handler of the current tool or
// operation: a press handler (start...), a move handler (via...) and a
// release handler (det...).
#include "editor/TGEditF.h"

namespace vantor {

void TGEditF::imgGEditMouseDown(MouseButton button, int x, int y) {
    // A figure still held from a gesture whose release never came goes back
    // first, so that the new gesture starts from a whole store.
    restoreHeldFigure();
    checkpoint();
    beginGesture();
    m_gesture.buttonDown = true;
    m_gesture.cancelled = false;
    m_gesture.button = button;
    switch (m_state) {
    case esFreeLine: startFreeLine(x, y); break;
    case esLine:
    case esVertical:
    case esHorizontal:
    case esPoint1:
    case esCircle:
    case esEllipse:
    case esRectangle: startDrawZukei(x, y); break;
    case esSlide:
    case esCopy: startSlideZukei(x, y); break;
    case esUpDownAll: startAllScroll(x, y); break;
    case esConnect: startConnectZukei(x, y); break;
    case esMovePoint: startMovePoint(x, y); break;
    default: break;
    }
}

void TGEditF::imgGEditMouseMove(int x, int y) {
    showCursorAt(x, y);
    if (m_gesture.cancelled) return;
    switch (m_state) {
    case esFreeLine: viaFreeDraw(x, y); break;
    case esLine:
    case esVertical:
    case esHorizontal: viaLineDraw(x, y); break;
    case esCircle:
    case esEllipse: viaEllipseDraw(x, y); break;
    case esRectangle: viaSetRect(x, y); break;
    case esSlide:
    case esCopy: viaSlideZukei(x, y); break;
    case esUpDownAll: viaAllScroll(x, y); break;
    case esMovePoint: viaMovePoint(x, y); break;
    default: break;
    }
}

// The release acts on the button of the press (mouseButton).
void TGEditF::imgGEditMouseUp(MouseButton, int x, int y) {
    m_gesture.buttonDown = false;
    if (m_gesture.cancelled) {
        m_gesture.cancelled = false;
        return;
    }
    switch (m_state) {
    case esFreeLine: detFreeLine(x, y); break;
    case esLine:
    case esVertical:
    case esHorizontal: detLine(x, y); break;
    case esPoint1: detPoint1(x, y); break;
    case esCircle:
    case esEllipse: detEllipse(x, y); break;
    case esRectangle: detRectangle(x, y); break;
    case esSlide:
    case esCopy: detSlideZukei(x, y); break;
    case esMagnify: detMagnifyZukei(x, y); break;
    case esRotate: detRotateZukei(x, y); break;
    case esUpDownAll: detAllScroll(x, y); break;
    case esSplit: detSplitZukei(x, y); break;
    case esConnect: detConnectZukei(x, y); break;
    case esProperty: detZukeiProperty(x, y); break;
    case esDelete: detDeleteZukei(x, y); break;
    case esMovePoint: detMovePoint(x, y); break;
    default: break;
    }
    checkpoint();
    refreshStatusLine();
}

// The second press of a double click. On a vertex, where a click does not
// change the store (idle) or has just put the vertex where the mouse is
// (moving a vertex), it lets the user type the vertex's coordinates and the
// release that follows is ignored; elsewhere it is a press like any other.
void TGEditF::imgGEditDblClick(MouseButton button, int x, int y) {
    const bool typing = button == MouseButton::Left && (m_state == esIdle || m_state == esMovePoint) &&
                        !m_gesture.dragging && !m_figureHeld && store().VertexCount > 0;
    if (!typing) {
        imgGEditMouseDown(button, x, y);
        return;
    }
    m_gesture.cancelled = true;  // the release of this press
    typeVertex(x, y);
}

}  // namespace vantor
