// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/ToolTable.h"

namespace vantor {

ToolTable::ToolTable(edit::Context& editor)
    : m_idle(editor), m_freeCurve(editor), m_line(editor), m_verticalLine(editor), m_horizontalLine(editor),
      m_point(editor), m_circle(editor), m_ellipse(editor), m_rectangle(editor), m_move(editor), m_copy(editor),
      m_scale(editor), m_rotate(editor), m_moveAll(editor), m_split(editor), m_join(editor), m_property(editor),
      m_delete(editor), m_moveVertex(editor) {}

// No default: a state without its line here is a compiler warning.
edit::Tool& ToolTable::at(EditState state) {
    switch (state) {
    case EditState::Idle: return m_idle;
    case EditState::FreeCurve: return m_freeCurve;
    case EditState::Line: return m_line;
    case EditState::VerticalLine: return m_verticalLine;
    case EditState::HorizontalLine: return m_horizontalLine;
    case EditState::Point: return m_point;
    case EditState::Circle: return m_circle;
    case EditState::Ellipse: return m_ellipse;
    case EditState::Rectangle: return m_rectangle;
    case EditState::Move: return m_move;
    case EditState::Copy: return m_copy;
    case EditState::Scale: return m_scale;
    case EditState::Rotate: return m_rotate;
    case EditState::MoveAll: return m_moveAll;
    case EditState::Split: return m_split;
    case EditState::Join: return m_join;
    case EditState::Property: return m_property;
    case EditState::Delete: return m_delete;
    case EditState::MoveVertex: return m_moveVertex;
    }
    return m_idle;
}

}  // namespace vantor
