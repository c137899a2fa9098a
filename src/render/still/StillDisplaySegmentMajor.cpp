// SPDX-License-Identifier: GPL-3.0-or-later
// drawFinalElements seen from near the axis (segment-major): for each table
// position from the last, the segment's elements at every step from the
// last, nearest first.
//
// The elements of one step come in the order of several tables, so the
// bands cannot pass groups of segments by as in the angle-major pass.
// Instead they share two pieces of work and wait for one another after
// each: the screen points of every vertex at every angle (the angles dealt
// out in turn), and, for each step, which elements must be drawn at all
// (each band a range of segments). Then each band claims its own rows,
// visiting only those elements.
#include <algorithm>
#include <barrier>
#include <bit>
#include <vector>

#include "model/figures/FigureStore.h"
#include "render/still/StillDisplay.h"

namespace vantor {

void StillDisplay::finalSegmentMajor(const ShadeContext& ctx, int unit, const Progress& progress, int b,
                                     std::barrier<>& sync) {
    const int m = drawnSegments(), steps = stepCount(unit), bands = static_cast<int>(m_bands.size());
    Band& band = m_bands[static_cast<std::size_t>(b)];
    const std::size_t vertices = static_cast<std::size_t>(m) + 2, words = (2 * static_cast<std::size_t>(steps) + 63) / 64;
    auto row = [&](int half, int k) {
        return m_screen.data() + (static_cast<std::size_t>(half) * static_cast<std::size_t>(steps + 1) + static_cast<std::size_t>(k)) * vertices;
    };
    const f32* xs = m_store.vertices.x.data();
    const f32* ys = m_store.vertices.y.data();

    // Every vertex at every angle of either half.
    for (int r = b; r < 2 * (steps + 1); r += bands) {
        const int half = r / (steps + 1), k = r % (steps + 1);
        const ScreenTurn& turn = m_halfTurns[half][static_cast<std::size_t>(k)];
        IntPoint* points = row(half, k);
        for (std::size_t g = 0; g < m_groups.size(); ++g) {
            const Group& group = m_groups[g];
            const int s0 = static_cast<int>(g) * GroupSegments + 1, s1 = std::min(m, s0 + GroupSegments - 1);
            const ScreenSpan span = turn.span(group.x0, group.x1, group.y0, group.y1);
            ScreenBox box;
            if (screenBoxOf(span, span, geometry, box)) turn.pixels(box, xs + s0, ys + s0, s1 + 2 - s0, points + s0);
            else
                for (int v = s0; v <= s1 + 1; ++v) points[v] = turn.pixel(xs[v], ys[v]);
        }
    }
    sync.arrive_and_wait();

    // The elements to draw, for this band's range of segments. A run of
    // elements with the same corners that the range boundary cuts keeps
    // one on either side; the later claims nothing.
    const int lo = 1 + m * b / bands, hi = m * (b + 1) / bands;
    if (lo <= hi) {
        std::fill(m_drawn.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(lo) * words),
                  m_drawn.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(hi + 1) * words), 0);
        for (int k = 0; k < steps; ++k) {
            const std::int32_t* position = m_position[DepthOrder::tableForStep(90 + k * unit) - 1].data();
            for (int half = 0; half < 2; ++half) {
                const int bit = 2 * k + half;
                band.kept.clear();
                firstOfSameCorners(row(half, k), row(half, k + 1), position, lo, hi, band.kept);
                for (const int s : band.kept)
                    m_drawn[static_cast<std::size_t>(s) * words + static_cast<std::size_t>(bit >> 6)] |= std::uint64_t{1} << (bit & 63);
            }
        }
    }
    sync.arrive_and_wait();

    // The steps in their order, last first, cut where the table changes.
    struct Steps {
        int table, first, last;  // steps first..last
    };
    std::vector<Steps> ranges;
    for (int k = steps - 1; k >= 0; --k) {
        const int table = DepthOrder::tableForStep(90 + k * unit);
        if (ranges.empty() || ranges.back().table != table) ranges.push_back({table, k, k});
        else ranges.back().first = k;
    }
    for (int j = m, done = 1; j >= 1; --j, ++done) {
        if (progress) progress(segmentMajorPosition(done, m));
        for (const Steps& range : ranges) {
            const int s = order.table(range.table)[j];
            if (s < 1 || s > m || !m_segmentFigure[static_cast<std::size_t>(s)]) continue;
            band.counts.elements += 2 * static_cast<std::uint64_t>(range.last - range.first + 1);
            // Bits 2 * first .. 2 * last + 1, highest first: the steps from
            // the last, and at each the second half before the first.
            const std::uint64_t* bits = m_drawn.data() + static_cast<std::size_t>(s) * words;
            const int low = 2 * range.first, high = 2 * range.last + 1;
            for (int w = high >> 6; w >= low >> 6; --w) {
                std::uint64_t word = bits[w];
                if (w == high >> 6 && (high & 63) != 63) word &= (std::uint64_t{1} << ((high & 63) + 1)) - 1;
                if (w == low >> 6) word &= ~std::uint64_t{0} << (low & 63);
                while (word) {
                    const int bit = 63 - std::countl_zero(word);
                    word &= ~(std::uint64_t{1} << bit);
                    const int i = w * 64 + bit;
                    const int half = i & 1, k = i >> 1;
                    claimElement(ctx, band, half, k, s, row(half, k), row(half, k + 1));
                }
            }
        }
    }
}

}  // namespace vantor
