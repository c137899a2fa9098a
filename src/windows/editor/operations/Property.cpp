#include "windows/editor/operations/Property.h"

#include "windows/editor/toolkit/Context.h"

namespace vantor::edit {

void Property::detZukeiProperty(int x, int y) {
    if (!m_editor.pickable()) return;
    m_editor.searchNearestAndLoadZukei(x, y);
    m_editor.askFigureAttributes();
    m_editor.EditDetDraw();
}

}  // namespace vantor::edit
