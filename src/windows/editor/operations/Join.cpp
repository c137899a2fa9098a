// Joining two figures: press on the first (S), release on the second (T).
// S is moved so that its nearest end lands on T's nearest end, and the joined
// figure runs through T first, then S, keeping T's attributes.
#include "windows/shared/Workspace.h"
#include "windows/editor/TGEditF.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

namespace {
constexpr const char* WaitingText = "結合する図形１？";

std::int64_t squaredDistance(IntPoint a, IntPoint b) {
    const std::int64_t dx = std::int64_t(a.x) - b.x;
    const std::int64_t dy = std::int64_t(a.y) - b.y;
    return dx * dx + dy * dy;
}
}  // namespace

void TGEditF::startConnectZukei(int x, int y) {
    restoreHeldFigure();
    if (store().VertexCount == 0) {
        initState();
        return;
    }
    if (otherButton()) return;
    searchNearestAndLoadZukei(x, y);
    if (store().VertexCount == 0) {
        // The only figure: there is nothing to join it to.
        EditDetDraw();
        initState();
        return;
    }
    m_savedRecord = m_workRecord;
    m_saved = m_work;
    setStatus("２つ目の図形？");
    m_gesture.dragging = true;  // S is held out of the list until the release
}

void TGEditF::detConnectZukei(int x, int y) {
    if (otherButton() || !m_gesture.dragging) return;
    m_gesture.dragging = false;
    searchNearestAndLoadZukei(x, y);
    setStatus("２図形結合");
    if (m_workspace.desktop.messageBox("この２つの図形を結合しますか？", Workspace::ApplicationTitle, MsgIcon::Warning,
                                     MsgButtons::YesNo) != MsgAnswer::Yes) {
        EditDetDraw();  // T back
        m_workRecord = m_savedRecord;
        m_work = m_saved;
        EditDetDraw();  // S back
        setStatus(WaitingText);
        return;
    }
    joinSavedIntoWork();
    zukeiLeftOfAxis();
    zukeiAdjustGrid();
    EditDetDraw();
    setStatus(WaitingText);
}

// S in saved, T in work; leaves the joined figure in work.
void TGEditF::joinSavedIntoWork() {
    const int m = m_saved.count;
    const int n = m_work.count;
    const IntPoint sEnds[2] = {m_saved.pixel[0], m_saved.pixel[static_cast<std::size_t>(m - 1)]};
    const IntPoint tEnds[2] = {m_work.pixel[0], m_work.pixel[static_cast<std::size_t>(n - 1)]};
    // Pairs in the order (S first, T first), (S first, T last), (S last, T
    // first), (S last, T last); the earlier pair wins a tie.
    int best = 0;
    std::int64_t bestDistance = squaredDistance(sEnds[0], tEnds[0]);
    for (int pair = 1; pair < 4; ++pair) {
        const std::int64_t d = squaredDistance(sEnds[pair / 2], tEnds[pair % 2]);
        if (d < bestDistance) {
            bestDistance = d;
            best = pair;
        }
    }
    const bool sFirst = best / 2 == 0;
    const bool tFirst = best % 2 == 0;
    const IntPoint sEnd = sEnds[best / 2];
    const IntPoint tEnd = tEnds[best % 2];
    const int offX = tEnd.x - sEnd.x;
    const int offY = tEnd.y - sEnd.y;

    FigureBuffer joined;
    for (int i = 0; i < n; ++i) {
        const std::size_t t = static_cast<std::size_t>(tFirst ? n - 1 - i : i);
        joined.append(m_work.x[t], m_work.y[t], {});
    }
    // S's joining end now coincides with T's and is dropped.
    for (int i = 1; i < m; ++i) {
        const std::size_t v = static_cast<std::size_t>(sFirst ? i : m - 1 - i);
        joined.append(static_cast<float>(static_cast<f80>(m_saved.x[v]) - offX),
                      static_cast<float>(static_cast<f80>(m_saved.y[v]) - offY), {});
    }
    recomputePixels(joined);
    m_work = joined;
}

}  // namespace vantor
