// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/mesh/Triangulate.h"

#include <algorithm>
#include <limits>

namespace vantor {

namespace {

double cross(const ProfilePoint& o, const ProfilePoint& a, const ProfilePoint& b) {
    return (a.r - o.r) * (b.y - o.y) - (a.y - o.y) * (b.r - o.r);
}

bool same(const ProfilePoint& a, const ProfilePoint& b) { return a.r == b.r && a.y == b.y; }

// Segments ab and cd cross at a point inside both.
bool crossProperly(const ProfilePoint& a, const ProfilePoint& b, const ProfilePoint& c, const ProfilePoint& d) {
    const double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

// Whether the segment from `from` to `to` crosses no edge of these rings.
bool clear(const std::vector<ProfilePoint>& p, const std::vector<std::vector<std::size_t>>& rings, const ProfilePoint& from,
           const ProfilePoint& to) {
    for (const auto& ring : rings)
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const ProfilePoint& c = p[ring[i]];
            const ProfilePoint& d = p[ring[(i + 1) % ring.size()]];
            if (crossProperly(from, to, c, d)) return false;
        }
    return true;
}

// The outline with every hole spliced in through a bridge, holes with the
// rightmost vertex first.
std::vector<std::size_t> bridged(const std::vector<ProfilePoint>& p, const std::vector<std::vector<std::size_t>>& rings) {
    std::vector<std::size_t> merged = rings.front();
    std::vector<std::vector<std::size_t>> holes(rings.begin() + 1, rings.end());
    auto rightmost = [&](const std::vector<std::size_t>& h) {
        return static_cast<std::size_t>(std::max_element(h.begin(), h.end(), [&](std::size_t a, std::size_t b) {
                                            return p[a].r < p[b].r;
                                        }) - h.begin());
    };
    std::sort(holes.begin(), holes.end(), [&](const auto& a, const auto& b) { return p[a[rightmost(a)]].r > p[b[rightmost(b)]].r; });
    for (std::size_t h = 0; h < holes.size(); ++h) {
        const std::vector<std::size_t>& hole = holes[h];
        if (hole.size() < 3) continue;
        const std::size_t m = rightmost(hole);
        const ProfilePoint& from = p[hole[m]];
        std::vector<std::size_t> order(merged.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        auto dist = [&](std::size_t i) {
            const ProfilePoint& q = p[merged[i]];
            return (q.r - from.r) * (q.r - from.r) + (q.y - from.y) * (q.y - from.y);
        };
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return dist(a) < dist(b); });
        std::vector<std::vector<std::size_t>> others{merged};
        others.insert(others.end(), holes.begin() + static_cast<long>(h), holes.end());
        std::size_t at = order.front();
        for (std::size_t i : order)
            if (clear(p, others, from, p[merged[i]])) {
                at = i;
                break;
            }
        std::vector<std::size_t> next(merged.begin(), merged.begin() + static_cast<long>(at) + 1);
        for (std::size_t k = 0; k <= hole.size(); ++k) next.push_back(hole[(m + k) % hole.size()]);
        next.insert(next.end(), merged.begin() + static_cast<long>(at), merged.end());
        merged = std::move(next);
    }
    return merged;
}

}  // namespace

std::vector<std::array<std::size_t, 3>> triangulate(const std::vector<ProfilePoint>& p,
                                                    const std::vector<std::vector<std::size_t>>& rings) {
    std::vector<std::array<std::size_t, 3>> out;
    if (rings.empty()) return out;
    std::vector<std::size_t> idx = bridged(p, rings);
    const std::size_t n = idx.size();
    std::size_t guard = 0;
    while (idx.size() > 3 && guard < 4 * n * n + 16) {
        ++guard;
        bool clipped = false;
        for (std::size_t i = 0; i < idx.size(); ++i) {
            const std::size_t ia = idx[(i + idx.size() - 1) % idx.size()], ib = idx[i], ic = idx[(i + 1) % idx.size()];
            const ProfilePoint &a = p[ia], &b = p[ib], &c = p[ic];
            if (cross(a, b, c) <= 0) continue;  // reflex or flat corner
            bool inside = false;
            for (std::size_t j : idx) {
                const ProfilePoint& q = p[j];
                // A bridge repeats its two ends: a point where a corner is stands outside the ear.
                if (same(q, a) || same(q, b) || same(q, c)) continue;
                if (cross(a, b, q) >= 0 && cross(b, c, q) >= 0 && cross(c, a, q) >= 0) {
                    inside = true;
                    break;
                }
            }
            if (inside) continue;
            out.push_back({ia, ib, ic});
            idx.erase(idx.begin() + static_cast<long>(i));
            clipped = true;
            break;
        }
        if (!clipped) {
            // Only flat corners are left: drop one (it adds no area).
            for (std::size_t i = 0; i < idx.size(); ++i) {
                const std::size_t ia = idx[(i + idx.size() - 1) % idx.size()], ib = idx[i], ic = idx[(i + 1) % idx.size()];
                if (cross(p[ia], p[ib], p[ic]) == 0) {
                    idx.erase(idx.begin() + static_cast<long>(i));
                    clipped = true;
                    break;
                }
            }
            if (!clipped) break;
        }
    }
    if (idx.size() == 3 && cross(p[idx[0]], p[idx[1]], p[idx[2]]) != 0) out.push_back({idx[0], idx[1], idx[2]});
    return out;
}

}  // namespace vantor
