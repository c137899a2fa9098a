#include "export/mesh/Revolve.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <stdexcept>

#include "export/mesh/Triangulate.h"

namespace vantor {

void MeshView::forEachVertex(const std::function<void(const Vec3&)>& visit) const {
    for (const Vec3& v : m_mesh.vertices) visit(v);
}

void MeshView::forEachTriangle(const std::function<void(const MeshTriangle&)>& visit) const {
    MeshTriangle t;
    for (const auto& tri : m_mesh.triangles) {
        t.index = tri;
        for (int i = 0; i < 3; ++i) t.at[static_cast<std::size_t>(i)] = m_mesh.vertices[tri[static_cast<std::size_t>(i)]];
        visit(t);
    }
}

RevolvedSolid::RevolvedSolid(const SolidSet& set, const RevolveSettings& settings)
    : RevolvedSolid(
          [&] {
              std::vector<const FigureSolid*> figures;
              for (const FigureSolid& f : set.figures)
                  if (!f.refused) figures.push_back(&f);
              return figures;
          }(),
          settings) {}

RevolvedSolid::RevolvedSolid(const std::vector<const FigureSolid*>& figures, const RevolveSettings& s) {
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
    for (const FigureSolid* f : figures) {
        for (const Region& r : f->regions) {
            const std::size_t firstLoop = m_loops.size();
            addLoop(r.outer, true);
            for (const auto& h : r.holes) addLoop(h, true);
            if (!m_full) addCap(firstLoop);
        }
        for (const auto& chain : f->surfaces) addLoop(chain, false);
    }
    for (const Loop& loop : m_loops) {
        const std::size_t n = loop.end - loop.begin;
        for (std::size_t i = 0; i < n; ++i) {
            if (i + 1 == n && !loop.closed) break;
            const std::size_t a = loop.begin + i, b = loop.begin + (i + 1) % n;
            m_triangleCount += static_cast<std::size_t>(m_steps) * ((m_points[a].r != 0) + (m_points[b].r != 0));
        }
    }
    m_triangleCount += 2 * m_caps.size();
    // Vertex numbers and an STL's triangle count are 32-bit.
    if (m_vertexCount > UINT32_MAX || m_triangleCount > UINT32_MAX)
        throw std::length_error("the mesh would have more than 4,294,967,295 vertices or triangles; use fewer segments");
}

void RevolvedSolid::addLoop(const std::vector<ProfilePoint>& points, bool closed) {
    Loop loop;
    loop.begin = m_points.size();
    loop.closed = closed;
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
void RevolvedSolid::addCap(std::size_t firstLoop) {
    std::vector<std::vector<std::size_t>> rings;
    for (std::size_t l = firstLoop; l < m_loops.size(); ++l) {
        rings.emplace_back();
        for (std::size_t p = m_loops[l].begin; p < m_loops[l].end; ++p) rings.back().push_back(p);
    }
    for (const auto& t : triangulate(m_points, rings))
        m_caps.push_back({static_cast<std::uint32_t>(t[0]), static_cast<std::uint32_t>(t[1]), static_cast<std::uint32_t>(t[2])});
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

// The band swept by the segment from a to b. Its triangles face the side to
// the right of the direction a -> b in the r-y plane, which is the outside of
// a counter-clockwise outline and of a clockwise hole.
template <typename Emit>
void RevolvedSolid::band(std::size_t a, std::size_t b, Emit& emit) const {
    const bool poleA = m_points[a].r == 0, poleB = m_points[b].r == 0;
    if (poleA && poleB) return;
    for (int j = 0; j < m_steps; ++j) {
        if (!poleA) emit(a, j, a, j + 1, b, j + 1);
        if (!poleB) emit(a, j, b, j + 1, b, j);
    }
}

void RevolvedSolid::forEachVertex(const std::function<void(const Vec3&)>& visit) const {
    for (std::size_t p = 0; p < m_points.size(); ++p) {
        const int n = m_points[p].r == 0 ? 1 : m_ringSize;
        for (int j = 0; j < n; ++j) visit(position(p, j));
    }
}

void RevolvedSolid::forEachTriangle(const std::function<void(const MeshTriangle&)>& visit) const {
    MeshTriangle t;
    auto emit = [&](std::size_t p0, int j0, std::size_t p1, int j1, std::size_t p2, int j2) {
        t.index = {index(p0, j0), index(p1, j1), index(p2, j2)};
        t.at = {position(p0, j0), position(p1, j1), position(p2, j2)};
        visit(t);
    };
    for (const Loop& loop : m_loops) {
        const std::size_t n = loop.end - loop.begin;
        for (std::size_t i = 0; i + 1 < n; ++i) band(loop.begin + i, loop.begin + i + 1, emit);
        if (loop.closed && n >= 2) band(loop.end - 1, loop.begin, emit);
    }
    // A counter-clockwise triangle of the profile plane faces towards
    // negative angles: right for the start face, turned round for the end.
    for (const auto& c : m_caps) emit(c[0], 0, c[1], 0, c[2], 0);
    for (const auto& c : m_caps) emit(c[0], m_steps, c[2], m_steps, c[1], m_steps);
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
