// SPDX-License-Identifier: GPL-3.0-or-later
// drawFinalElements: from the nearest element back, each element claims the
// pixels no nearer one owns and is shaded only when it claims any.
//
// The picture can be split into bands of rows, one a thread. Each band
// claims only its own rows, in the order of the single pass, so the pixels
// it paints are those the single pass paints there.
//
// Angle-major, a band first asks of each group of consecutive segments
// whether the box their pixels can take at the step is owned already, by
// nearer elements or by being other bands' rows. The elements of such a
// group would claim nothing: the band passes them by and leaves their
// vertices untransformed. The vertices of the other groups are transformed
// once per angle, to screen points only; of their elements, those that
// share their screen corners with a neighbour earlier in the order are left
// out, and the rest go in the order of the table, as in the single pass.
// The world corners are worked out for the few elements that are shaded.
#include <algorithm>
#include <barrier>
#include <bit>
#include <cmath>
#include <cstring>
#include <thread>
#include <utility>
#include <vector>

#include "model/figures/FigureStore.h"
#include "render/still/StillDisplay.h"

namespace vantor {

int StillDisplay::hardwareThreads() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

void StillDisplay::setThreads(int threads) { m_threads = threads <= 0 ? hardwareThreads() : threads; }

void StillDisplay::drawFinalElements(const Progress& progress) {
    if (!beginElements()) return;
    const ShadeContext ctx = shadeContext();
    const int unit = m_options.unitAngle;
    const int bands = std::clamp(std::min(m_threads, m_bitmap.height()), 1, 256);
    m_bands.resize(static_cast<std::size_t>(bands));
    for (int b = 0; b < bands; ++b) {
        Band& band = m_bands[static_cast<std::size_t>(b)];
        band.claimer.reset(m_bitmap, b, bands);
        band.counts = PassCounts{};
        for (int half = 0; half < 2; ++half) {
            for (int slot = 0; slot < 2; ++slot) {
                band.corners[half][slot].resize(static_cast<std::size_t>(drawnSegments()) + 2);
                band.cornerStamp[half][slot].assign(static_cast<std::size_t>(drawnSegments()) + 2, -1);
            }
        }
    }
    const bool bySegment = segmentMajor(m_options.viewHeight);
    prepareFinal(unit);
    std::barrier<> sync(bands);
    auto work = [&](int b) {
        Band& band = m_bands[static_cast<std::size_t>(b)];
        const Progress& report = b == 0 ? progress : Progress{};
        if (bySegment) finalSegmentMajor(ctx, unit, report, b, sync);
        else finalAngleMajor(ctx, unit, report, band);
    };
    if (bySegment) {
        const std::size_t vertices = static_cast<std::size_t>(drawnSegments()) + 2;
        const auto steps = static_cast<std::size_t>(stepCount(unit));
        m_screen.resize(2 * (steps + 1) * vertices);
        m_drawn.resize(vertices * ((2 * steps + 63) / 64));
    }
    if (bands == 1) {
        work(0);
    } else {
        std::vector<std::jthread> helpers;
        helpers.reserve(static_cast<std::size_t>(bands - 1));
        for (int b = 1; b < bands; ++b) helpers.emplace_back(work, b);
        work(0);
    }
    std::vector<IntPoint>().swap(m_screen);
    std::vector<std::uint64_t>().swap(m_drawn);
    m_counts = PassCounts{};
    for (const Band& band : m_bands) {
        m_counts.elementsShaded += band.counts.elementsShaded;
        m_counts.pixelsWritten += band.claimer.pixelsWritten();
    }
    // Every band counts every element.
    m_counts.elements = m_bands.front().counts.elements;
}

void StillDisplay::prepareFinal(int unit) {
    const int m = drawnSegments(), steps = stepCount(unit);
    m_segmentFigure.assign(static_cast<std::size_t>(m) + 2, nullptr);
    m_segmentKind.assign(static_cast<std::size_t>(m) + 2, 0);
    for (int s = 1; s <= m; ++s) {
        if (m_store.link(s) != 1) continue;
        const FigureRecord& figure = figureOf(s);
        m_segmentFigure[static_cast<std::size_t>(s)] = &figure;
        m_segmentKind[static_cast<std::size_t>(s)] = figure.drawMethod() == DrawMethod::Wire ? 1 : 2;
    }
    for (int t = 0; t < 3; ++t) {
        std::vector<std::int32_t>& position = m_position[t];
        position.assign(static_cast<std::size_t>(m) + 1, 0);
        m_drawnCount[t] = 0;
        const std::int32_t* table = order.table(t + 1);
        for (int j = 1; j <= m; ++j) {
            const int s = table[j];
            if (s < 1 || s > m || !m_segmentFigure[static_cast<std::size_t>(s)]) continue;
            position[static_cast<std::size_t>(s)] = j;
            ++m_drawnCount[t];
        }
    }
    m_groups.resize(static_cast<std::size_t>((m + GroupSegments - 1) / GroupSegments));
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        const int first = static_cast<int>(g) * GroupSegments + 1, last = std::min(m, first + GroupSegments - 1) + 1;
        Group box{m_store.x(first), m_store.x(first), m_store.y(first), m_store.y(first)};
        bool finite = true;
        for (int v = first; v <= last; ++v) {
            const f32 x = m_store.x(v), y = m_store.y(v);
            finite = finite && std::isfinite(x) && std::isfinite(y);
            box.x0 = std::min(box.x0, x), box.x1 = std::max(box.x1, x);
            box.y0 = std::min(box.y0, y), box.y1 = std::max(box.y1, y);
        }
        // A box of NaN is bounded by no screen box: the group is always drawn.
        if (!finite) box.x0 = box.x1 = box.y0 = box.y1 = NAN;
        m_groups[g] = box;
    }
    for (int half = 0; half < 2; ++half) {
        m_halfTurns[half].clear();
        for (int k = 0; k <= steps; ++k)
            m_halfTurns[half].emplace_back(geometry, TurnAngle::fromDegrees(half == 0 ? 90 + k * unit : 90 - k * unit));
    }
}

