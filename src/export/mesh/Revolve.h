// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Triangle meshes of the solid: each figure's regions (Regions.h) turned
// about the axis in a number of equal steps. A region gives a closed,
// consistently oriented mesh (outward normals); vertices on the axis are one
// pole each; a partial turn is capped at both cut faces. An open figure
// without a wall gives its bare surface.
//
// RevolvedSolid makes the triangles as they are asked for and holds only
// the profile's rings and the caps' triangles, so a mesh file can be written
// in memory that does not grow with the number of segments.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "export/mesh/Profile.h"
#include "export/mesh/Regions.h"
#include "platform/numbers/Vec3.h"

namespace vantor {

struct Mesh {
    std::vector<Vec3> vertices;
    std::vector<std::array<std::uint32_t, 3>> triangles;
};

struct RevolveSettings {
    int segments = 64;     // steps of a full turn; a partial turn uses as many as its share needs (at least 1)
    double degrees = 360;  // 0 < degrees <= 360
    // Above 0: an open profile becomes a wall of this thickness (on its
    // side towards the axis), so that it turns into a closed solid.
    double thickness = 0;
    double scale = 1;  // mesh units (millimetres) per data unit
};

// A triangle by its vertex numbers and their positions, and the part of
// the solid it bounds (RevolvedSolid::partFigures).
struct MeshTriangle {
    std::array<std::uint32_t, 3> index;
    std::array<Vec3, 3> at;
    std::uint32_t part = 0;
};

// What the mesh writers read: the vertices in number order, the triangles
// in file order.
class MeshSource {
public:
    virtual ~MeshSource() = default;
    virtual std::size_t vertexCount() const = 0;
    virtual std::size_t triangleCount() const = 0;
    virtual void forEachVertex(const std::function<void(const Vec3&)>& visit) const = 0;
    virtual void forEachTriangle(const std::function<void(const MeshTriangle&)>& visit) const = 0;
    // The vertices [first, last) and the triangles [first, last) in the same
    // order, for writers that ask for their data a piece at a time.
    virtual void forVertices(std::size_t first, std::size_t last, const std::function<void(const Vec3&)>& visit) const;
    virtual void forTriangles(std::size_t first, std::size_t last,
                              const std::function<void(const MeshTriangle&)>& visit) const;
};

// A mesh held whole.
class MeshView : public MeshSource {
public:
    explicit MeshView(const Mesh& mesh) : m_mesh(mesh) {}
    std::size_t vertexCount() const override { return m_mesh.vertices.size(); }
    std::size_t triangleCount() const override { return m_mesh.triangles.size(); }
    void forEachVertex(const std::function<void(const Vec3&)>& visit) const override;
    void forEachTriangle(const std::function<void(const MeshTriangle&)>& visit) const override;
    void forVertices(std::size_t first, std::size_t last, const std::function<void(const Vec3&)>& visit) const override;
    void forTriangles(std::size_t first, std::size_t last,
                      const std::function<void(const MeshTriangle&)>& visit) const override;

private:
    const Mesh& m_mesh;
};

// How the figures of a set become solids.
enum class MeshParts {
    United,    // the union of all figures' regions: each connected part one closed shell
    PerFigure  // each figure its own shell, overlaps and all (for multi-material work)
};

// The solid of some figures of a set, made on demand; its vertices are
// numbered from 0 for these figures alone.
class RevolvedSolid : public MeshSource {
public:
    // These figures' own regions, each figure a part.
    RevolvedSolid(const std::vector<const FigureSolid*>& figures, const RevolveSettings& settings);
    // The set's solid: united, each region of the union a part, or one part
    // per figure; refused figures are left out, bare surfaces are parts of
    // their own. Both throw std::length_error for more vertices or
    // triangles than 32 bits count.
    RevolvedSolid(const SolidSet& set, const RevolveSettings& settings, MeshParts parts = MeshParts::United);

    std::size_t vertexCount() const override { return m_vertexCount; }
    std::size_t triangleCount() const override { return m_triangleCount; }
    void forEachVertex(const std::function<void(const Vec3&)>& visit) const override;
    void forEachTriangle(const std::function<void(const MeshTriangle&)>& visit) const override;
    void forVertices(std::size_t first, std::size_t last, const std::function<void(const Vec3&)>& visit) const override;
    void forTriangles(std::size_t first, std::size_t last,
                      const std::function<void(const MeshTriangle&)>& visit) const override;
    // The figure each part comes from, by part number.
    const std::vector<int>& partFigures() const { return m_partFigures; }

private:
    struct Loop {
        std::size_t begin = 0, end = 0;  // into m_points
        bool closed = true;
        std::uint32_t part = 0;
    };
    // The band swept by the segment from point a to point b.
    struct Band {
        std::size_t a = 0, b = 0;
        std::uint32_t part = 0;
        std::size_t first = 0;  // its first triangle
        int perStep = 0;        // triangles at each step: 1 when one end is a pole
    };
    void init(const RevolveSettings& settings);
    void addRegion(const Region& region, std::uint32_t part);
    void addLoop(const std::vector<ProfilePoint>& points, bool closed, std::uint32_t part);
    void addCap(std::size_t firstLoop, std::uint32_t part);
    void finish();
    std::uint32_t index(std::size_t point, int step) const;
    Vec3 position(std::size_t point, int step) const;

    bool m_full = true;
    int m_steps = 64;
    int m_ringSize = 64;
    double m_scale = 1;
    std::vector<double> m_cos, m_sin;
    std::vector<ProfilePoint> m_points;
    std::vector<std::uint32_t> m_first;  // each point's first vertex
    std::vector<Loop> m_loops;
    std::vector<std::array<std::uint32_t, 3>> m_caps;  // triangles of points, counter-clockwise
    std::vector<std::uint32_t> m_capParts;
    std::vector<Band> m_bands;
    std::vector<int> m_partFigures;
    std::size_t m_vertexCount = 0;
    std::size_t m_triangleCount = 0;
};

struct RevolveResult {
    Mesh mesh;
    // One line per thing resolved or refused (Regions.h), naming the figure.
    std::vector<std::string> warnings;
};

// Every triangle and vertex of a source, held.
Mesh collectMesh(const MeshSource& source);

// The profiles' solids as one mesh, in the x-z plane (radius along x, height
// along z) turned about the z axis.
RevolveResult revolve(const std::vector<Profile>& profiles, const RevolveSettings& settings);

// What was resolved or refused in making one profile's solid.
std::vector<std::string> profileProblems(const Profile& profile);

}  // namespace vantor
