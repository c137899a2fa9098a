// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/operations/Join.h"

#include "platform/numbers/Numbers.h"
#include "windows/editor/toolkit/Context.h"

namespace vantor::edit {

namespace {
std::int64_t squaredDistance(IntPoint a, IntPoint b) {
    const std::int64_t dx = std::int64_t(a.x) - b.x;
    const std::int64_t dy = std::int64_t(a.y) - b.y;
    return dx * dx + dy * dy;
}
}  // namespace

void Join::pickFirstEnd(int x, int y) {
    m_editor.restoreHeldFigure();
    if (m_editor.store().VertexCount == 0) {
        m_editor.initState();
        return;
    }
    if (m_editor.otherButton()) return;
    m_editor.pickNearestFigure(x, y);
    if (m_editor.store().VertexCount == 0) {
        // The only figure: there is nothing to join it to.
        m_editor.commitEditedFigure();
        m_editor.initState();
        return;
    }
    m_firstRecord = m_editor.workRecord();
    m_first = m_editor.work();
    m_editor.setStatus("２つ目の図形？");
    m_editor.setDragging(true);  // S is held out of the list until the release
}

void Join::joinFigures(int x, int y) {
    if (m_editor.otherButton() || !m_editor.dragging()) return;
    m_editor.setDragging(false);
    m_editor.pickNearestFigure(x, y);
    m_editor.setStatus("２図形結合");
    if (!m_editor.confirm("この２つの図形を結合しますか？")) {
        m_editor.commitEditedFigure();  // T back
        m_editor.workRecord() = m_firstRecord;
        m_editor.work() = m_first;
        m_editor.commitEditedFigure();  // S back
        m_editor.setStatus(WaitingText);
        return;
    }
    joinFirstIntoWork();
    m_editor.keepWorkFigureLeftOfAxis();
    m_editor.snapWorkFigure();
    m_editor.commitEditedFigure();
    m_editor.setStatus(WaitingText);
}

void Join::joinFirstIntoWork() {
    FigureBuffer& work = m_editor.work();
    const int m = m_first.count;
    const int n = work.count;
    const IntPoint sEnds[2] = {m_first.pixel[0], m_first.pixel[static_cast<std::size_t>(m - 1)]};
    const IntPoint tEnds[2] = {work.pixel[0], work.pixel[static_cast<std::size_t>(n - 1)]};
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
        joined.append(work.x[t], work.y[t], {});
    }
    // S's joining end now coincides with T's and is dropped.
    for (int i = 1; i < m; ++i) {
        const std::size_t v = static_cast<std::size_t>(sFirst ? i : m - 1 - i);
        joined.append(static_cast<float>(static_cast<f80>(m_first.x[v]) - offX),
                      static_cast<float>(static_cast<f80>(m_first.y[v]) - offY), {});
    }
    recomputePixels(joined);
    work = joined;
}

}  // namespace vantor::edit
