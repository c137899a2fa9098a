// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The still display: every figure of the vertex list turned about the axis
// and painted, far elements first, into the display bitmap. Each profile
// segment is swept in steps of unitAngle from the far side (90 degrees)
// toward the near side (270), both halves at once; each step of a segment is
// one element, drawn as wireframe, surface or surface with mesh.
//
// The window calls the steps one by one, interleaved with its own controls;
// the command line and the benchmarks call run(). The pass transforms each
// vertex once per angle and sorts in O(n log n); the picture is the same as
// that of the plain algorithm, which the tests check.
//
// Two ways to draw the elements give the same picture: drawElements paints
// far to near, so a picture shown while it grows looks like the painter's
// order; drawFinalElements finds the same final pixels from the nearest
// element back, and shades and draws only the elements that own a pixel of
// the finished picture (a few in a hundred on a detailed profile).
//
// drawFinalElements can split the picture into bands of rows (stripes
// dealt out in turn), one a thread, each with its own record of owned
// pixels. Every pixel belongs to one band, and within a band the element
// order is that of the single pass, so the picture is the same for every
// thread count. Most of the work is left out rather than done: elements
// whose box of pixels is owned already (by nearer elements, or by being
// another band's rows) are passed by a group at a time before their
// vertices are transformed, and of consecutive elements with the same
// screen corners only the first in the order is drawn.
#include <barrier>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/options/DisplayOptions.h"
#include "render/geometry/ScreenPoints.h"
#include "render/geometry/ViewGeometry.h"
#include "render/shading/DisplayPalette.h"
#include "render/shading/Shading.h"
#include "render/still/DepthOrder.h"
#include "render/still/DrawExecute.h"
#include "render/still/QuadRaster.h"
#include "platform/pixels/Bitmap.h"

namespace vantor {

class FigureStore;

class StillDisplay {
public:
    // Called with the progress position: the step's first angle (90..270)
    // when sweeping angle by angle, else j * 180 / (n - 1) + 90 rounded.
    using Progress = std::function<void(int position)>;

    // ColourPath::Palette: a 256-colour screen; the bitmap is then Indexed8.
    StillDisplay(const FigureStore& store, const DisplayOptions& options, Bitmap& bitmap, ColourPath path);

    bool palettePath() const { return m_path == ColourPath::Palette; }

    // Zoom scale and origin, light, eye and inclination from the options.
    void prepareView();
    void SetBrights() { brights.SetBrights(m_options, m_path); }
    void sortByDepth(DepthOrder::Method method = DepthOrder::Method::Fast) { order.sortByDepth(m_store, geometry, method); }
    // Palette path only: builds the brightness ramp and attaches a new
    // palette to the bitmap. Does nothing on the true-colour path.
    void SetPaletteOfWindow();
    // Palette path only: the simulation's angle ramp.
    void animSetPaletteOfWindow();
    // The background image stretched over the bitmap, or the background
    // colour when image is null or empty.
    void fillBackground(const Bitmap* image);
    // All elements, in painter's order. Reads bright at its start.
    void drawElements(const Progress& progress = {});
    // All elements over the background, with the pixels drawElements would
    // leave, for a picture handed over when the pass ends. Reports the same
    // progress positions in the same order. Reads bright at its start.
    // With more than one thread the progress is reported from the calling
    // thread, which draws the first band.
    void drawFinalElements(const Progress& progress = {});

    // Threads of drawFinalElements: 0 takes one a hardware thread; 1 draws
    // on the calling thread alone.
    void setThreads(int threads);
    int threads() const { return m_threads; }
    static int hardwareThreads();

    enum class ElementOrder { FarFirst, NearFirst };
    // The whole pass without a window: brights, view, depth order, palette,
    // background, elements (NearFirst: drawFinalElements, FarFirst:
    // drawElements; the picture is the same).
    void run(const Bitmap* background = nullptr, const Progress& progress = {},
             ElementOrder order = ElementOrder::NearFirst);

    // What the last drawElements or drawFinalElements did: elements in the
    // pass, elements whose colour was worked out, pixel writes.
    struct PassCounts {
        std::uint64_t elements = 0;
        std::uint64_t elementsShaded = 0;
        std::uint64_t pixelsWritten = 0;
    };
    const PassCounts& lastPass() const { return m_counts; }

    // The colour an intensity gets for a figure's record.
    TColor colourOf(f32 intensity, const FigureRecord& figure) const { return shadeContext().colourOf(intensity, figure); }
    ShadeContext shadeContext() const;
    // The record that decides a segment's method and tint; a figure number
    // outside the table falls back to the display defaults.
    const FigureRecord& figureOf(int vertex) const;

    // Steps of a pass: e = 90 + k*U while e <= 270; none when U < 1 or
    // more than a full turn (values no menu or option file yields).
    static int stepCount(int unitAngle) { return unitAngle < 1 || unitAngle > 360 ? 0 : (180 / unitAngle) + 1; }
    // The segment-major order is used when the view is within 10 degrees of
    // the axis.
    static bool segmentMajor(double viewHeight) { return viewHeight <= -80 || viewHeight >= 80; }

