// SPDX-License-Identifier: GPL-3.0-or-later
// The solid as a mesh and its exact measures: known solids against their
// closed forms, meshes that are closed and consistently oriented, and
// volumes that converge to the exact one.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>

#include "model/figures/FigureStore.h"
#include "model/options/DisplayOptions.h"
#include "export/mesh/Measure.h"
#include "export/mesh/MeshFiles.h"
#include "export/mesh/Revolve.h"
#include "support/MeshChecks.h"
#include "support/FigureBuilder.h"

using namespace vantor;

namespace {
constexpr double pi = std::numbers::pi;

Profile profile(std::vector<ProfilePoint> pts, ProfileShape shape, int figure = 1) {
    Profile p;
    p.figure = figure;
    p.points = std::move(pts);
    p.shape = shape;
    return p;
}

// A circle of radius a about (R, 0), n vertices, counter-clockwise.
Profile circle(double R, double a, int n) {
    std::vector<ProfilePoint> pts;
    for (int i = 0; i < n; ++i) pts.push_back({R + a * std::cos(2 * pi * i / n), a * std::sin(2 * pi * i / n)});
    return profile(pts, ProfileShape::Closed);
}

// Half a circle of radius a from the south to the north pole.
Profile halfCircle(double a, int n) {
    std::vector<ProfilePoint> pts;
    for (int i = 0; i <= n; ++i) {
        const double t = -pi / 2 + pi * i / n;
        pts.push_back({i == 0 || i == n ? 0 : a * std::cos(t), a * std::sin(t)});
    }
    return profile(pts, ProfileShape::ClosedByAxis);
}

using test::meshVolume;
using test::watertight;
}  // namespace

TEST(SolidMeasures, KnownSolidsAgainstTheirClosedForms) {
    const double R = 50, a = 10, h = 30, r = 20;
    struct Row {
        const char* name;
        Profile p;
        double volume, surface, tolerance;
    };
    const Row rows[] = {
        {"cylinder", profile({{0, 0}, {r, 0}, {r, h}, {0, h}}, ProfileShape::ClosedByAxis), pi * r * r * h,
         2 * pi * r * h + 2 * pi * r * r, 1e-12},
        {"cone", profile({{0, 0}, {r, 0}, {0, h}}, ProfileShape::ClosedByAxis), pi * r * r * h / 3,
         pi * r * std::hypot(r, h) + pi * r * r, 1e-12},
        {"torus", circle(R, a, 4000), 2 * pi * pi * R * a * a, 4 * pi * pi * R * a, 1e-6},
        {"sphere", halfCircle(a, 4000), 4.0 / 3 * pi * a * a * a, 4 * pi * a * a, 1e-6},
        {"cylinder drawn clockwise", profile({{0, h}, {r, h}, {r, 0}, {0, 0}}, ProfileShape::ClosedByAxis),
         pi * r * r * h, 2 * pi * r * h + 2 * pi * r * r, 1e-12},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ProfileMeasures m = measure(row.p);
        EXPECT_NEAR(m.volume / row.volume, 1, row.tolerance);
        EXPECT_NEAR(m.surfaceArea / row.surface, 1, row.tolerance);
        const ProfileMeasures half = measure(row.p, 180);
        EXPECT_NEAR(half.volume / (row.volume / 2), 1, row.tolerance);
        EXPECT_NEAR(half.surfaceArea, row.surface / 2 + 2 * m.area, row.surface * row.tolerance) << "cut faces included";
    }
    const ProfileMeasures open = measure(profile({{10, 0}, {10, 5}}, ProfileShape::Open));
    EXPECT_EQ(open.volume, 0);
    EXPECT_NEAR(open.surfaceArea, 2 * pi * 10 * 5, 1e-9);
    EXPECT_EQ(open.length, 5);
}

