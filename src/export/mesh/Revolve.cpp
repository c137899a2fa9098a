#include "export/mesh/Revolve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantor {

namespace {

double cross(const ProfilePoint& o, const ProfilePoint& a, const ProfilePoint& b) {
    return (a.r - o.r) * (b.y - o.y) - (a.y - o.y) * (b.r - o.r);
}

// Proper or touching intersection of segments ab and cd.
bool segmentsMeet(const ProfilePoint& a, const ProfilePoint& b, const ProfilePoint& c, const ProfilePoint& d) {
    const double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return true;
    auto onSegment = [](const ProfilePoint& p, const ProfilePoint& q, const ProfilePoint& s) {
        return std::min(p.r, q.r) <= s.r && s.r <= std::max(p.r, q.r) && std::min(p.y, q.y) <= s.y &&
               s.y <= std::max(p.y, q.y);
    };
    return (d1 == 0 && onSegment(c, d, a)) || (d2 == 0 && onSegment(c, d, b)) || (d3 == 0 && onSegment(a, b, c)) ||
           (d4 == 0 && onSegment(a, b, d));
}

// Twice the signed area of the ring (counter-clockwise in the r-y plane is
// positive).
double signedArea2(const std::vector<ProfilePoint>& ring) {
    double s = 0;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const ProfilePoint& a = ring[i];
        const ProfilePoint& b = ring[(i + 1) % ring.size()];
        s += a.r * b.y - b.r * a.y;
    }
    return s;
}

// Ear clipping of a simple polygon given counter-clockwise; returns index
// triples. Degenerate rings give what they can.
std::vector<std::array<std::size_t, 3>> triangulate(const std::vector<ProfilePoint>& ring) {
    std::vector<std::array<std::size_t, 3>> out;
    std::vector<std::size_t> idx(ring.size());
    for (std::size_t i = 0; i < idx.size(); ++i) idx[i] = i;
    std::size_t guard = 0;
    while (idx.size() > 3 && guard < 4 * ring.size() * ring.size() + 16) {
        ++guard;
        bool clipped = false;
        for (std::size_t i = 0; i < idx.size(); ++i) {
            const std::size_t ia = idx[(i + idx.size() - 1) % idx.size()], ib = idx[i], ic = idx[(i + 1) % idx.size()];
            const ProfilePoint &a = ring[ia], &b = ring[ib], &c = ring[ic];
            if (cross(a, b, c) <= 0) continue;  // reflex or flat corner
            bool inside = false;
            for (std::size_t j : idx) {
                if (j == ia || j == ib || j == ic) continue;
                const ProfilePoint& p = ring[j];
                if (cross(a, b, p) >= 0 && cross(b, c, p) >= 0 && cross(c, a, p) >= 0) {
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
                if (cross(ring[ia], ring[ib], ring[ic]) == 0) {
                    idx.erase(idx.begin() + static_cast<long>(i));
                    clipped = true;
                    break;
                }
            }
            if (!clipped) break;
        }
    }
    if (idx.size() == 3 && cross(ring[idx[0]], ring[idx[1]], ring[idx[2]]) != 0) out.push_back({idx[0], idx[1], idx[2]});
    return out;
}

class Builder {
public:
    Builder(Mesh& mesh, const RevolveSettings& s) : m_mesh(mesh) {
        const double degrees = std::clamp(s.degrees, 1e-9, 360.0);
        m_full = degrees >= 360;
        const int segments = std::max(3, s.segments);
        m_steps = m_full ? segments : std::max(1, static_cast<int>(std::ceil(segments * degrees / 360.0)));
        m_ringSize = m_full ? m_steps : m_steps + 1;
        m_radians = degrees * std::numbers::pi / 180.0;
    }

    // The ring of mesh vertices of one profile point: one pole on the axis.
    struct Ring {
        std::uint32_t first = 0;
        bool pole = false;
    };

    Ring ring(const ProfilePoint& p) {
        Ring r;
        r.first = static_cast<std::uint32_t>(m_mesh.vertices.size());
        r.pole = p.r == 0;
        if (r.pole) {
            m_mesh.vertices.push_back({0, 0, p.y});
            return r;
        }
        for (int j = 0; j < m_ringSize; ++j) {
            const double a = m_radians * j / m_steps;
            m_mesh.vertices.push_back({p.r * std::cos(a), p.r * std::sin(a), p.y});
        }
        return r;
    }

    std::uint32_t at(const Ring& r, int j) const {
        if (r.pole) return r.first;
        return r.first + static_cast<std::uint32_t>(m_full ? j % m_steps : j);
    }

    // The band swept by the segment from a to b. Its triangles face the
    // side to the right of the direction a -> b in the r-y plane, which is
    // the outside of a counter-clockwise ring.
    void band(const Ring& a, const Ring& b) {
        if (a.pole && b.pole) return;
        for (int j = 0; j < m_steps; ++j) {
            const std::uint32_t a0 = at(a, j), a1 = at(a, j + 1), b0 = at(b, j), b1 = at(b, j + 1);
            if (!a.pole) add(a0, a1, b1);
            if (!b.pole) add(a0, b1, b0);
        }
    }

    void cap(const std::vector<Ring>& rings, const std::vector<ProfilePoint>& ring, bool atEnd) {
        for (const auto& t : triangulate(ring)) {
            const int j = atEnd ? m_steps : 0;
            const std::uint32_t p = at(rings[t[0]], j), q = at(rings[t[1]], j), r = at(rings[t[2]], j);
            // A counter-clockwise triangle of the profile plane faces towards
            // negative angles: right for the start face, turned round for the end.
            if (atEnd) add(p, r, q);
            else add(p, q, r);
        }
    }

    bool full() const { return m_full; }

private:
    void add(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
        if (a == b || b == c || a == c) return;
        m_mesh.triangles.push_back({a, b, c});
    }

    Mesh& m_mesh;
    bool m_full = true;
    int m_steps = 64;
    int m_ringSize = 64;
    double m_radians = 0;
};

std::string figureName(int figure) { return "figure " + std::to_string(figure); }

}  // namespace

