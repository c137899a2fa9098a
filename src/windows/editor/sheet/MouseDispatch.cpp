// Mouse events on the sheet go to the handler of the current tool or
// operation: a press handler (start...), a move handler (via...) and a
// release handler (det...).
#include "windows/editor/TGEditF.h"

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
    case EditState::FreeLine: startFreeLine(x, y); break;
    case EditState::Line:
    case EditState::Vertical:
    case EditState::Horizontal:
    case EditState::Point1:
    case EditState::Circle:
    case EditState::Ellipse:
    case EditState::Rectangle: startDrawZukei(x, y); break;
    case EditState::Slide:
    case EditState::Copy: startSlideZukei(x, y); break;
    case EditState::UpDownAll: startAllScroll(x, y); break;
    case EditState::Connect: startConnectZukei(x, y); break;
    case EditState::MovePoint: startMovePoint(x, y); break;
    default: break;
    }
}

void TGEditF::imgGEditMouseMove(int x, int y) {
    showCursorAt(x, y);
    if (m_gesture.cancelled) return;
    switch (m_state) {
    case EditState::FreeLine: viaFreeDraw(x, y); break;
    case EditState::Line:
    case EditState::Vertical:
    case EditState::Horizontal: viaLineDraw(x, y); break;
    case EditState::Circle:
    case EditState::Ellipse: viaEllipseDraw(x, y); break;
    case EditState::Rectangle: viaSetRect(x, y); break;
    case EditState::Slide:
    case EditState::Copy: viaSlideZukei(x, y); break;
    case EditState::UpDownAll: viaAllScroll(x, y); break;
    case EditState::MovePoint: viaMovePoint(x, y); break;
    default: break;
    }
}

// The release acts on the button of the press (kept in the gesture).
void TGEditF::imgGEditMouseUp(MouseButton, int x, int y) {
    m_gesture.buttonDown = false;
    if (m_gesture.cancelled) {
        m_gesture.cancelled = false;
        return;
    }
    switch (m_state) {
    case EditState::FreeLine: detFreeLine(x, y); break;
    case EditState::Line:
    case EditState::Vertical:
    case EditState::Horizontal: detLine(x, y); break;
    case EditState::Point1: detPoint1(x, y); break;
    case EditState::Circle:
    case EditState::Ellipse: detEllipse(x, y); break;
    case EditState::Rectangle: detRectangle(x, y); break;
    case EditState::Slide:
    case EditState::Copy: detSlideZukei(x, y); break;
    case EditState::Magnify: detMagnifyZukei(x, y); break;
    case EditState::Rotate: detRotateZukei(x, y); break;
    case EditState::UpDownAll: detAllScroll(x, y); break;
    case EditState::Split: detSplitZukei(x, y); break;
    case EditState::Connect: detConnectZukei(x, y); break;
    case EditState::Property: detZukeiProperty(x, y); break;
    case EditState::Delete: detDeleteZukei(x, y); break;
    case EditState::MovePoint: detMovePoint(x, y); break;
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
    const bool typing = button == MouseButton::Left && (m_state == EditState::Idle || m_state == EditState::MovePoint) &&
                        !m_gesture.dragging && !m_figureHeld && store().VertexCount > 0;
    if (!typing) {
        imgGEditMouseDown(button, x, y);
        return;
    }
    m_gesture.cancelled = true;  // the release of this press
    typeVertex(x, y);
}

}  // namespace vantor
