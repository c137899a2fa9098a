// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/mesh/Regions.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vantor {

namespace cl = ClipperLib;

namespace {

// The largest magnitude is scaled below 2^47; the half-planes reach 2^50.
constexpr int GridBits = 47;
constexpr cl::cInt Far = cl::cInt{1} << 50;
// A figure spanning fewer grid steps than this has lost its shape to the
// rounding: it lies too close to a point far larger than itself.
constexpr double MinimumSteps = 1 << 20;

std::string figureName(int figure) { return "figure " + std::to_string(figure); }

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    return buf;
}

class Grid {
public:
    explicit Grid(double maxAbs) {
        int e = 0;
        if (maxAbs > 0) std::frexp(maxAbs, &e);
        m_shift = maxAbs > 0 ? GridBits - e : 0;
    }
    cl::IntPoint at(const ProfilePoint& p) const {
        return {std::llround(std::ldexp(p.r, m_shift)), std::llround(std::ldexp(p.y, m_shift))};
    }
    ProfilePoint back(const cl::IntPoint& p) const {
        return {std::ldexp(static_cast<double>(p.X), -m_shift), std::ldexp(static_cast<double>(p.Y), -m_shift)};
    }
    double quantum() const { return std::ldexp(1.0, -m_shift); }
    cl::Path path(const std::vector<ProfilePoint>& points) const {
        cl::Path out;
        out.reserve(points.size());
        for (const ProfilePoint& p : points) out.push_back(at(p));
        return out;
    }
    std::vector<ProfilePoint> ring(const cl::Path& path) const {
        std::vector<ProfilePoint> out;
        out.reserve(path.size());
        for (const cl::IntPoint& p : path) out.push_back(back(p));
        return out;
    }

private:
    int m_shift = 0;
};

cl::Path halfPlane(bool beyond) {
    if (beyond) return {{-Far, -Far}, {0, -Far}, {0, Far}, {-Far, Far}};
    return {{0, -Far}, {Far, -Far}, {Far, Far}, {0, Far}};
}

double pathsArea(const cl::Paths& paths) {
    double a = 0;
    for (const cl::Path& p : paths) a += cl::Area(p);
    return a;
}

// The part of the ring's fill on one side of the axis, on this side.
cl::Paths fillOnSide(const cl::Path& ring, bool beyond) {
    cl::Clipper c;
    c.AddPath(ring, cl::ptSubject, true);
    c.AddPath(halfPlane(beyond), cl::ptClip, true);
    cl::Paths out;
    c.Execute(cl::ctIntersection, out, cl::pftNonZero, cl::pftNonZero);
    if (beyond)
        for (cl::Path& p : out) {
            for (cl::IntPoint& q : p) q.X = -q.X;
            cl::ReversePath(p);
        }
    return out;
}

void collect(const cl::PolyNode& node, const Grid& grid, std::vector<Region>& out) {
    for (const cl::PolyNode* outer : node.Childs) {
        Region r;
        r.outer = grid.ring(outer->Contour);
        for (const cl::PolyNode* hole : outer->Childs) {
            r.holes.push_back(grid.ring(hole->Contour));
            collect(*hole, grid, out);
        }
        out.push_back(std::move(r));
    }
}

// Whether any point appears twice among the contours: where an outline
// touches itself or another.
bool touching(cl::PolyTree& tree) {
    std::vector<std::pair<cl::cInt, cl::cInt>> points;
    for (const cl::PolyNode* node = tree.GetFirst(); node; node = node->GetNext())
        for (const cl::IntPoint& p : node->Contour) points.push_back({p.X, p.Y});
    std::sort(points.begin(), points.end());
    return std::adjacent_find(points.begin(), points.end()) != points.end();
}

std::vector<Region> unite(const cl::Paths& paths, const Grid& grid) {
    // Strictly simple output (touching outlines split apart) costs time
    // that grows with the square of the vertices: it is asked for only
    // when an outline touches.
    cl::PolyTree tree;
    for (bool strict : {false, true}) {
        cl::Clipper c;
        c.StrictlySimple(strict);
        c.PreserveCollinear(true);
        c.AddPaths(paths, cl::ptSubject, true);
        c.Execute(cl::ctUnion, tree, cl::pftNonZero, cl::pftNonZero);
        if (!touching(tree)) break;
    }
    std::vector<Region> out;
    collect(tree, grid, out);
    return out;
}

