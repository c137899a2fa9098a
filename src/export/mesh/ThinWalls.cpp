// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/mesh/ThinWalls.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>

namespace vantor {

namespace cl = ClipperLib;

namespace {

// Sharp corners of a wide shape are mitred back to their point down to
// about a tenth of a degree.
constexpr double MiterLimit = 1000;
// Steps of the search for a piece's width: 2^-16 of the nozzle width.
constexpr int WidthSteps = 16;

cl::Paths section(const SolidSet& set) {
    cl::Paths both;
    auto add = [&](const std::vector<ProfilePoint>& ring) {
        cl::Path near, far;
        for (const ProfilePoint& p : ring) {
            const cl::IntPoint q{std::llround(p.r / set.quantum), std::llround(p.y / set.quantum)};
            near.push_back(q);
            far.push_back({-q.X, q.Y});
        }
        cl::ReversePath(far);
        both.push_back(std::move(near));
        both.push_back(std::move(far));
    };
    for (const Region& r : set.whole) {
        add(r.outer);
        for (const auto& h : r.holes) add(h);
    }
    cl::Paths out;
    cl::Clipper c;
    c.AddPaths(both, cl::ptSubject, true);
    c.Execute(cl::ctUnion, out, cl::pftNonZero, cl::pftNonZero);
    return out;
}

cl::Paths offset(const cl::Paths& paths, double delta, cl::JoinType join) {
    // Round joins within a ten-thousandth of the distance.
    cl::ClipperOffset o(MiterLimit, std::max(0.25, std::fabs(delta) * 1e-4));
    o.AddPaths(paths, join, cl::etClosedPolygon);
    cl::Paths out;
    o.Execute(out, delta);
    return out;
}

cl::Paths clip(const cl::Paths& subject, const cl::Paths& by, cl::ClipType type) {
    cl::Clipper c;
    c.AddPaths(subject, cl::ptSubject, true);
    c.AddPaths(by, cl::ptClip, true);
    cl::Paths out;
    c.Execute(type, out, cl::pftNonZero, cl::pftNonZero);
    return out;
}

double area(const cl::Paths& paths) {
    double a = 0;
    for (const cl::Path& p : paths) a += cl::Area(p);
    return a;
}

struct Box {
    cl::cInt minX, minY, maxX, maxY;
    cl::Paths paths() const { return {{{minX, minY}, {maxX, minY}, {maxX, maxY}, {minX, maxY}}}; }
};

Box boxOf(const cl::Paths& piece, cl::cInt margin) {
    Box b{piece[0][0].X, piece[0][0].Y, piece[0][0].X, piece[0][0].Y};
    for (const cl::Path& p : piece)
        for (const cl::IntPoint& q : p) {
            b.minX = std::min(b.minX, q.X);
            b.maxX = std::max(b.maxX, q.X);
            b.minY = std::min(b.minY, q.Y);
            b.maxY = std::max(b.maxY, q.Y);
        }
    return {b.minX - margin, b.minY - margin, b.maxX + margin, b.maxY + margin};
}

cl::IntPoint centroid(const cl::Paths& paths) {
    double a = 0, x = 0, y = 0;
    for (const cl::Path& p : paths)
        for (std::size_t i = 0; i < p.size(); ++i) {
            const cl::IntPoint &u = p[i], &v = p[(i + 1) % p.size()];
            const double c = static_cast<double>(u.X) * static_cast<double>(v.Y) - static_cast<double>(v.X) * static_cast<double>(u.Y);
            a += c;
            x += (static_cast<double>(u.X) + static_cast<double>(v.X)) * c;
            y += (static_cast<double>(u.Y) + static_cast<double>(v.Y)) * c;
        }
    if (a == 0) return paths[0][0];
    return {std::llround(x / (3 * a)), std::llround(y / (3 * a))};
}

}  // namespace

std::vector<ThinPlace> thinPlaces(const SolidSet& set, double width) {
    std::vector<ThinPlace> out;
    if (set.whole.empty() || !(width > 0) || !(set.quantum > 0)) return out;
    const double half = width / 2 / set.quantum;  // in grid steps
    const cl::Paths whole = section(set);
    const cl::Paths opened = offset(offset(whole, -half, cl::jtMiter), half, cl::jtMiter);
    const cl::cInt far = static_cast<cl::cInt>(1) << 52;
    const cl::Paths nearSide{{{0, -far}, {far, -far}, {far, far}, {0, far}}};
    cl::PolyTree lost;
    {
        cl::Clipper c;
        c.AddPaths(clip(whole, opened, cl::ctDifference), cl::ptSubject, true);
        c.AddPaths(nearSide, cl::ptClip, true);
        c.Execute(cl::ctIntersection, lost, cl::pftNonZero, cl::pftNonZero);
    }
    // A piece smaller than this is the rounding of the offsets, not material.
    const double smallest = half * half * 1e-6;
    for (const cl::PolyNode* node : lost.Childs) {
        cl::Paths piece{node->Contour};
        for (const cl::PolyNode* hole : node->Childs) piece.push_back(hole->Contour);
        const double pieceArea = area(piece);
        if (pieceArea <= smallest) continue;
        // The section around the piece; its cut edges lie a nozzle width
        // away, beyond the reach of the shrinking below.
        const cl::Paths local = clip(whole, boxOf(piece, static_cast<cl::cInt>(std::ceil(4 * half)) + 2).paths(), cl::ctIntersection);
        // The widest disc of the section that reaches into the piece.
        double low = 0, high = half;
        cl::Paths deepest = piece;
        for (int i = 0; i < WidthSteps; ++i) {
            const double mid = (low + high) / 2;
            const cl::Paths inside = clip(offset(local, -mid, cl::jtRound), piece, cl::ctIntersection);
            if (area(inside) > 0) {
                low = mid;
                deepest = inside;
            } else {
                high = mid;
            }
        }
        // No disc of a thousandth of the nozzle fits: the offsets' rounding
        // of nearly straight vertices (drawn in single precision), not material.
        if (low * 1024 < half) continue;
        const cl::IntPoint at = centroid(deepest);
        out.push_back({{std::max(0.0, static_cast<double>(at.X) * set.quantum), static_cast<double>(at.Y) * set.quantum},
                       2 * low * set.quantum, pieceArea * set.quantum * set.quantum});
    }
    std::sort(out.begin(), out.end(), [](const ThinPlace& a, const ThinPlace& b) {
        return a.at.y < b.at.y || (a.at.y == b.at.y && a.at.r < b.at.r);
    });
    return out;
}

}  // namespace vantor
