// SPDX-License-Identifier: GPL-3.0-or-later
// Faults of the way from profile to print, each against an answer worked
// out here by hand (Pappus on rectangles, the inscribed circle of a
// triangle, single precision's largest number), not by the code under test.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <numbers>
#include <numeric>

#include "export/mesh/Measure.h"
#include "export/mesh/PrintChecks.h"
#include "export/mesh/SolidExport.h"
#include "model/figures/FigureStore.h"
#include "model/options/DisplayOptions.h"
#include "platform/files/Files.h"
#include "support/FigureBuilder.h"
#include "support/MeshChecks.h"
#include "support/Read3mf.h"
#include "support/TempDir.h"

using namespace vantor;

namespace {
constexpr double pi = std::numbers::pi;

Profile closed(std::vector<ProfilePoint> pts, int figure = 1) {
    Profile p;
    p.figure = figure;
    p.points = std::move(pts);
    p.shape = ProfileShape::Closed;
    return p;
}

Profile rectangle(double r0, double r1, double y0, double y1, int figure = 1) {
    return closed({{r0, y0}, {r1, y0}, {r1, y1}, {r0, y1}}, figure);
}

// How many separate shells a mesh has: triangles joined through shared vertices.
std::size_t shells(const Mesh& m) {
    std::vector<std::size_t> parent(m.vertices.size());
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](std::size_t v) {
        while (parent[v] != v) v = parent[v] = parent[parent[v]];
        return v;
    };
    for (const auto& t : m.triangles) {
        parent[find(t[1])] = find(t[0]);
        parent[find(t[2])] = find(t[0]);
    }
    std::size_t count = 0;
    std::vector<bool> used(m.vertices.size());
    for (const auto& t : m.triangles) used[t[0]] = true;
    for (std::size_t v = 0; v < m.vertices.size(); ++v) count += used[v] && find(v) == v;
    return count;
}

// The share of a circle's area a regular polygon of n sides inscribed in it keeps.
double inscribed(int n) { return n * std::sin(2 * pi / n) / (2 * pi); }

}  // namespace