// Of consecutive elements with the same corners on the screen and strokes
// of one kind, the one first in the order claims every pixel any of them
// could: only it need be drawn. Two elements have the same corners when
// three consecutive vertices share their pixels at both angles. An element
// whose corners are all one pixel lights nothing. Appends to `keep` the
// segments among s0..s1 whose elements must be drawn; points1 and points2
// hold the vertices' pixels at the step's two angles, and position the
// segments' places in the step's table (0: not drawn).
void StillDisplay::firstOfSameCorners(const IntPoint* points1, const IntPoint* points2, const std::int32_t* position,
                                      int s0, int s1, std::vector<int>& keep) const {
    auto key = [](const IntPoint& p) {
        std::uint64_t k;
        std::memcpy(&k, &p, sizeof k);
        return k;
    };
    int best = 0, bestKind = 0;
    auto endChain = [&] {
        if (best != 0) keep.push_back(best);
        best = 0;
    };
    std::uint64_t at1 = key(points1[s0]), at2 = key(points2[s0]);
    bool flatBefore = false;  // vertices s - 1 and s share their pixels
    for (int s = s0; s <= s1; ++s) {
        const std::uint64_t next1 = key(points1[s + 1]), next2 = key(points2[s + 1]);
        const bool flat = (at1 == next1) & (at2 == next2);
        const bool sameCorners = flatBefore & flat;
        const bool onePixel = flat & (at1 == at2);
        flatBefore = flat, at1 = next1, at2 = next2;
        if (!sameCorners) endChain();
        const int kind = m_segmentKind[static_cast<std::size_t>(s)], j = position[s];
        if (kind == 0 || j == 0 || onePixel) continue;
        if (best != 0 && kind != bestKind) endChain();
        if (best == 0 || j > position[best]) best = s, bestKind = kind;
    }
    endChain();
}

void StillDisplay::markLiveGroups(int half, int k, const std::int32_t* position, Band& band) {
    const int m = drawnSegments();
    const ScreenTurn &first = m_halfTurns[half][static_cast<std::size_t>(k)],
                     &second = m_halfTurns[half][static_cast<std::size_t>(k + 1)];
    IntPoint* points1 = band.points[half][k & 1].data();
    IntPoint* points2 = band.points[half][(k + 1) & 1].data();
    int* stamp1 = band.stamp[half][k & 1].data();
    int* stamp2 = band.stamp[half][(k + 1) & 1].data();
    std::uint8_t* live = band.live[half].data();
    std::uint64_t* positions = band.positions.data();
    const f32* xs = m_store.vertices.x.data();
    const f32* ys = m_store.vertices.y.data();
    // The groups' spans at angle k; those at angle k + 1 are the step
    // drawn before's, or are made now for the first step.
    ScreenSpan* spans1 = band.spans[half][k & 1].data();
    ScreenSpan* spans2 = band.spans[half][(k + 1) & 1].data();
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        const Group& group = m_groups[g];
        spans1[g] = first.span(group.x0, group.x1, group.y0, group.y1);
        if (k == stepCount(m_options.unitAngle) - 1) spans2[g] = second.span(group.x0, group.x1, group.y0, group.y1);
    }
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        const int s0 = static_cast<int>(g) * GroupSegments + 1, s1 = std::min(m, s0 + GroupSegments - 1);
        ScreenBox box;
        const bool bounded = screenBoxOf(spans1[g], spans2[g], geometry, box);
        if (bounded && band.claimer.boxOwned(box.x0, box.y0, box.x1, box.y1)) {
            std::fill(live + s0, live + s1 + 1, 0);
            continue;
        }
        // The group's vertices s0..s1 + 1 at either angle, unless the step
        // drawn before has transformed them already.
        auto transform = [&](const ScreenTurn& turn, IntPoint* points) {
            if (bounded) turn.pixels(box, xs + s0, ys + s0, s1 + 2 - s0, points + s0);
            else
                for (int v = s0; v <= s1 + 1; ++v) points[v] = turn.pixel(xs[v], ys[v]);
        };
        if (stamp1[g] != k) {
            transform(first, points1);
            stamp1[g] = k;
        }
        if (stamp2[g] != k + 1) {
            transform(second, points2);
            stamp2[g] = k + 1;
        }
        std::fill(live + s0, live + s1 + 1, 0);
        band.kept.clear();
        firstOfSameCorners(points1, points2, position, s0, s1, band.kept);
        for (const int s : band.kept) {
            live[s] = 1;
            const int j = position[s];
            positions[j >> 6] |= std::uint64_t{1} << (j & 63);
        }
    }
}