    ViewGeometry geometry;
    Brights brights;
    DepthOrder order;
    DisplayPalette palette;

private:
    bool beginElements();
    void drawAngleMajor(const ShadeContext& ctx, int unit, const Progress& progress, QuadRaster& raster);
    void drawSegmentMajor(const ShadeContext& ctx, int unit, const Progress& progress, QuadRaster& raster);
    // The pixels one thread owns and what it did. Bands lie apart in memory
    // so that one thread's counting does not slow another's reading.
    struct alignas(128) Band {
        PixelClaimer claimer;
        PassCounts counts;
        // Angle-major: the screen points of the vertices at the step's two
        // angles, for either half (0: 90 + k * unit, 1: 90 - k * unit),
        // slot k % 2 for angle k; a group's points are valid where its
        // stamp is k.
        std::vector<IntPoint> points[2][2];
        std::vector<int> stamp[2][2];
        // The spans of the groups at the same angles.
        std::vector<ScreenSpan> spans[2][2];
        // Per segment and half: whether its element may claim a pixel in
        // this step.
        std::vector<std::uint8_t> live[2];
        // A bit per order-table position whose element may claim a pixel in
        // either half.
        std::vector<std::uint64_t> positions;
        // Segments whose elements must be drawn (reused).
        std::vector<int> kept;
        // The world positions of the vertices of shaded elements, for
        // either half and angle k in slot k % 2; valid where the stamp is k.
        std::vector<Vec3> corners[2][2];
        std::vector<int> cornerStamp[2][2];
    };
    // The element of half `half` at step k for segment s, drawn near first
    // by the band from its screen points (first and second: the vertices'
    // points at angles k and k + 1).
    void claimElement(const ShadeContext& ctx, Band& band, int half, int k, int s, const IntPoint* first,
                      const IntPoint* second);
    // The tables every band reads, made before the bands start.
    void prepareFinal(int unit);
    void finalAngleMajor(const ShadeContext& ctx, int unit, const Progress& progress, Band& band);
    // One half of step k (angles k and k + 1 of that half): the screen
    // points of the groups whose box is not owned, and the elements of
    // those groups that must be drawn (live, and their table positions).
    void markLiveGroups(int half, int k, const std::int32_t* position, Band& band);
    void firstOfSameCorners(const IntPoint* points1, const IntPoint* points2, const std::int32_t* position, int s0,
                            int s1, std::vector<int>& keep) const;
    // Segment-major over bands: the bands first share the work of the
    // screen points of every vertex at every angle and of finding the
    // elements that must be drawn, waiting for one another after each, then
    // each claims its own rows. Band b of the pass.
    void finalSegmentMajor(const ShadeContext& ctx, int unit, const Progress& progress, int b, std::barrier<>& sync);
    void transformAll(int degrees, std::vector<Corner>& out);
    // The four angles of each step k (e, e + unit, r, r - unit with
    // e = 90 + k * unit, r = 90 - k * unit), for the segment-major painter.
    void prepareTurns(int unit, int steps);
    // Elements 1..m of the order tables drawn this pass, within the vertex list.
    int drawnSegments() const;
    static int segmentMajorPosition(int j, int m) { return static_cast<int>(roundHalfEven(j * 180.0 / m + 90)); }

    const FigureStore& m_store;
    const DisplayOptions& m_options;
    Bitmap& m_bitmap;
    ColourPath m_path;
    FigureRecord m_fallback;
    // Corners of every vertex at the four angles of a step (reused).
    std::vector<Corner> m_at[4];
    std::vector<TurnAngle> m_turns;
    std::vector<Band> m_bands{1};

    // Shared by the bands of a near-first pass. The segments fall into
    // groups of GroupSegments consecutive ones; a group whose box of pixels
    // at a step is owned already has nothing to claim there, and its
    // vertices are not transformed.
    static constexpr int GroupSegments = 32;
    struct Group {
        f32 x0, x1, y0, y1;  // the box of its vertices in the profile plane
    };
    std::vector<Group> m_groups;
    // The figure record of each segment drawn (null: not drawn), and the
    // kind of its strokes (0: not drawn, 1: lines, 2: a filled polygon).
    std::vector<const FigureRecord*> m_segmentFigure;
    std::vector<std::uint8_t> m_segmentKind;
    // For each order table, the position 1..m of each drawn segment (0: none)
    // and the number of drawn segments.
    std::vector<std::int32_t> m_position[3];
    int m_drawnCount[3] = {};
    // Angle k of either half.
    std::vector<ScreenTurn> m_halfTurns[2];
    // Segment-major: the screen points of every vertex at angle k of either
    // half (row half * (steps + 1) + k, vertex v at v), and for each
    // segment a row of bits, bit 2k + half for the element of half `half`
    // (0: 90 + k * unit, 1: 90 - k * unit) at step k, set where the element
    // must be drawn. Released after the pass: at 10,000 vertices and unit
    // angle 1 the points take 29 MB.
    std::vector<IntPoint> m_screen;
    std::vector<std::uint64_t> m_drawn;
    int m_threads = 1;
    PassCounts m_counts;
};

}  // namespace vantor