TEST(PrintFaults, FiguresPrintAsTheirUnionOneShellAPart) {
    struct Row {
        const char* name;
        std::vector<Profile> figures;
        double volume;  // 2 pi times the integral of r over the union, by hand
        std::size_t shells;
    };
    const Row rows[] = {
        {"a narrow tube stacked on a wider one", {rectangle(10, 20, 0, 10, 1), rectangle(12, 16, 10, 30, 2)},
         pi * (400 - 100) * 10 + pi * (256 - 144) * 20, 1},
        {"two squares overlapping by a quarter", {rectangle(5, 15, 0, 10, 1), rectangle(10, 20, 5, 15, 2)},
         2 * pi * (1000 + 1500 - 312.5), 1},
        {"two tubes apart", {rectangle(10, 20, 0, 10, 1), rectangle(10, 20, 20, 30, 2)}, 2 * pi * 300 * 10, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ExportSettings settings;
        settings.revolve.segments = 96;
        const SolidPreview preview = previewSolid(row.figures, settings);
        const Mesh mesh = collectMesh(RevolvedSolid(preview.set, settings.revolve));
        EXPECT_TRUE(test::watertight(mesh));
        EXPECT_EQ(shells(mesh), row.shells);
        EXPECT_NEAR(test::meshVolume(mesh) / (row.volume * inscribed(96)), 1, 1e-9);
        EXPECT_NEAR(preview.totals.volume / row.volume, 1, 1e-12);
    }
}

TEST(PrintFaults, ThreeMfHoldsTheUnionAsOneObjectPartsInTheirFiguresColours) {
    test::TempDir dir;
    ExportSettings settings;
    settings.format = MeshFormat::ThreeMf;
    settings.revolve.segments = 64;
    Profile low = rectangle(10, 20, 0, 10, 1), high = rectangle(12, 16, 10, 30, 2), apart = rectangle(10, 20, 40, 50, 3);
    low.colour = {255, 0, 0};
    high.colour = {0, 0, 255};
    apart.colour = {0, 255, 0};
    const SolidPreview preview = previewSolid({low, high, apart}, settings);
    writeSolid(preview, settings, dir.file("u.3mf"), "u.3mf");
    const auto bytes = Files(dir.path()).readAll("u.3mf");
    const test::Model3mf model = test::read3mf(bytes);
    ASSERT_EQ(model.objects.size(), 1u);
    EXPECT_TRUE(test::watertight(model.objects[0].mesh));
    EXPECT_EQ(shells(model.objects[0].mesh), 2u);
    const double exact = pi * (400 - 100) * 10 * 2 + pi * (256 - 144) * 20;
    EXPECT_NEAR(test::meshVolume(model.objects[0].mesh) / (exact * inscribed(64)), 1, 1e-5);
    // The stacked part is mostly figure 1's; the part apart is figure 3's.
    const std::string text = test::modelText3mf(bytes);
    EXPECT_NE(text.find("<base name=\"figure 1\" displaycolor=\"#FF0000FF\"/>"), std::string::npos) << text.substr(0, 600);
    EXPECT_NE(text.find("<base name=\"figure 3\" displaycolor=\"#00FF00FF\"/>"), std::string::npos);
    EXPECT_EQ(text.find("figure 2"), std::string::npos);

    settings.parts = MeshParts::PerFigure;
    writeSolid(previewSolid({low, high, apart}, settings), settings, dir.file("p.3mf"), "p.3mf");
    EXPECT_EQ(test::read3mf(Files(dir.path()).readAll("p.3mf")).objects.size(), 3u) << "one object a figure when asked";
}

TEST(PrintFaults, ThreeMfCoordinatesKeepAMillionthOfASmallPart) {
    test::TempDir dir;
    ExportSettings settings;
    settings.format = MeshFormat::ThreeMf;
    settings.revolve.segments = 4;
    // A tube 0.3 mm across drawn in metres: its radii must survive to 1e-6 of its size.
    const SolidPreview preview = previewSolid({rectangle(0.0001, 0.00015, 0, 0.0003)}, [&] {
        ExportSettings s = settings;
        s.revolve.scale = 1000;
        return s;
    }());
    settings.revolve.scale = 1000;
    writeSolid(preview, settings, dir.file("s.3mf"), "s.3mf");
    const test::Model3mf model = test::read3mf(Files(dir.path()).readAll("s.3mf"));
    ASSERT_EQ(model.objects.size(), 1u);
    double inner = 1, outer = 0;
    for (const Vec3& v : model.objects[0].mesh.vertices) {
        inner = std::min(inner, std::hypot(v.x, v.y));
        outer = std::max(outer, std::hypot(v.x, v.y));
    }
    EXPECT_NEAR(inner, 0.1, 0.3e-6);
    EXPECT_NEAR(outer, 0.15, 0.3e-6);
}

TEST(PrintFaults, ABoreDrawnInMetresSurvives) {
    DisplayOptions options;
    FigureStore store(options);
    store.clearVertices();
    // A tube 10 mm across with a 1 mm bore, 10 mm tall, in metres.
    test::addFigure(store, {{0.0005f, 0}, {0.005f, 0}, {0.005f, 0.01f}, {0.0005f, 0.01f}, {0.0005f, 0}}, 1);
    ExportSettings settings;
    settings.revolve.scale = 1000;
    const SolidPreview preview = previewSolid(store, settings);
    const double r0 = 0.0005f, r1 = 0.005f, h = 0.01f;
    EXPECT_NEAR(preview.totals.volume / (pi * (r1 * r1 - r0 * r0) * h), 1, 1e-6);
    EXPECT_TRUE(preview.warnings.empty());
}

TEST(PrintFaults, VerticesPutOnTheAxisOnlyWithinThePrecisionAndSaidSo) {
    const float tolerance = 10 * 0x1p-20f;  // the data's precision at its largest coordinate, 10
    struct Row {
        const char* name;
        float r;
        bool moved;
    };
    const Row rows[] = {
        {"at the precision", tolerance, true},
        {"one step past it", std::nextafter(tolerance, 1.0f), false},
        {"the program's own 0.0001 off the axis", 0.0001f, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DisplayOptions options;
        FigureStore store(options);
        store.clearVertices();
        test::addFigure(store, {{0, 0}, {10, 0}, {10, 5}, {row.r, 5}, {0, 10}}, 1);
        const std::vector<Profile> profiles = profilesOf(store);
        ASSERT_EQ(profiles.size(), 1u);
        EXPECT_EQ(profiles[0].points[3].r == 0, row.moved);
        const bool said = !previewSolid(profiles, {}).warnings.empty() &&
                          previewSolid(profiles, {}).warnings[0].find("of the axis (below the data's precision) put on it") !=
                              std::string::npos;
        EXPECT_EQ(said, row.moved && row.r != 0.0001f) << "the program's own offset is put back silently";
    }
}

TEST(PrintFaults, NoAreaIsRefusedAndAFinding) {
    const Profile line = closed({{0, 0}, {10, 10}, {20, 20}});
    ExportSettings settings;
    const SolidPreview preview = previewSolid({line}, settings);
    EXPECT_FALSE(preview.writable(OpenFigures::BareSurface));
    ASSERT_FALSE(preview.refusals.empty());
    EXPECT_NE(preview.refusals.back().find("no figure encloses any area"), std::string::npos);
    const PrintCheckReport report = printChecks({line}, PrintCheckSettings{});
    ASSERT_EQ(report.findings.size(), 1u);
    EXPECT_EQ(report.findings[0].kind, FindingKind::NoArea);
    // One figure with area is enough.
    EXPECT_TRUE(previewSolid({line, rectangle(1, 2, 0, 1, 2)}, settings).refusals.empty());
}

TEST(PrintFaults, CoordinatesBeyondSinglePrecisionAtTheScaleAreRefused) {
    const double half = static_cast<double>(FLT_MAX) / 2;  // exact: a power of two below it
    struct Row {
        const char* name;
        double reach;
        bool refused;
    };
    const Row rows[] = {
        {"the largest single-precision number", half, false},
        {"one step past it", std::nextafter(half, INFINITY), true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ExportSettings settings;
        settings.revolve.scale = 2;
        const SolidPreview preview = previewSolid({closed({{row.reach / 2, 0}, {row.reach, 0}, {row.reach, row.reach / 2}})}, settings);
        EXPECT_EQ(!preview.refusals.empty(), row.refused);
        if (row.refused) {
            EXPECT_NE(preview.refusals[0].find("beyond single precision"), std::string::npos);
        }
    }
}

namespace {

// The polygon with its first edge cut into `pieces` equal ones, their
// vertices rounded to single precision as a data set stores them.
std::vector<ProfilePoint> finely(std::vector<ProfilePoint> pts, int pieces) {
    std::vector<ProfilePoint> out{pts[0]};
    for (int i = 1; i < pieces; ++i) {
        const double t = static_cast<double>(i) / pieces;
        out.push_back({static_cast<float>(pts[0].r + t * (pts[1].r - pts[0].r)),
                       static_cast<float>(pts[0].y + t * (pts[1].y - pts[0].y))});
    }
    out.insert(out.end(), pts.begin() + 1, pts.end());
    return out;
}

// A triangle's inscribed circle: its diameter is 4 * area / perimeter.
double inDiameter(const std::vector<ProfilePoint>& t) {
    auto side = [&](int i, int j) { return std::hypot(t[i].r - t[j].r, t[i].y - t[j].y); };
    const double area = std::fabs((t[1].r - t[0].r) * (t[2].y - t[0].y) - (t[2].r - t[0].r) * (t[1].y - t[0].y)) / 2;
    return 4 * area / (side(0, 1) + side(1, 2) + side(2, 0));
}

std::vector<ProfilePoint> wedge(double degrees, double length) {
    const double half = length * std::tan(degrees / 2 * pi / 180);
    return {{30 + length, 0}, {30, -half}, {30, half}};
}

std::vector<ProfilePoint> leaningBlock(double lean) {
    const double shift = 20 * std::tan(lean * pi / 180);
    return {{30, 0}, {50, 0}, {50 + shift, 20}, {30 + shift, 20}};
}

}  // namespace

TEST(PrintFaults, ThinWallsAreTheShapesNotItsVertices) {
    struct Row {
        const char* name;
        std::vector<ProfilePoint> shape;
        std::size_t findings;
        double width;  // of the one finding, mm
    };
    const auto sliver = wedge(2, 10);
    const Row rows[] = {
        {"a 14° wedge, wide enough at its base", wedge(14, 20), 0, 0},
        {"the same wedge pointing along the axis' side", {{50, 20}, {30, 20 - 20 * std::tan(7 * pi / 180)}, {30, 20 + 20 * std::tan(7 * pi / 180)}},
         0, 0},
        {"a 2° sliver, nowhere as wide as the nozzle", sliver, 1, inDiameter(sliver)},
        {"a strip 0.3 wide", {{10, 0}, {10, 20}, {10.3, 20}, {10.3, 0}}, 1, 0.3},
        {"a strip just narrower than the nozzle", {{10, 0}, {10, 20}, {10.39, 20}, {10.39, 0}}, 1, 0.39},
        {"a strip just wider than the nozzle", {{10, 0}, {10, 20}, {10.41, 20}, {10.41, 0}}, 0, 0},
        {"a block upright", leaningBlock(0), 0, 0},
        {"a block leaning 20°", leaningBlock(20), 0, 0},
        {"a block leaning 45°", leaningBlock(45), 0, 0},
        {"a block leaning 80°", leaningBlock(80), 0, 0},
        {"a block leaning back 40°", leaningBlock(-40), 0, 0},
    };
    PrintCheckSettings settings;
    settings.nozzle = 0.4;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PrintCheckReport coarse = printChecks({closed(row.shape)}, settings);
        const PrintCheckReport fine = printChecks({closed(finely(row.shape, 100))}, settings);
        auto thin = [](const PrintCheckReport& r) {
            std::vector<Finding> out;
            for (const Finding& f : r.findings)
                if (f.kind == FindingKind::ThinWall) out.push_back(f);
            return out;
        };
        const auto a = thin(coarse), b = thin(fine);
        ASSERT_EQ(a.size(), row.findings);
        ASSERT_EQ(b.size(), row.findings) << "100 vertices";
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_NEAR(a[i].value, row.width, 1e-3);
            EXPECT_NEAR(b[i].value, row.width, 1e-3);
            EXPECT_NEAR(a[i].at.r, b[i].at.r, 1e-3);
            EXPECT_NEAR(a[i].at.y, b[i].at.y, 1e-3);
        }
    }
}
