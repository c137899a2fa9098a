// Splitting a figure at the vertex nearest the mouse: both parts keep that
// vertex and the figure's attributes; the first part is appended first.
#include "windows/shared/Workspace.h"
#include "windows/editor/TGEditF.h"

namespace vantor {

void TGEditF::detSplitZukei(int x, int y) {
    if (!pickable() || otherButton()) return;
    searchNearestAndLoadZukei(x, y);
    const std::int32_t k = inZukeiNearestP(x, y);
    Desktop& desktop = m_workspace.desktop;
    if (k == 1 || k == m_work.count) {
        desktop.messageBox("ここはこの図形の始点か終点です。\r元々切れています。", Workspace::ApplicationTitle,
                           MsgIcon::Information, MsgButtons::Ok);
        EditDetDraw();
        return;
    }
    // The two parts need one vertex more than the figure had. Refused before
    // anything changes, so the second part can never be lost at the limit.
    if (store().VertexCount + m_work.count + 1 > MaxVertices) {
        desktop.messageBox(SplitRefusedText, Workspace::ApplicationTitle, MsgIcon::Error, MsgButtons::Ok);
        EditDetDraw();
        return;
    }
    m_savedRecord = m_workRecord;
    m_saved.clear();
    for (int i = k - 1; i < m_work.count; ++i) {
        const std::size_t v = static_cast<std::size_t>(i);
        m_saved.append(m_work.x[v], m_work.y[v], m_work.pixel[v]);
    }
    m_work.count = k;
    EditDetDraw();
    m_workRecord = m_savedRecord;
    m_work = m_saved;
    EditDetDraw();
}

}  // namespace vantor