TEST(SolidMesh, BoundedProfilesGiveClosedMeshesWhoseVolumeConverges) {
    struct Row {
        const char* name;
        Profile p;
    };
    const Row rows[] = {
        {"torus", circle(50, 10, 24)},
        {"sphere", halfCircle(10, 24)},
        {"cup wall closed by the axis", profile({{0, 0}, {30, 0}, {35, 40}, {31, 40}, {27, 4}, {0, 4}},
                                                ProfileShape::ClosedByAxis)},
        {"clockwise ring", profile({{10, 0}, {10, 5}, {20, 5}, {20, 0}}, ProfileShape::Closed)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const double exact = measure(row.p).volume;
        double previousError = 1;
        for (int segments : {8, 32, 128, 512}) {
            SCOPED_TRACE(segments);
            const RevolveResult r = revolve({row.p}, {segments, 360});
            EXPECT_TRUE(r.warnings.empty());
            EXPECT_TRUE(watertight(r.mesh));
            const double v = meshVolume(r.mesh);
            EXPECT_GT(v, 0) << "outward normals";
            // An inscribed polygon of n sides keeps n sin(2 pi / n) / (2 pi) of the volume.
            EXPECT_NEAR(v / exact, segments * std::sin(2 * pi / segments) / (2 * pi), 1e-9);
            const double error = std::fabs(v / exact - 1);
            EXPECT_LT(error, previousError);
            previousError = error;
        }
        const RevolveResult half = revolve({row.p}, {512, 180});
        EXPECT_TRUE(watertight(half.mesh)) << "cut faces capped";
        EXPECT_NEAR(meshVolume(half.mesh) / (exact / 2), 1, 1e-4);
    }
}

TEST(SolidMesh, OnAxisVerticesAreOnePole) {
    const RevolveResult r = revolve({halfCircle(10, 4)}, {16, 360});
    // Three rings of 16 and two poles.
    EXPECT_EQ(r.mesh.vertices.size(), 3u * 16 + 2);
}

TEST(SolidMesh, ProfilesThatMakeNoCleanSolidAreNamed) {
    const Profile figureEight = profile({{10, 0}, {20, 10}, {20, 0}, {10, 10}}, ProfileShape::Closed, 7);
    const auto crossing = revolve({figureEight}, {16, 360}).warnings;
    ASSERT_EQ(crossing.size(), 1u);
    EXPECT_NE(crossing[0].find("figure 7"), std::string::npos);
    const Profile touching = profile({{10, 0}, {0, 5}, {10, 10}, {20, 5}}, ProfileShape::Closed, 3);
    const auto axis = profileProblems(touching);
    ASSERT_EQ(axis.size(), 1u);
    EXPECT_NE(axis[0].find("figure 3"), std::string::npos);
    EXPECT_TRUE(profileProblems(halfCircle(5, 8)).empty()) << "ends on the axis are fine";
}

TEST(SolidProfiles, FiguresMeetingEndToStartAreOneSolid) {
    DisplayOptions options;
    FigureStore store(options);
    store.clearVertices();
    test::addFigure(store, {{0.0000001f, 10}, {8, 10}, {8, 0}}, 1);
    test::addFigure(store, {{8, 0}, {0, 0}}, 2);
    test::addFigure(store, {{20, 0}, {20, 5}}, 3);
    const std::vector<Profile> profiles = profilesOf(store);
    ASSERT_EQ(profiles.size(), 2u);
    EXPECT_EQ(profiles[0].shape, ProfileShape::ClosedByAxis);
    EXPECT_EQ(profiles[0].joined, std::vector<int>{2});
    EXPECT_EQ(profiles[0].points.front().r, 0) << "noise next to the axis is on it";
    EXPECT_NEAR(measure(profiles[0]).volume, pi * 64 * 10, 1e-9);
    EXPECT_EQ(profiles[1].shape, ProfileShape::Open);
}

TEST(MeshFiles, LayoutsOfTheThreeFormats) {
    const Mesh m = revolve({circle(20, 5, 6)}, {8, 360}).mesh;
    const auto stl = encodeMesh(m, MeshFormat::Stl);
    ASSERT_EQ(stl.size(), 84 + 50 * m.triangles.size());
    EXPECT_EQ(stl[80] | stl[81] << 8 | stl[82] << 16, static_cast<int>(m.triangles.size()));
    const auto ply = encodeMesh(m, MeshFormat::Ply);
    const std::string plyText(ply.begin(), ply.end());
    EXPECT_NE(plyText.find("element vertex " + std::to_string(m.vertices.size())), std::string::npos);
    const std::size_t body = plyText.find("end_header\n") + 11;
    EXPECT_EQ(ply.size() - body, m.vertices.size() * 12 + m.triangles.size() * 13);
    const auto obj = encodeMesh(m, MeshFormat::Obj);
    const std::string objText(obj.begin(), obj.end());
    std::size_t faces = 0;
    for (std::size_t at = objText.find("\nf "); at != std::string::npos; at = objText.find("\nf ", at + 1)) ++faces;
    EXPECT_EQ(faces, m.triangles.size());
    EXPECT_EQ(meshFormatOf("a/b.STL"), MeshFormat::Stl);
    EXPECT_EQ(meshFormatOf("a.stl.txt"), MeshFormat::Unknown);
}

TEST(SolidMesh, OpenFiguresGetAWallOfTheGivenThickness) {
    struct Row {
        const char* name;
        Profile open;
        double volume;
    };
    const Row rows[] = {
        {"tube drawn upwards", profile({{10, 0}, {10, 10}}, ProfileShape::Open), pi * (100 - 64) * 10},
        {"tube drawn downwards", profile({{10, 10}, {10, 0}}, ProfileShape::Open), pi * (100 - 64) * 10},
        {"disc from the axis grows downwards", profile({{0, 5}, {10, 5}}, ProfileShape::Open), pi * 100 * 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Profile wall = thickened(row.open, 2);
        EXPECT_EQ(wall.shape, ProfileShape::Closed);
        EXPECT_NEAR(measure(wall).volume, row.volume, 1e-9 * row.volume);
        RevolveSettings settings;
        settings.thickness = 2;
        const RevolveResult r = revolve({row.open}, settings);
        EXPECT_TRUE(r.warnings.empty());
        EXPECT_TRUE(watertight(r.mesh));
        EXPECT_GT(meshVolume(r.mesh), 0);
    }
    // Bounded figures keep their shape.
    RevolveSettings settings;
    settings.thickness = 2;
    EXPECT_NEAR(meshVolume(revolve({halfCircle(10, 24)}, settings).mesh), meshVolume(revolve({halfCircle(10, 24)}, {}).mesh), 1e-9);
}

TEST(SolidMesh, AnEdgeAlongTheAxisIsNoProblem) {
    // A closed rectangle with one side on the axis: a cylinder.
    const Profile onAxis = profile({{0, 0}, {5, 0}, {5, 5}, {0, 5}}, ProfileShape::Closed);
    EXPECT_TRUE(profileProblems(onAxis).empty());
    const RevolveResult r = revolve({onAxis}, {32, 360});
    EXPECT_TRUE(watertight(r.mesh));
}
