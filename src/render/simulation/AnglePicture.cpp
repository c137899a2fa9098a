// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/simulation/AnglePicture.h"

#include <algorithm>

#include "model/figures/FigureStore.h"
#include "render/shading/Shading.h"
#include "render/simulation/SimuAngles.h"
#include "render/still/DrawExecute.h"
#include "render/still/QuadRaster.h"
#include "render/still/StillDisplay.h"

namespace vantor {

void AnglePicture::transformAll(const FigureStore& store, const ViewGeometry& view, int count, int degrees,
                                std::vector<Corner>& out) {
    out.resize(static_cast<std::size_t>(count) + 1);
    const TurnAngle turn = TurnAngle::fromDegrees(degrees);
    for (int v = 1; v <= count; ++v) out[static_cast<std::size_t>(v)] = view.projectPoint(store.x(v), store.y(v), turn);
}

void AnglePicture::paint(const FigureStore& store, const StillDisplay& still, Bitmap& bitmap, int step,
                         std::int32_t lightSnap, const Progress& progress) {
    QuadRaster raster(bitmap);
    const int w = bitmap.width(), h = bitmap.height();
    // The outline of the polygon in the same entry covers the last column
    // and row.
    const IntPoint all[4] = {{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}};
    raster.polygon(all, paletteIndex(BackgroundEntry));

    const int m = std::min(still.order.segmentCount(), store.VertexCount - 1);
    if (m < 1 || StillDisplay::stepCount(step) == 0) return;
    const ViewGeometry& view = still.geometry;
    auto entry = [lightSnap](int a) { return paletteIndex(angleIndex(a, lightSnap)); };
    // One element between two turned copies of the profile: a wire draws
    // its profile edge at the first angle, a surface its quadrilateral.
    auto element = [&raster](const std::vector<Corner>& first, const std::vector<Corner>& second, std::size_t i,
                             bool wire, TColor edge, TColor fill) {
        const IntPoint p1{first[i].sx, first[i].sy}, p2{first[i + 1].sx, first[i + 1].sy};
        if (wire) {
            raster.line(p1, p2, edge);
            return;
        }
        const IntPoint quad[4] = {p1, p2, {second[i + 1].sx, second[i + 1].sy}, {second[i].sx, second[i].sy}};
        raster.polygon(quad, fill);
    };

    std::vector<Corner>&e1 = m_at[0], &e2 = m_at[1], &r1 = m_at[2], &r2 = m_at[3];
    int e1Deg = 0, r1Deg = 0;
    bool have = false;
    for (int e = 90, r = 90; e <= 270; e += step) {
        if (progress) progress(e);
        // The second angles of a step are the first of the next, unless the
        // mirror angle was brought into 0..359 in between.
        if (have && e1Deg == e) std::swap(e1, e2);
        else transformAll(store, view, m + 1, e, e1);
        if (have && r1Deg == r) std::swap(r1, r2);
        else transformAll(store, view, m + 1, r, r1);
        transformAll(store, view, m + 1, e + step, e2);
        transformAll(store, view, m + 1, r - step, r2);
        e1Deg = e + step;
        r1Deg = r - step;
        have = true;

        const std::int32_t* table = still.order.table(DepthOrder::tableForSimulation(e));
        bool mirrored = false;
        int mirror = r;
        for (int j = 1; j <= m; ++j) {
            const int s = table[j];
            if (!store.startsSegment(s, m)) continue;
            const bool wire = still.figureOf(s).drawMethod() == DrawMethod::Wire;
            const auto i = static_cast<std::size_t>(s);
            element(e1, e2, i, wire, entry(e), entry(e));
            mirror = (540 - e) % 360;
            mirrored = true;
            element(r1, r2, i, wire, entry(mirror), entry(mirror - step));
        }
        // The mirror angle carries into the next step as it was last set.
        if (mirrored) r = mirror;
        r -= step;
    }
}

}  // namespace vantor
