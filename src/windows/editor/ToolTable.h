// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's tools and operations, one object for each state: the sheet's
// events go to the tool of the current state. A new tool gets its state, a
// member here and its line in at(); the compiler names a state left out.
#include "windows/editor/operations/Delete.h"
#include "windows/editor/operations/Join.h"
#include "windows/editor/operations/Move.h"
#include "windows/editor/operations/MoveAll.h"
#include "windows/editor/operations/MoveVertex.h"
#include "windows/editor/operations/Property.h"
#include "windows/editor/operations/Rotate.h"
#include "windows/editor/operations/Scale.h"
#include "windows/editor/operations/Split.h"
#include "windows/editor/toolkit/EditState.h"
#include "windows/editor/toolkit/Tool.h"
#include "windows/editor/tools/Ellipse.h"
#include "windows/editor/tools/FreeCurve.h"
#include "windows/editor/tools/Line.h"
#include "windows/editor/tools/Point.h"
#include "windows/editor/tools/Rectangle.h"

namespace vantor {

class ToolTable {
public:
    explicit ToolTable(edit::Context& editor);
    edit::Tool& at(EditState state);

private:
    edit::Idle m_idle;
    edit::FreeCurve m_freeCurve;
    edit::Line m_line;
    edit::VerticalLine m_verticalLine;
    edit::HorizontalLine m_horizontalLine;
    edit::Point m_point;
    edit::Circle m_circle;
    edit::Ellipse m_ellipse;
    edit::Rectangle m_rectangle;
    edit::Move m_move;
    edit::Copy m_copy;
    edit::Scale m_scale;
    edit::Rotate m_rotate;
    edit::MoveAll m_moveAll;
    edit::Split m_split;
    edit::Join m_join;
    edit::Property m_property;
    edit::Delete m_delete;
    edit::MoveVertex m_moveVertex;
};

}  // namespace vantor
