// SPDX-License-Identifier: GPL-3.0-or-later
// Profiles that are not simple polygons in the half-plane right of the axis:
// their volumes against the solid sliced numerically (no Pappus, no
// Clipper), their meshes closed and outward, and the streamed files equal
// to the held ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "export/animation/AnimationWriter.h"
#include "export/mesh/Measure.h"
#include "support/Read3mf.h"
#include "export/mesh/MeshFiles.h"
#include "export/mesh/SolidExport.h"
#include "platform/files/Files.h"
#include "support/MeshChecks.h"
#include "support/TempDir.h"

using namespace vantor;

namespace {
constexpr double pi = std::numbers::pi;
using Polygon = std::vector<ProfilePoint>;

Profile closed(Polygon pts, int figure = 1) {
    Profile p;
    p.figure = figure;
    p.points = std::move(pts);
    p.shape = ProfileShape::Closed;
    return p;
}

// The area of the solid's cross-section at height y: the nonzero-filled
// stretches of every polygon, folded onto distances from the axis and
// united, give discs and rings.
double sliceArea(const std::vector<Polygon>& polygons, double y) {
    std::vector<std::pair<double, double>> radii;
    for (const Polygon& poly : polygons) {
        std::vector<std::pair<double, int>> crossings;
        for (std::size_t i = 0; i < poly.size(); ++i) {
            const ProfilePoint &a = poly[i], &b = poly[(i + 1) % poly.size()];
            if ((a.y <= y) == (b.y <= y)) continue;
            crossings.push_back({a.r + (y - a.y) / (b.y - a.y) * (b.r - a.r), b.y > a.y ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end());
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += crossings[i].second;
            if (winding == 0) continue;
            const double x1 = crossings[i].first, x2 = crossings[i + 1].first;
            if (x1 >= 0) radii.push_back({x1, x2});
            else if (x2 <= 0) radii.push_back({-x2, -x1});
            else radii.push_back({0, std::max(-x1, x2)});
        }
    }
    std::sort(radii.begin(), radii.end());
    double area = 0, start = -1, end = -1;
    for (const auto& [a, b] : radii) {
        if (a > end) {
            if (end > start) area += pi * (end * end - start * start);
            start = a;
        }
        end = std::max(end, b);
    }
    if (end > start) area += pi * (end * end - start * start);
    return area;
}

// The volume by the midpoint rule between consecutive vertex heights, where
// the slice area is continuous.
double slicedVolume(const std::vector<Polygon>& polygons, int slices = 4000) {
    std::vector<double> heights;
    for (const Polygon& poly : polygons)
        for (const ProfilePoint& p : poly) heights.push_back(p.y);
    std::sort(heights.begin(), heights.end());
    heights.erase(std::unique(heights.begin(), heights.end()), heights.end());
    double volume = 0;
    for (std::size_t i = 0; i + 1 < heights.size(); ++i) {
        const double h = (heights[i + 1] - heights[i]) / slices;
        for (int s = 0; s < slices; ++s) volume += sliceArea(polygons, heights[i] + (s + 0.5) * h) * h;
    }
    return volume;
}

using test::meshVolume;
using test::watertight;

struct Row {
    const char* name;
    std::vector<Polygon> figures;
    std::vector<NoteKind> notes;
};

const std::vector<Row>& awkwardProfiles() {
    static const std::vector<Row> rows{
        {"rectangle reaching past the axis", {{{-10, 0}, {20, 0}, {20, 10}, {-10, 10}}}, {NoteKind::CrossesAxis}},
        {"bow tie", {{{10, 0}, {20, 10}, {20, 0}, {10, 10}}}, {NoteKind::CrossesItself}},
        {"bow tie across the axis", {{{-10, 0}, {10, 10}, {10, 0}, {-10, 10}}},
         {NoteKind::CrossesAxis, NoteKind::CrossesItself, NoteKind::TouchesAxis}},
        {"square drawn twice round", {{{5, 0}, {15, 0}, {15, 10}, {5, 10}, {5, 0}, {15, 0}, {15, 10}, {5, 10}}},
         {NoteKind::CrossesItself}},
        {"touching the axis between its ends", {{{10, 0}, {0, 5}, {10, 10}, {20, 5}}}, {NoteKind::TouchesAxis}},
        {"drawn wholly beyond the axis", {{{-20, 0}, {-5, 0}, {-5, 8}, {-20, 8}}}, {NoteKind::BeyondAxis}},
        {"overlapping figures", {{{5, 0}, {15, 0}, {15, 10}, {5, 10}}, {{10, 5}, {20, 5}, {20, 15}, {10, 15}}},
         {NoteKind::OverlapsFigure}},
        {"a keyhole: the outline winds back round a hole",
         {{{10, 0}, {30, 0}, {30, 20}, {10, 20}, {10, 10}, {15, 10}, {15, 15}, {25, 15}, {25, 5}, {15, 5}, {15, 10}, {10, 10}}},
         {}},
        {"a hook whose beyond part lands inside", {{{-30, 0}, {10, 0}, {10, 30}, {0, 30}, {0, 20}, {-30, 20}}},
         {NoteKind::CrossesAxis}},
    };
    return rows;
}

std::vector<Profile> profilesOf(const Row& row) {
    std::vector<Profile> out;
    for (std::size_t i = 0; i < row.figures.size(); ++i) out.push_back(closed(row.figures[i], static_cast<int>(i) + 1));
    return out;
}

std::vector<NoteKind> kinds(const SolidSet& set) {
    std::vector<NoteKind> out;
    for (const SolidNote& n : set.notes) out.push_back(n.kind);
    return out;
}
}  // namespace

TEST(Regions, VolumesAgreeWithTheSolidSlicedAcrossTheAxis) {
    for (const Row& row : awkwardProfiles()) {
        SCOPED_TRACE(row.name);
        const SolidSet set = solidOf(profilesOf(row));
        EXPECT_EQ(kinds(set), row.notes);
        const double sliced = slicedVolume(row.figures);
        EXPECT_NEAR(total(set).volume / sliced, 1, 1e-6);
        EXPECT_NEAR(total(set, 90).volume / (sliced / 4), 1, 1e-6);
    }
}

TEST(Regions, RectangleReachingPastTheAxisMeasuresTheWholeCylinder) {
    const SolidSet set = solidOf({closed({{-10, 0}, {20, 0}, {20, 10}, {-10, 10}})});
    EXPECT_NEAR(total(set).volume, pi * 400 * 10, 1e-6);
    const SolidSize size = sizeOf(set, 360, 2);
    EXPECT_NEAR(size.width, 80, 1e-9);
    EXPECT_NEAR(size.height, 20, 1e-9);
}

TEST(Regions, MeshesOfAwkwardProfilesAreClosedOutwardAndHoldTheirVolume) {
    for (const Row& row : awkwardProfiles()) {
        SCOPED_TRACE(row.name);
        const SolidSet set = solidOf(profilesOf(row));
        // The mesh is the union: shared volume once, as the slices count it.
        const double sliced = slicedVolume(row.figures);
        for (double degrees : {360.0, 180.0}) {
            SCOPED_TRACE(degrees);
            RevolveSettings settings;
            settings.segments = 720;
            settings.degrees = degrees;
            const RevolvedSolid solid(set, settings);
            const Mesh mesh = collectMesh(solid);
            EXPECT_EQ(mesh.triangles.size(), solid.triangleCount());
            EXPECT_TRUE(watertight(mesh));
            const double inscribed = degrees == 360 ? 720 * std::sin(2 * pi / 720) / (2 * pi) : 1;
            EXPECT_NEAR(meshVolume(mesh) / (sliced * degrees / 360), inscribed, 1e-4) << "outward and whole";
        }
    }
}

TEST(Regions, UnusableNumbersAreRefusedNotMeasured) {
    const double nan = std::nan("");
    const SolidSet notFinite = solidOf({closed({{0, 0}, {nan, 0}, {5, 5}}, 4)});
    ASSERT_TRUE(notFinite.refused());
    EXPECT_NE(notFinite.notes.at(0).text.find("figure 4"), std::string::npos);
    // A tiny figure beside a huge one cannot keep its shape on one grid.
    const SolidSet lost = solidOf({closed({{1e30, 0}, {2e30, 0}, {2e30, 1e30}}, 1), closed({{1, 1}, {2, 1}, {2, 2}}, 2)});
    EXPECT_TRUE(lost.refused());
    EXPECT_TRUE(lost.figures[1].refused);
    EXPECT_FALSE(lost.figures[0].refused);
    ExportSettings settings;
    const SolidPreview preview = previewSolid({closed({{1e30, 0}, {2e30, 0}, {2e30, 1e30}}, 1), closed({{1, 1}, {2, 1}, {2, 2}}, 2)}, settings);
    EXPECT_FALSE(preview.writable(OpenFigures::BareSurface));
}

TEST(Regions, OpenFiguresNeedAWallUnlessBareSurfacesAreAsked) {
    Profile vase;
    vase.figure = 2;
    vase.points = {{0, 0}, {20, 0}, {25, 40}};
    ExportSettings settings;
    const SolidPreview bare = previewSolid({vase}, settings);
    EXPECT_EQ(bare.openFigures, std::vector<int>{2});
    EXPECT_FALSE(bare.writable(OpenFigures::Refuse));
    EXPECT_TRUE(bare.writable(OpenFigures::BareSurface));
    settings.revolve.thickness = 2;
    const SolidPreview walled = previewSolid({vase}, settings);
    EXPECT_TRUE(walled.openFigures.empty());
    EXPECT_GT(walled.totals.volume, 0);
    const Mesh mesh = collectMesh(RevolvedSolid(walled.set, settings.revolve));
    EXPECT_TRUE(watertight(mesh));
    EXPECT_GT(meshVolume(mesh), 0);
}

TEST(MeshFiles, StreamedFilesEqualTheHeldMeshsFiles) {
    const SolidSet set = solidOf({closed({{-10, 0}, {20, 0}, {20, 10}, {-10, 10}}), closed({{10, 0}, {20, 10}, {20, 0}, {10, 10}}, 2)});
    RevolveSettings settings;
    settings.segments = 12;
    settings.degrees = 270;
    settings.scale = 0.5;
    const RevolvedSolid solid(set, settings);
    const Mesh held = collectMesh(solid);
    for (MeshFormat format : {MeshFormat::Stl, MeshFormat::Obj, MeshFormat::Ply}) {
        SCOPED_TRACE(static_cast<int>(format));
        MemorySink streamed;
        writeMesh(solid, format, streamed);
        EXPECT_EQ(streamed.bytes, encodeMesh(held, format));
    }
}

// The 3MF writer asks for its vertices and triangles a batch at a time.
TEST(MeshFiles, AnyRangeOfTheSolidIsThatPartOfTheWhole) {
    const SolidSet set = solidOf({closed({{0, 0}, {20, 0}, {20, 10}, {0, 10}}), closed({{30, 0}, {40, 0}, {35, 10}}, 2)});
    RevolveSettings settings;
    settings.segments = 12;
    settings.degrees = 270;
    const RevolvedSolid solid(set, settings);
    const Mesh whole = collectMesh(solid);
    for (std::size_t batch : {1u, 7u, 64u}) {
        SCOPED_TRACE(batch);
        Mesh pieces;
        for (std::size_t first = 0; first < solid.vertexCount(); first += batch)
            solid.forVertices(first, first + batch, [&](const Vec3& v) { pieces.vertices.push_back(v); });
        for (std::size_t first = 0; first < solid.triangleCount(); first += batch)
            solid.forTriangles(first, first + batch, [&](const MeshTriangle& t) { pieces.triangles.push_back(t.index); });
        ASSERT_EQ(pieces.vertices.size(), whole.vertices.size());
        ASSERT_EQ(pieces.triangles, whole.triangles);
        for (std::size_t i = 0; i < whole.vertices.size(); ++i) EXPECT_EQ(length(pieces.vertices[i] - whole.vertices[i]), 0);
    }
}

TEST(MeshFiles, ThreeMfPerFigureHoldsOneMillimetreObjectPerFigure) {
    test::TempDir dir;
    ExportSettings settings;
    settings.format = MeshFormat::ThreeMf;
    settings.parts = MeshParts::PerFigure;
    settings.revolve.segments = 48;
    settings.revolve.scale = 0.5;
    settings.revolve.thickness = 1;
    Profile open;
    open.figure = 5;
    open.points = {{0, 30}, {8, 30}, {8, 40}};
    const SolidPreview preview = previewSolid({closed({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 3), open}, settings);
    const std::string path = dir.file("two.3mf");
    writeSolid(preview, settings, path, "two.3mf");
    const test::Model3mf model = test::read3mf(Files(dir.path()).readAll("two.3mf"));
    EXPECT_TRUE(model.millimetres);
    ASSERT_EQ(model.objects.size(), 2u);
    EXPECT_EQ(model.objects[0].name, "figure 3");
    EXPECT_EQ(model.objects[1].name, "figure 5");
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(watertight(model.objects[i].mesh));
        const double exact = preview.figures[i].volume * 0.125;
        EXPECT_NEAR(meshVolume(model.objects[i].mesh) / exact, 48 * std::sin(2 * pi / 48) / (2 * pi), 1e-4);
    }
}