Profile thickened(const Profile& open, double t) {
    const std::vector<ProfilePoint>& v = open.points;
    const std::size_t n = v.size();
    // Unit normals of the segments, to the left of the direction of travel.
    std::vector<ProfilePoint> normals;
    double towardsAxis = 0;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double dr = v[i + 1].r - v[i].r, dy = v[i + 1].y - v[i].y;
        const double len = std::hypot(dr, dy);
        normals.push_back(len > 0 ? ProfilePoint{-dy / len, dr / len} : ProfilePoint{0, 0});
        towardsAxis -= normals.back().r * len;
    }
    // The wall grows on the side facing the axis; a flat disc grows downwards.
    double side = towardsAxis > 0 ? 1 : -1;
    if (std::fabs(towardsAxis) < 1e-12) {
        double down = 0;
        for (std::size_t i = 0; i + 1 < n; ++i) down -= normals[i].y;
        side = down >= 0 ? 1 : -1;
    }
    std::vector<ProfilePoint> offset(n);
    for (std::size_t i = 0; i < n; ++i) {
        ProfilePoint a = i > 0 ? normals[i - 1] : normals[0];
        ProfilePoint b = i + 1 < n ? normals[i] : normals[n - 2];
        ProfilePoint m{a.r + b.r, a.y + b.y};
        const double len = std::hypot(m.r, m.y);
        // Mitred corner, limited to three thicknesses at sharp turns.
        double scale = 0;
        if (len > 0) {
            const double cosHalf = (m.r * b.r + m.y * b.y) / len;
            scale = t / std::max(cosHalf, 1.0 / 3.0) / len;
        }
        offset[i] = {v[i].r + side * m.r * scale, v[i].y + side * m.y * scale};
        if (offset[i].r < 0 || v[i].r == 0) offset[i].r = 0;
    }
    Profile ring;
    ring.figure = open.figure;
    ring.joined = open.joined;
    ring.shape = ProfileShape::Closed;
    ring.points = v;
    for (std::size_t i = n; i-- > 0;)
        if (ring.points.back().r != offset[i].r || ring.points.back().y != offset[i].y) ring.points.push_back(offset[i]);
    if (ring.points.size() > 2 && ring.points.back().r == ring.points.front().r &&
        ring.points.back().y == ring.points.front().y)
        ring.points.pop_back();
    return ring;
}

std::vector<std::string> profileProblems(const Profile& p) {
    std::vector<std::string> problems;
    if (!p.bounded()) return problems;
    const std::vector<ProfilePoint>& v = p.points;
    const std::size_t n = v.size();
    // Edges of the ring; a profile closed by the axis is closed by its axis segment.
    const std::size_t edges = n;
    auto edge = [&](std::size_t i) { return std::pair<const ProfilePoint&, const ProfilePoint&>(v[i], v[(i + 1) % n]); };
    bool crosses = false;
    for (std::size_t i = 0; i < edges && !crosses; ++i) {
        for (std::size_t j = i + 1; j < edges && !crosses; ++j) {
            const bool adjacent = j == i + 1 || (i == 0 && j == edges - 1);
            if (adjacent) continue;
            const auto [a, b] = edge(i);
            const auto [c, d] = edge(j);
            if (segmentsMeet(a, b, c, d)) crosses = true;
        }
    }
    if (crosses) problems.push_back(figureName(p.figure) + ": the profile crosses or touches itself; its solid is not a clean closed solid");
    // A vertex on the axis between two vertices off it is where two parts of
    // the solid meet in one point; an edge along the axis is harmless.
    const std::size_t firstInner = p.shape == ProfileShape::ClosedByAxis ? 1 : 0;
    const std::size_t lastInner = p.shape == ProfileShape::ClosedByAxis ? n - 1 : n;
    for (std::size_t i = firstInner; i < lastInner; ++i) {
        const bool alongAxis = v[(i + n - 1) % n].r == 0 || v[(i + 1) % n].r == 0;
        if (v[i].r == 0 && !alongAxis) {
            problems.push_back(figureName(p.figure) +
                               ": the profile touches the axis between its ends; the solid meets itself there");
            break;
        }
    }
    return problems;
}

RevolveResult revolve(const std::vector<Profile>& profiles, const RevolveSettings& settings) {
    RevolveResult result;
    Builder b(result.mesh, settings);
    for (const Profile& given : profiles) {
        const Profile p = settings.thickness > 0 && !given.bounded() ? thickened(given, settings.thickness) : given;
        for (std::string& w : profileProblems(p)) result.warnings.push_back(std::move(w));
        std::vector<ProfilePoint> pts = p.points;
        // Bounded profiles are turned counter-clockwise so that their
        // surfaces face outwards.
        if (p.bounded() && signedArea2(pts) < 0) std::reverse(pts.begin(), pts.end());
        std::vector<Builder::Ring> rings;
        rings.reserve(pts.size());
        for (const ProfilePoint& q : pts) rings.push_back(b.ring(q));
        for (std::size_t i = 0; i + 1 < pts.size(); ++i) b.band(rings[i], rings[i + 1]);
        if (p.shape == ProfileShape::Closed) b.band(rings.back(), rings.front());
        if (p.bounded() && !b.full()) {
            b.cap(rings, pts, false);
            b.cap(rings, pts, true);
        }
    }
    return result;
}

}  // namespace vantor
