// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/operations/Property.h"

#include "windows/editor/toolkit/Context.h"

namespace vantor::edit {

void Property::editFigureProperties(int x, int y) {
    if (!m_editor.pickable()) return;
    m_editor.pickNearestFigure(x, y);
    m_editor.askFigureAttributes();
    m_editor.commitEditedFigure();
}

}  // namespace vantor::edit