cl::Paths pathsOf(const std::vector<Region>& regions, const Grid& grid) {
    cl::Paths out;
    for (const Region& r : regions) {
        out.push_back(grid.path(r.outer));
        for (const auto& h : r.holes) out.push_back(grid.path(h));
    }
    return out;
}

// Heights at which a ring of the region meets the axis in a single vertex.
std::vector<double> pinches(const std::vector<Region>& regions) {
    std::vector<double> ys;
    auto scan = [&](const std::vector<ProfilePoint>& ring) {
        const std::size_t n = ring.size();
        for (std::size_t i = 0; i < n; ++i)
            if (ring[i].r == 0 && ring[(i + n - 1) % n].r > 0 && ring[(i + 1) % n].r > 0) ys.push_back(ring[i].y);
    };
    for (const Region& r : regions) {
        scan(r.outer);
        for (const auto& h : r.holes) scan(h);
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    return ys;
}

double drawnLength(const Profile& p) {
    double length = 0;
    const std::size_t n = p.points.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
        length += std::hypot(p.points[i + 1].r - p.points[i].r, p.points[i + 1].y - p.points[i].y);
    if (p.shape == ProfileShape::Closed && n >= 2)
        length += std::hypot(p.points[0].r - p.points[n - 1].r, p.points[0].y - p.points[n - 1].y);
    return length;
}

struct Bounds {
    double minR = std::numeric_limits<double>::infinity(), maxR = -minR, minY = minR, maxY = -minR;
    void add(const ProfilePoint& p) {
        minR = std::min(minR, p.r);
        maxR = std::max(maxR, p.r);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    bool meets(const Bounds& o) const { return minR <= o.maxR && o.minR <= maxR && minY <= o.maxY && o.minY <= maxY; }
};

class SetBuilder {
public:
    SetBuilder(const std::vector<Profile>& profiles, double thickness)
        : m_thickness(thickness), m_largest(largest(profiles)), m_grid(m_largest + (thickness > 0 ? 3 * thickness : 0)) {
        m_set.quantum = m_grid.quantum();
        m_set.largest = m_largest + (thickness > 0 ? 3 * thickness : 0);
        for (const Profile& p : profiles) m_set.figures.push_back(figure(p));
        overlaps();
        const bool anything = !m_set.whole.empty() || std::any_of(m_set.figures.begin(), m_set.figures.end(), [](auto& f) {
            return f.refused || !f.surfaces.empty();
        });
        if (!anything)
            m_set.notes.push_back({NoteKind::NothingToPrint, 0, 0, 0,
                                   "no figure encloses any area (every vertex of each lies on one line): there is no solid to make"});
    }
    SolidSet take() { return std::move(m_set); }

private:
    // The largest magnitude of a coordinate; a wall reaches at most three
    // thicknesses beyond it.
    static double largest(const std::vector<Profile>& profiles) {
        double m = 0;
        for (const Profile& p : profiles)
            for (const ProfilePoint& q : p.points)
                if (std::isfinite(q.r) && std::isfinite(q.y)) m = std::max({m, std::fabs(q.r), std::fabs(q.y)});
        return m;
    }

    void note(NoteKind kind, int figure, std::string text, double y = 0, int other = 0) {
        m_set.notes.push_back({kind, figure, other, y, figureName(figure) + ": " + text});
    }

    bool usable(const Profile& p) {
        Bounds b;
        for (const ProfilePoint& q : p.points) {
            if (!std::isfinite(q.r) || !std::isfinite(q.y)) {
                note(NoteKind::Refused, p.figure, "a coordinate is not a finite number; its solid cannot be measured or made");
                return false;
            }
            b.add(q);
        }
        const double extent = std::max(b.maxR - b.minR, b.maxY - b.minY);
        if (extent > 0 && extent < MinimumSteps * m_grid.quantum()) {
            note(NoteKind::Refused, p.figure,
                 "it is too small beside the data set's largest coordinate (" + number(m_largest) +
                     ") to be resolved exactly; its solid cannot be measured or made");
            return false;
        }
        return true;
    }

    FigureSolid figure(const Profile& p) {
        FigureSolid f;
        f.figure = p.figure;
        f.joined = p.joined;
        f.shape = p.shape;
        f.length = drawnLength(p);
        if (!usable(p)) {
            f.refused = true;
            return f;
        }
        const bool beyond = std::any_of(p.points.begin(), p.points.end(), [](auto& q) { return q.r < 0; });
        const bool near = std::any_of(p.points.begin(), p.points.end(), [](auto& q) { return q.r > 0; });
        const bool crosses = beyond && near;
        if (p.movedToAxis > 0)
            note(NoteKind::MovedToAxis, p.figure,
                 std::to_string(p.movedToAxis) + (p.movedToAxis == 1 ? " vertex" : " vertices") + " within " + number(p.movedBy) +
                     " of the axis (below the data's precision) put on it");
        if (beyond && !near)
            note(NoteKind::BeyondAxis, p.figure, "it lies wholly beyond the axis; its mirror image on this side is made");
        try {
            if (p.bounded()) {
                fill(f, m_grid.path(p.points), crosses);
            } else if (m_thickness > 0) {
                f.walled = true;
                Profile mirrored = p;
                mirrored.points = mirroredPolyline(p.points);
                if (crosses) note(NoteKind::CrossesAxis, p.figure, "the profile crosses the axis; the part beyond it is mirrored, since it sweeps the same solid");
                int clipped = 0;
                const Profile wall = thickened(mirrored, m_thickness, &clipped);
                if (clipped > 0)
                    note(NoteKind::WallClipped, p.figure,
                         "its wall of " + number(m_thickness) + " is thicker than its distance from the axis at " +
                             std::to_string(clipped) + (clipped == 1 ? " vertex" : " vertices") + " and is cut at the axis");
                fill(f, m_grid.path(wall.points), false);
            } else {
                if (crosses) note(NoteKind::CrossesAxis, p.figure, "the profile crosses the axis; the part beyond it is mirrored, since it sweeps the same solid");
                f.surfaces.push_back(mirroredPolyline(p.points));
            }
        } catch (const cl::clipperException& e) {
            f.regions.clear();
            f.refused = true;
            note(NoteKind::Refused, p.figure, "its outline could not be resolved; its solid cannot be measured or made");
        }
        return f;
    }

    void fill(FigureSolid& f, const cl::Path& ring, bool crosses) {
        const cl::Paths nearSide = fillOnSide(ring, false), beyond = fillOnSide(ring, true);
        cl::Paths both = nearSide;
        both.insert(both.end(), beyond.begin(), beyond.end());
        f.regions = unite(both, m_grid);
        const double filled = pathsArea(nearSide) + pathsArea(beyond);
        // A simple ring's shoelace area is the area it fills; a crossing or
        // a loop drawn twice makes them differ.
        const double tolerance = 1e-9 * std::max(1.0, filled) + static_cast<double>(ring.size());
        if (crosses) note(NoteKind::CrossesAxis, f.figure, "the profile crosses the axis; the part beyond it is mirrored, since it sweeps the same solid");
        if (std::fabs(std::fabs(cl::Area(ring)) - filled) > tolerance)
            note(NoteKind::CrossesItself, f.figure,
                 f.walled ? "its wall folds over itself where the profile bends tighter than the wall is thick; the solid is "
                            "what the wall winds around"
                          : "the profile crosses or overlaps itself; the solid is what it winds around");
        for (double y : pinches(f.regions))
            note(NoteKind::TouchesAxis, f.figure, "the solid is pinched to a point on the axis at height " + number(y), y);
        if (f.regions.empty()) note(NoteKind::EnclosesNothing, f.figure, "the profile encloses no area; it makes no solid");
    }

    // Figures whose regions share area are named; the whole is their union.
    void overlaps() {
        std::vector<Bounds> bounds(m_set.figures.size());
        std::vector<cl::Paths> paths(m_set.figures.size());
        cl::Paths all;
        for (std::size_t i = 0; i < m_set.figures.size(); ++i) {
            for (const Region& r : m_set.figures[i].regions)
                for (const ProfilePoint& q : r.outer) bounds[i].add(q);
            paths[i] = pathsOf(m_set.figures[i].regions, m_grid);
            all.insert(all.end(), paths[i].begin(), paths[i].end());
        }
        for (std::size_t i = 0; i < paths.size(); ++i) {
            for (std::size_t j = i + 1; j < paths.size(); ++j) {
                if (paths[i].empty() || paths[j].empty() || !bounds[i].meets(bounds[j])) continue;
                cl::Clipper c;
                c.AddPaths(paths[i], cl::ptSubject, true);
                c.AddPaths(paths[j], cl::ptClip, true);
                cl::Paths shared;
                c.Execute(cl::ctIntersection, shared, cl::pftNonZero, cl::pftNonZero);
                if (pathsArea(shared) <= 0) continue;
                const int a = m_set.figures[i].figure, b = m_set.figures[j].figure;
                m_set.notes.push_back({NoteKind::OverlapsFigure, a, b, 0,
                                       "figures " + std::to_string(a) + " and " + std::to_string(b) +
                                           " overlap; the totals count the shared part once"});
            }
        }
        m_set.whole = unite(all, m_grid);
        // Each part takes the figure that covers most of it.
        for (const Region& part : m_set.whole) {
            const cl::Paths partPaths = pathsOf({part}, m_grid);
            Bounds pb;
            for (const ProfilePoint& q : part.outer) pb.add(q);
            int best = 0;
            double bestArea = -1;
            for (std::size_t i = 0; i < paths.size(); ++i) {
                if (paths[i].empty() || !pb.meets(bounds[i])) continue;
                cl::Clipper c;
                c.AddPaths(partPaths, cl::ptSubject, true);
                c.AddPaths(paths[i], cl::ptClip, true);
                cl::Paths shared;
                c.Execute(cl::ctIntersection, shared, cl::pftNonZero, cl::pftNonZero);
                const double a = pathsArea(shared);
                if (a > bestArea) {
                    bestArea = a;
                    best = m_set.figures[i].figure;
                }
            }
            m_set.partFigure.push_back(best);
        }
    }

    double m_thickness;
    double m_largest;
    Grid m_grid;
    SolidSet m_set;
};

}  // namespace

bool SolidSet::refused() const {
    return std::any_of(figures.begin(), figures.end(), [](const FigureSolid& f) { return f.refused; });
}

double ringArea(const std::vector<ProfilePoint>& ring) {
    double s = 0;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const ProfilePoint& a = ring[i];
        const ProfilePoint& b = ring[(i + 1) % ring.size()];
        s += a.r * b.y - b.r * a.y;
    }
    return s / 2;
}

