// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/mesh/Revolve.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <stdexcept>

#include "export/mesh/Triangulate.h"

namespace vantor {

void MeshView::forEachVertex(const std::function<void(const Vec3&)>& visit) const {
    forVertices(0, m_mesh.vertices.size(), visit);
}

void MeshView::forEachTriangle(const std::function<void(const MeshTriangle&)>& visit) const {
    forTriangles(0, m_mesh.triangles.size(), visit);
}

void MeshView::forVertices(std::size_t first, std::size_t last, const std::function<void(const Vec3&)>& visit) const {
    for (std::size_t k = first; k < std::min(last, m_mesh.vertices.size()); ++k) visit(m_mesh.vertices[k]);
}

void MeshView::forTriangles(std::size_t first, std::size_t last, const std::function<void(const MeshTriangle&)>& visit) const {
    MeshTriangle t;
    for (std::size_t k = first; k < std::min(last, m_mesh.triangles.size()); ++k) {
        const auto& tri = m_mesh.triangles[k];
        t.index = tri;
        for (std::size_t i = 0; i < 3; ++i) t.at[i] = m_mesh.vertices[tri[i]];
        visit(t);
    }
}

void MeshSource::forVertices(std::size_t first, std::size_t last, const std::function<void(const Vec3&)>& visit) const {
    std::size_t k = 0;
    forEachVertex([&](const Vec3& v) {
        if (k >= first && k < last) visit(v);
        ++k;
    });
}

void MeshSource::forTriangles(std::size_t first, std::size_t last,
                              const std::function<void(const MeshTriangle&)>& visit) const {
    std::size_t k = 0;
    forEachTriangle([&](const MeshTriangle& t) {
        if (k >= first && k < last) visit(t);
        ++k;
    });
}

RevolvedSolid::RevolvedSolid(const SolidSet& set, const RevolveSettings& settings, MeshParts parts) {
    init(settings);
    if (parts == MeshParts::United) {
        for (std::size_t i = 0; i < set.whole.size(); ++i) {
            m_partFigures.push_back(i < set.partFigure.size() ? set.partFigure[i] : 0);
            addRegion(set.whole[i], static_cast<std::uint32_t>(i));
        }
    }
    for (const FigureSolid& f : set.figures) {
        if (f.refused || (f.surfaces.empty() && (parts == MeshParts::United || f.regions.empty()))) continue;
        const auto part = static_cast<std::uint32_t>(m_partFigures.size());
        m_partFigures.push_back(f.figure);
        if (parts == MeshParts::PerFigure)
            for (const Region& r : f.regions) addRegion(r, part);
        for (const auto& chain : f.surfaces) addLoop(chain, false, part);
    }
    finish();
}

RevolvedSolid::RevolvedSolid(const std::vector<const FigureSolid*>& figures, const RevolveSettings& s) {
    init(s);
    for (const FigureSolid* f : figures) {
        const auto part = static_cast<std::uint32_t>(m_partFigures.size());
        m_partFigures.push_back(f->figure);
        for (const Region& r : f->regions) addRegion(r, part);
        for (const auto& chain : f->surfaces) addLoop(chain, false, part);
    }
    finish();
}

void RevolvedSolid::init(const RevolveSettings& s) {
    const double degrees = std::clamp(s.degrees, 1e-9, 360.0);
    m_full = degrees >= 360;
    const int segments = std::max(3, s.segments);
    m_steps = m_full ? segments : std::max(1, static_cast<int>(std::ceil(segments * degrees / 360.0)));
    m_ringSize = m_full ? m_steps : m_steps + 1;
    m_scale = s.scale;
    const double radians = degrees * std::numbers::pi / 180.0;
    for (int j = 0; j < m_ringSize; ++j) {
        const double a = radians * j / m_steps;
        m_cos.push_back(std::cos(a));
        m_sin.push_back(std::sin(a));
    }
}

void RevolvedSolid::addRegion(const Region& r, std::uint32_t part) {
    const std::size_t firstLoop = m_loops.size();
    addLoop(r.outer, true, part);
    for (const auto& h : r.holes) addLoop(h, true, part);
    if (!m_full) addCap(firstLoop, part);
}

void RevolvedSolid::finish() {
    for (const Loop& loop : m_loops) {
        const std::size_t n = loop.end - loop.begin;
        for (std::size_t i = 0; i < n; ++i) {
            if (i + 1 == n && !loop.closed) break;
            if (n < 2) break;
            const std::size_t a = loop.begin + i, b = loop.begin + (i + 1) % n;
            const int perStep = (m_points[a].r != 0) + (m_points[b].r != 0);
            if (perStep == 0) continue;
            m_bands.push_back({a, b, loop.part, m_triangleCount, perStep});
            m_triangleCount += static_cast<std::size_t>(m_steps) * static_cast<std::size_t>(perStep);
        }
    }
    m_triangleCount += 2 * m_caps.size();
    // Vertex numbers and an STL's triangle count are 32-bit.
    if (m_vertexCount > UINT32_MAX || m_triangleCount > UINT32_MAX)
        throw std::length_error("the mesh would have more than 4,294,967,295 vertices or triangles; use fewer segments");
}

void RevolvedSolid::addLoop(const std::vector<ProfilePoint>& points, bool closed, std::uint32_t part) {
    Loop loop;
    loop.begin = m_points.size();
    loop.closed = closed;
    loop.part = part;
    for (const ProfilePoint& p : points) {
        m_points.push_back(p);
        m_first.push_back(static_cast<std::uint32_t>(m_vertexCount));
        m_vertexCount += p.r == 0 ? 1 : static_cast<std::size_t>(m_ringSize);
    }
    loop.end = m_points.size();
    m_loops.push_back(loop);
}

// The cut faces of a partial turn, from the region whose outline is loop
// `firstLoop` and whose holes are the loops after it.
void RevolvedSolid::addCap(std::size_t firstLoop, std::uint32_t part) {
    std::vector<std::vector<std::size_t>> rings;
    for (std::size_t l = firstLoop; l < m_loops.size(); ++l) {
        rings.emplace_back();
        for (std::size_t p = m_loops[l].begin; p < m_loops[l].end; ++p) rings.back().push_back(p);
    }
    for (const auto& t : triangulate(m_points, rings)) {
        m_caps.push_back({static_cast<std::uint32_t>(t[0]), static_cast<std::uint32_t>(t[1]), static_cast<std::uint32_t>(t[2])});
        m_capParts.push_back(part);
    }
}

std::uint32_t RevolvedSolid::index(std::size_t point, int step) const {
    if (m_points[point].r == 0) return m_first[point];
    return m_first[point] + static_cast<std::uint32_t>(m_full ? step % m_steps : step);
}

Vec3 RevolvedSolid::position(std::size_t point, int step) const {
    const ProfilePoint& p = m_points[point];
    if (p.r == 0) return Vec3{0, 0, p.y * m_scale};
    const auto j = static_cast<std::size_t>(m_full ? step % m_steps : step);
    return Vec3{p.r * m_cos[j] * m_scale, p.r * m_sin[j] * m_scale, p.y * m_scale};
}

void RevolvedSolid::forEachVertex(const std::function<void(const Vec3&)>& visit) const {
    forVertices(0, m_vertexCount, visit);
}

void RevolvedSolid::forVertices(std::size_t first, std::size_t last, const std::function<void(const Vec3&)>& visit) const {
    last = std::min(last, m_vertexCount);
    if (first >= last) return;
    // The point whose vertices hold `first`.
    std::size_t p = static_cast<std::size_t>(std::upper_bound(m_first.begin(), m_first.end(), first) - m_first.begin()) - 1;
    int j = static_cast<int>(first - m_first[p]);
    for (std::size_t k = first; k < last; ++k) {
        visit(position(p, j));
        const int n = m_points[p].r == 0 ? 1 : m_ringSize;
        if (++j == n) {
            ++p;
            j = 0;
        }
    }
}

void RevolvedSolid::forEachTriangle(const std::function<void(const MeshTriangle&)>& visit) const {
    forTriangles(0, m_triangleCount, visit);
}

// A band's triangles face the side to the right of the direction a -> b in
// the r-y plane, which is the outside of a counter-clockwise outline and of
// a clockwise hole. At each step: (a, j) (a, j+1) (b, j+1) unless a is a
// pole, then (a, j) (b, j+1) (b, j) unless b is one.
void RevolvedSolid::forTriangles(std::size_t first, std::size_t last,
                                 const std::function<void(const MeshTriangle&)>& visit) const {
    last = std::min(last, m_triangleCount);
    if (first >= last) return;
    MeshTriangle t;
    auto emit = [&](std::size_t p0, int j0, std::size_t p1, int j1, std::size_t p2, int j2) {
        t.index = {index(p0, j0), index(p1, j1), index(p2, j2)};
        t.at = {position(p0, j0), position(p1, j1), position(p2, j2)};
        visit(t);
    };
    std::size_t k = first;
    auto band = std::upper_bound(m_bands.begin(), m_bands.end(), k, [](std::size_t v, const Band& b) { return v < b.first; });
    if (band != m_bands.begin()) --band;
    for (; band != m_bands.end() && k < last; ++band) {
        if (k < band->first) k = band->first;
        const std::size_t local = k - band->first;
        const std::size_t end = band->first + static_cast<std::size_t>(m_steps) * static_cast<std::size_t>(band->perStep);
        if (local >= end - band->first) continue;
        t.part = band->part;
        const bool poleA = m_points[band->a].r == 0;
        const std::size_t a = band->a, b = band->b;
        for (; k < end && k < last; ++k) {
            const std::size_t i = k - band->first;
            const int j = static_cast<int>(i / static_cast<std::size_t>(band->perStep));
            const bool second = band->perStep == 2 ? i % 2 == 1 : poleA;
            if (!second) emit(a, j, a, j + 1, b, j + 1);
            else emit(a, j, b, j + 1, b, j);
        }
    }
    // A counter-clockwise triangle of the profile plane faces towards
    // negative angles: right for the start face, turned round for the end.
    const std::size_t caps = m_bands.empty() ? 0 : m_bands.back().first + static_cast<std::size_t>(m_steps) *
                                                                               static_cast<std::size_t>(m_bands.back().perStep);
    for (k = std::max(k, caps); k < last; ++k) {
        const std::size_t i = k - caps;
        const std::size_t c = i % m_caps.size();
        t.part = m_capParts[c];
        const auto& cap = m_caps[c];
        if (i < m_caps.size()) emit(cap[0], 0, cap[1], 0, cap[2], 0);
        else emit(cap[0], m_steps, cap[2], m_steps, cap[1], m_steps);
    }
}

Mesh collectMesh(const MeshSource& source) {
    Mesh m;
    m.vertices.reserve(source.vertexCount());
    m.triangles.reserve(source.triangleCount());
    source.forEachVertex([&](const Vec3& v) { m.vertices.push_back(v); });
    source.forEachTriangle([&](const MeshTriangle& t) { m.triangles.push_back(t.index); });
    return m;
}

RevolveResult revolve(const std::vector<Profile>& profiles, const RevolveSettings& settings) {
    const SolidSet set = solidOf(profiles, settings.thickness);
    RevolveResult result;
    result.mesh = collectMesh(RevolvedSolid(set, settings));
    for (const SolidNote& n : set.notes) result.warnings.push_back(n.text);
    return result;
}

std::vector<std::string> profileProblems(const Profile& profile) {
    std::vector<std::string> out;
    for (const SolidNote& n : solidOf({profile}).notes) out.push_back(n.text);
    return out;
}

}  // namespace vantor
