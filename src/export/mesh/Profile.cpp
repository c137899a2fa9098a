// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/mesh/Profile.h"

#include <algorithm>
#include <cmath>

#include "model/figures/FigureStore.h"

namespace vantor {

namespace {
// Coordinates are single precision: a vertex within 16 of their steps at
// the data set's largest coordinate cannot be told from one on the axis.
constexpr double AxisPrecision = 0x1p-20;
// Where the control window moves inner on-axis vertices before a rotation.
constexpr float OnAxisMarker = 0.0001f;

bool samePoint(const ProfilePoint& a, const ProfilePoint& b) { return a.r == b.r && a.y == b.y; }

Profile makeProfile(int figure, const std::vector<ProfilePoint>& raw, const std::vector<int>& sources) {
    Profile p;
    p.figure = figure;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        // A point drawn twice in a row keeps the later entry: the one whose
        // segment leads on, so that point i's segment is the store's
        // sources[i] to sources[i] + 1.
        if (!p.points.empty() && samePoint(p.points.back(), raw[i])) {
            p.sources.back() = sources[i];
            continue;
        }
        p.points.push_back(raw[i]);
        p.sources.push_back(sources[i]);
    }
    if (p.points.size() >= 3 && samePoint(p.points.front(), p.points.back())) {
        p.points.pop_back();
        p.sources.pop_back();
        p.shape = ProfileShape::Closed;
    } else if (p.points.size() >= 2 && p.points.front().r == 0 && p.points.back().r == 0) {
        p.shape = ProfileShape::ClosedByAxis;
    }
    return p;
}
}  // namespace

std::vector<Profile> profilesOf(const FigureStore& store) {
    struct Run {
        int figure;
        std::vector<ProfilePoint> points;
        std::vector<int> sources;
    };
    struct Moved {
        int count = 0;
        double by = 0;
    };
    std::vector<Run> runs;
    std::vector<Moved> moved;
    double largest = 0;
    for (int k = 1; k <= store.VertexCount; ++k)
        if (std::isfinite(store.x(k)) && std::isfinite(store.y(k)))
            largest = std::max({largest, std::fabs(static_cast<double>(store.x(k))), std::fabs(static_cast<double>(store.y(k)))});
    const double tolerance = largest * AxisPrecision;
    Run run;
    Moved move;
    for (int k = 1; k <= store.VertexCount; ++k) {
        double r = static_cast<double>(store.x(k));
        if (std::fabs(store.x(k)) == OnAxisMarker) {
            r = 0;
        } else if (r != 0 && std::fabs(r) <= tolerance) {
            ++move.count;
            move.by = std::max(move.by, std::fabs(r));
            r = 0;
        }
        run.points.push_back({r, static_cast<double>(store.y(k))});
        run.sources.push_back(k);
        if (store.link(k) == 1 && k < store.VertexCount) continue;
        run.figure = store.figure(k);
        runs.push_back(std::move(run));
        moved.push_back(move);
        run = {};
        move = {};
    }
    std::vector<Profile> out;
    for (std::size_t i = 0; i < runs.size();) {
        std::vector<ProfilePoint> chain = runs[i].points;
        std::vector<int> sources = runs[i].sources;
        std::vector<int> joined;
        Moved shifted = moved[i];
        std::size_t j = i + 1;
        // A chain that has come back to its start is closed: nothing more joins it.
        while (j < runs.size() && !runs[j].points.empty() && chain.size() >= 2 &&
               samePoint(chain.back(), runs[j].points.front()) && !samePoint(chain.back(), chain.front())) {
            chain.insert(chain.end(), runs[j].points.begin(), runs[j].points.end());
            sources.insert(sources.end(), runs[j].sources.begin(), runs[j].sources.end());
            joined.push_back(runs[j].figure);
            shifted.count += moved[j].count;
            shifted.by = std::max(shifted.by, moved[j].by);
            ++j;
        }
        Profile p = makeProfile(runs[i].figure, chain, sources);
        p.joined = std::move(joined);
        p.movedToAxis = shifted.count;
        p.movedBy = shifted.by;
        const Tint tint = store.slot(runs[i].figure).tint();
        auto byte = [](double f) { return static_cast<std::uint8_t>(std::lround(std::clamp(f, 0.0, 1.0) * 255)); };
        p.colour = {byte(tint.r), byte(tint.g), byte(tint.b)};
        if (p.points.size() >= 2) out.push_back(std::move(p));
        i = j;
    }
    return out;
}

}  // namespace vantor