SolidSet solidOf(const std::vector<Profile>& profiles, double thickness) {
    try {
        return SetBuilder(profiles, thickness).take();
    } catch (const cl::clipperException&) {
        SolidSet refused;
        for (const Profile& p : profiles) {
            FigureSolid f;
            f.figure = p.figure;
            f.shape = p.shape;
            f.refused = true;
            refused.figures.push_back(f);
            refused.notes.push_back({NoteKind::Refused, p.figure, 0, 0,
                                     figureName(p.figure) + ": its outline could not be resolved; its solid cannot be measured or made"});
        }
        return refused;
    }
}

std::vector<ProfilePoint> mirroredPolyline(const std::vector<ProfilePoint>& points) {
    std::vector<ProfilePoint> out;
    auto add = [&](ProfilePoint p) {
        p.r = std::fabs(p.r);
        if (out.empty() || out.back().r != p.r || out.back().y != p.y) out.push_back(p);
    };
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0) {
            const ProfilePoint& a = points[i - 1];
            const ProfilePoint& b = points[i];
            if ((a.r < 0 && b.r > 0) || (a.r > 0 && b.r < 0)) {
                const double t = a.r / (a.r - b.r);
                add({0, a.y + t * (b.y - a.y)});
            }
        }
        add(points[i]);
    }
    return out;
}

Profile thickened(const Profile& open, double t, int* clipped) {
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
        if (offset[i].r < 0 && v[i].r != 0 && clipped) ++*clipped;
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

}  // namespace vantor
