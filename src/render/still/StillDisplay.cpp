// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/still/StillDisplay.h"

#include <algorithm>
#include <utility>

#include "model/figures/FigureStore.h"
#include "platform/pixels/Canvas.h"

namespace vantor {

StillDisplay::StillDisplay(const FigureStore& store, const DisplayOptions& options, Bitmap& bitmap, ColourPath path)
    : m_store(store), m_options(options), m_bitmap(bitmap), m_path(path), m_threads(hardwareThreads()) {}

void StillDisplay::prepareView() {
    geometry.setZoomScale(m_options, m_bitmap.width(), m_bitmap.height());
    geometry.CalcLightCoordinates(m_options);
    geometry.PrepareViewPoint(m_options);
    geometry.prepareInclination(m_options);
}

void StillDisplay::SetPaletteOfWindow() {
    if (!palettePath()) return;
    palette.buildStillRamp(brights.brightStep, m_options);
    palette.attachStill(m_bitmap);
}

void StillDisplay::animSetPaletteOfWindow() {
    if (!palettePath()) return;
    palette.buildAngleRamp(m_options);
    palette.attachAngle(m_bitmap);
}

void StillDisplay::fillBackground(const Bitmap* image) {
    const int w = m_bitmap.width(), h = m_bitmap.height();
    if (image && !image->isEmpty()) {
        Canvas canvas(m_bitmap);
        canvas.stretchDraw(IntRect{0, 0, w, h}, *image);
        return;
    }
    const TColor back = palettePath() ? paletteIndex(BackgroundEntry) : rgb(m_options.backR, m_options.backG, m_options.backB);
    QuadRaster raster(m_bitmap);
    const IntPoint all[4] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    raster.polygon(all, back);
}

ShadeContext StillDisplay::shadeContext() const {
    ShadeContext ctx;
    ctx.light = geometry.light;
    ctx.eye = geometry.eye;
    ctx.bright = m_options.bright;
    ctx.baseRadius = m_options.baseRadius;
    ctx.palettePath = palettePath();
    ctx.brightStep = brights.brightStep;
    return ctx;
}

const FigureRecord& StillDisplay::figureOf(int vertex) const {
    const int f = m_store.figure(vertex);
    if (f < 0 || f > MaxFigures) return m_fallback;
    return m_store.slot(f);
}

void StillDisplay::transformAll(int degrees, std::vector<Corner>& out) {
    const int n = m_store.VertexCount;
    out.resize(static_cast<std::size_t>(n) + 1);
    const TurnAngle turn = TurnAngle::fromDegrees(degrees);
    for (int v = 1; v <= n; ++v) out[static_cast<std::size_t>(v)] = geometry.projectPoint(m_store.x(v), m_store.y(v), turn);
}

bool StillDisplay::beginElements() {
    m_counts = PassCounts{};
    m_fallback = FigureRecord::following(m_options);
    // The tables must describe the current vertex list; a list that changed
    // since the sort is drawn only as far as both agree.
    return order.segmentCount() >= 1 && stepCount(m_options.unitAngle) != 0;
}

int StillDisplay::drawnSegments() const { return std::min(order.segmentCount(), m_store.VertexCount - 1); }

void StillDisplay::drawElements(const Progress& progress) {
    if (!beginElements()) return;
    const ShadeContext ctx = shadeContext();
    QuadRaster raster(m_bitmap);
    if (segmentMajor(m_options.viewHeight)) drawSegmentMajor(ctx, m_options.unitAngle, progress, raster);
    else drawAngleMajor(ctx, m_options.unitAngle, progress, raster);
    m_counts.elementsShaded = m_counts.elements;
    m_counts.pixelsWritten = raster.pixelsWritten();
}

void StillDisplay::drawAngleMajor(const ShadeContext& ctx, int unit, const Progress& progress, QuadRaster& raster) {
    const int m = drawnSegments();
    std::vector<Corner>&e1 = m_at[0], &e2 = m_at[1], &r1 = m_at[2], &r2 = m_at[3];
    for (int e = 90, r = 90; e <= 270; e += unit, r -= unit) {
        if (progress) progress(e);
        // The second angles of this step are the first of the next.
        if (e == 90) {
            transformAll(e, e1);
            transformAll(r, r1);
        } else {
            std::swap(e1, e2);
            std::swap(r1, r2);
        }
        transformAll(e + unit, e2);
        transformAll(r - unit, r2);
        const std::int32_t* table = order.table(DepthOrder::tableForStep(e));
        for (int j = 1; j <= m; ++j) {
            const int s = table[j];
            if (!m_store.startsSegment(s, m)) continue;
            const FigureRecord& figure = figureOf(s);
            const auto i = static_cast<std::size_t>(s);
            drawExecute(ElementCorners{e1[i], e1[i + 1], e2[i], e2[i + 1]}, figure, ctx, raster);
            drawExecute(ElementCorners{r1[i], r1[i + 1], r2[i], r2[i + 1]}, figure, ctx, raster);
            m_counts.elements += 2;
        }
    }
}

void StillDisplay::prepareTurns(int unit, int steps) {
    m_turns.clear();
    for (int k = 0; k < steps; ++k) {
        const int e = 90 + k * unit, r = 90 - k * unit;
        for (int deg : {e, e + unit, r, r - unit}) m_turns.push_back(TurnAngle::fromDegrees(deg));
    }
}

void StillDisplay::drawSegmentMajor(const ShadeContext& ctx, int unit, const Progress& progress, QuadRaster& raster) {
    const int m = drawnSegments();
    const int steps = stepCount(unit);
    prepareTurns(unit, steps);
    for (int j = 1; j <= m; ++j) {
        if (progress) progress(segmentMajorPosition(j, m));
        for (int k = 0; k < steps; ++k) {
            const int s = order.table(DepthOrder::tableForStep(90 + k * unit))[j];
            if (!m_store.startsSegment(s, m)) continue;
            const FigureRecord& figure = figureOf(s);
            const f32 x1 = m_store.x(s), y1 = m_store.y(s), x2 = m_store.x(s + 1), y2 = m_store.y(s + 1);
            const TurnAngle* t = &m_turns[static_cast<std::size_t>(4 * k)];
            drawExecute(ElementCorners{geometry.projectPoint(x1, y1, t[0]), geometry.projectPoint(x2, y2, t[0]),
                                       geometry.projectPoint(x1, y1, t[1]), geometry.projectPoint(x2, y2, t[1])},
                        figure, ctx, raster);
            drawExecute(ElementCorners{geometry.projectPoint(x1, y1, t[2]), geometry.projectPoint(x2, y2, t[2]),
                                       geometry.projectPoint(x1, y1, t[3]), geometry.projectPoint(x2, y2, t[3])},
                        figure, ctx, raster);
            m_counts.elements += 2;
        }
    }
}

void StillDisplay::run(const Bitmap* background, const Progress& progress, ElementOrder elementOrder) {
    SetBrights();
    prepareView();
    sortByDepth();
    SetPaletteOfWindow();
    fillBackground(background);
    if (elementOrder == ElementOrder::NearFirst) drawFinalElements(progress);
    else drawElements(progress);
}

}  // namespace vantor