void StillDisplay::claimElement(const ShadeContext& ctx, Band& band, int half, int k, int s, const IntPoint* first,
                                const IntPoint* second) {
    const IntPoint p[4] = {first[s], first[s + 1], second[s], second[s + 1]};
    // Asked only when the element claims a pixel; a vertex's corner at an
    // angle is worked out once while the angle is in use.
    auto corner = [&](int angle, int v, IntPoint pixel) {
        Vec3& world = band.corners[half][angle & 1][static_cast<std::size_t>(v)];
        int& stamp = band.cornerStamp[half][angle & 1][static_cast<std::size_t>(v)];
        if (stamp != angle) {
            world = m_halfTurns[half][static_cast<std::size_t>(angle)].position(m_store.x(v), m_store.y(v));
            stamp = angle;
        }
        return Corner{world.x, world.y, world.z, pixel.x, pixel.y};
    };
    auto corners = [&] {
        return ElementCorners{corner(k, s, p[0]), corner(k, s + 1, p[1]), corner(k + 1, s, p[2]), corner(k + 1, s + 1, p[3])};
    };
    band.counts.elementsShaded +=
        drawExecuteUnder(p, corners, *m_segmentFigure[static_cast<std::size_t>(s)], ctx, band.claimer);
}

// The painter's order backwards: the last step first, within a step the
// last table entry first, and of a segment's two elements the second first.
void StillDisplay::finalAngleMajor(const ShadeContext& ctx, int unit, const Progress& progress, Band& band) {
    const int m = drawnSegments();
    const int steps = stepCount(unit);
    const std::size_t vertices = static_cast<std::size_t>(m) + 2;
    for (int half = 0; half < 2; ++half) {
        for (int slot = 0; slot < 2; ++slot) {
            band.points[half][slot].resize(vertices);
            band.stamp[half][slot].assign(m_groups.size(), -1);
        }
        band.live[half].assign(static_cast<std::size_t>(m) + 2, 0);
        for (auto& spans : band.spans[half]) spans.resize(m_groups.size());
    }
    band.positions.assign(static_cast<std::size_t>(m / 64) + 1, 0);
    for (int k = steps - 1, done = 0; k >= 0; --k, ++done) {
        if (progress) progress(90 + done * unit);
        const int t = DepthOrder::tableForStep(90 + k * unit);
        const std::int32_t* table = order.table(t);
        markLiveGroups(0, k, m_position[t - 1].data(), band);
        markLiveGroups(1, k, m_position[t - 1].data(), band);
        const IntPoint *e1 = band.points[0][k & 1].data(), *e2 = band.points[0][(k + 1) & 1].data();
        const IntPoint *r1 = band.points[1][k & 1].data(), *r2 = band.points[1][(k + 1) & 1].data();
        const std::uint8_t* liveE = band.live[0].data();
        const std::uint8_t* liveR = band.live[1].data();
        for (std::size_t w = band.positions.size(); w-- > 0;) {
            std::uint64_t bits = std::exchange(band.positions[w], 0);
            while (bits) {
                const int bit = 63 - std::countl_zero(bits);
                bits &= ~(std::uint64_t{1} << bit);
                const int s = table[w * 64 + static_cast<std::size_t>(bit)];
                if (liveR[s]) claimElement(ctx, band, 1, k, s, r1, r2);
                if (liveE[s]) claimElement(ctx, band, 0, k, s, e1, e2);
            }
        }
        band.counts.elements += 2 * static_cast<std::uint64_t>(m_drawnCount[t - 1]);
    }
}

}  // namespace vantor
