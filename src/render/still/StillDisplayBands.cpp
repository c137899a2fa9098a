// drawFinalElements over bands of the picture's rows, one a thread. Each
// band claims only its own rows, in the order of the single pass, so the
// pixels it paints are those the single pass paints there.
#include <algorithm>
#include <barrier>
#include <thread>
#include <vector>

#include "model/figures/FigureStore.h"
#include "render/still/StillDisplay.h"

namespace vantor {

int StillDisplay::hardwareThreads() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

void StillDisplay::setThreads(int threads) { m_threads = threads <= 0 ? hardwareThreads() : threads; }

void StillDisplay::finalInBands(const ShadeContext& ctx, int unit, const Progress& progress) {
    const int bands = static_cast<int>(m_bands.size());
    for (int b = 0; b < bands; ++b) {
        Band& band = m_bands[static_cast<std::size_t>(b)];
        band.claimer.reset(m_bitmap, b, bands);
        band.counts = PassCounts{};
    }
    const bool bySegment = segmentMajor(m_options.viewHeight);
    if (bySegment) {
        prepareTurns(unit, stepCount(unit));
    } else {
        const std::size_t corners = static_cast<std::size_t>(m_store.VertexCount) + 1;
        for (auto& ring : m_ring)
            for (auto& side : ring) side.resize(corners);
    }
    {
        std::barrier sync(bands);
        auto work = [&](int b) {
            Band& band = m_bands[static_cast<std::size_t>(b)];
            const Progress& report = b == 0 ? progress : Progress{};
            if (bySegment) finalSegmentMajor(ctx, unit, report, band);
            else finalAngleMajorShared(ctx, unit, report, b, sync);
        };
        std::vector<std::jthread> helpers;
        helpers.reserve(static_cast<std::size_t>(bands - 1));
        for (int b = 1; b < bands; ++b) helpers.emplace_back(work, b);
        work(0);
    }
    m_counts = PassCounts{};
    for (const Band& band : m_bands) {
        m_counts.elementsShaded += band.counts.elementsShaded;
        m_counts.pixelsWritten += band.claimer.pixelsWritten();
    }
    // Every band visits every element.
    m_counts.elements = m_bands.front().counts.elements;
}

void StillDisplay::finalAngleMajorShared(const ShadeContext& ctx, int unit, const Progress& progress, int b,
                                         std::barrier<>& sync) {
    const int m = drawnSegments();
    const int steps = stepCount(unit);
    const int n = m_store.VertexCount, bands = static_cast<int>(m_bands.size());
    Band& band = m_bands[static_cast<std::size_t>(b)];
    const int first = 1 + n * b / bands, last = n * (b + 1) / bands;
    // This thread's share of the vertices at the angles 90 + k * unit and
    // 90 - k * unit.
    auto transformShare = [&](int k) {
        const TurnAngle e = TurnAngle::fromDegrees(90 + k * unit), r = TurnAngle::fromDegrees(90 - k * unit);
        std::vector<Corner>* slot = m_ring[k % RingSlots];
        for (int v = first; v <= last; ++v) {
            const f32 x = m_store.x(v), y = m_store.y(v);
            slot[0][static_cast<std::size_t>(v)] = geometry.calcCoordi(x, y, e);
            slot[1][static_cast<std::size_t>(v)] = geometry.calcCoordi(x, y, r);
        }
    };
    transformShare(steps);
    for (int k = steps - 1, done = 0; k >= 0; --k, ++done) {
        // The first step of a block: its angles and those of the block's
        // other steps.
        if ((steps - 1 - k) % StepsPerSync == 0) {
            for (int a = k; a >= 0 && a > k - StepsPerSync; --a) transformShare(a);
            sync.arrive_and_wait();
        }
        if (progress) progress(90 + done * unit);
        const std::vector<Corner>&e1 = m_ring[k % RingSlots][0], &r1 = m_ring[k % RingSlots][1];
        const std::vector<Corner>&e2 = m_ring[(k + 1) % RingSlots][0], &r2 = m_ring[(k + 1) % RingSlots][1];
        const std::int32_t* table = order.table(DepthOrder::tableForStep(90 + k * unit));
        for (int j = m; j >= 1; --j) {
            const int s = table[j];
            if (s < 1 || s > m || m_store.link(s) != 1) continue;
            const FigureRecord& figure = figureOf(s);
            const auto i = static_cast<std::size_t>(s);
            band.counts.elementsShaded +=
                drawExecuteUnder(ElementCorners{r1[i], r1[i + 1], r2[i], r2[i + 1]}, figure, ctx, band.claimer);
            band.counts.elementsShaded +=
                drawExecuteUnder(ElementCorners{e1[i], e1[i + 1], e2[i], e2[i + 1]}, figure, ctx, band.claimer);
            band.counts.elements += 2;
        }
    }
}

}  // namespace vantor
