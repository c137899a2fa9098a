// SPDX-License-Identifier: GPL-3.0-or-later
// Print checks on profiles whose faults are known: which segment, which
// vertex, how much.
#include <gtest/gtest.h>

#include "export/mesh/PrintChecks.h"
#include "model/figures/FigureStore.h"
#include "model/options/DisplayOptions.h"
#include "support/FigureBuilder.h"

using namespace vantor;

namespace {

struct Expected {
    FindingKind kind;
    int figure, firstVertex, lastVertex;
    double value;
};

struct Row {
    const char* name;
    std::vector<test::Points> figures;
    PrintCheckSettings settings;
    std::vector<Expected> findings;
};

PrintCheckSettings with(double nozzle, double thickness = 0, double scale = 1) {
    PrintCheckSettings s;
    s.nozzle = nozzle;
    s.thickness = thickness;
    s.scale = scale;
    return s;
}

}  // namespace

TEST(PrintChecks, FindingsNameTheSegmentAndMeasureIt) {
    const test::Points mushroom{{0, 0}, {5, 0}, {5, 10}, {20, 10}, {20, 12}, {0, 12}, {0, 0}};
    const test::Points block{{0, 0}, {10, 0}, {10, 5}, {0, 5}, {0, 0}};
    const test::Points raised{{0, 10}, {10, 10}, {10, 15}, {0, 15}, {0, 10}};
    const Row rows[] = {
        {"a clean cylinder", {block}, with(0.4), {}},
        {"the cap's underside overhangs; the foot rests on the bed", {mushroom}, with(0.4),
         {{FindingKind::Overhang, 1, 3, 4, 90}}},
        {"a cap two units thick is thin for a 2.5 nozzle: one piece, beyond the stem", {mushroom}, with(2.5),
         {{FindingKind::Overhang, 1, 3, 4, 90}, {FindingKind::ThinWall, 1, 3, 4, 2}}},
        {"a stem across the axis is as thick as its diameter", {{{0, 0}, {0.3f, 0}, {0.3f, 10}, {0, 10}, {0, 0}}}, with(0.8),
         {{FindingKind::ThinWall, 1, 2, 3, 0.6}}},
        {"a tube wall of 0.3 for a 0.4 nozzle", {{{10, 0}, {10, 20}}}, with(0.4, 0.3), {{FindingKind::ThinWall, 1, 1, 2, 0.3}}},
        {"a block above another floats, measured in millimetres", {block, raised}, with(0.4, 0, 2),
         {{FindingKind::Overhang, 2, 6, 7, 90}, {FindingKind::Floating, 2, 6, 6, 20}}},
        {"an open figure without a wall", {{{10, 0}, {10, 20}}}, with(0.4), {{FindingKind::OpenFigure, 1, 1, 2, 0}}},
        {"a bare surface leaning out at 60 degrees", {{{10, 0}, {10 + 17.320508f, 10}}}, with(0.4),
         {{FindingKind::Overhang, 1, 1, 2, 60}, {FindingKind::OpenFigure, 1, 1, 2, 0}}},
        {"the underside drawn as the closing segment", {{{20, 10}, {20, 12}, {0, 12}, {0, 0}, {5, 0}, {5, 10}, {20, 10}}}, with(0.4),
         {{FindingKind::Overhang, 1, 6, 7, 90}}},
        {"a cap drawn as a second figure joined to the first", {{{0, 0}, {5, 0}, {5, 10}, {20, 10}}, {{20, 10}, {20, 12}, {0, 12}}},
         with(2.5), {{FindingKind::Overhang, 1, 3, 4, 90}, {FindingKind::ThinWall, 1, 3, 4, 2}}},
        {"drawn beyond the axis: the same cap", {{{0, 0}, {-5, 0}, {-5, 10}, {-20, 10}, {-20, 12}, {0, 12}, {0, 0}}}, with(0.4),
         {{FindingKind::Overhang, 1, 3, 4, 90}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DisplayOptions options;
        FigureStore store(options);
        store.clearVertices();
        for (std::size_t i = 0; i < row.figures.size(); ++i) {
            test::addFigure(store, row.figures[i], static_cast<int>(i) + 1);
        }
        const PrintCheckReport report = printChecks(store, row.settings);
        EXPECT_TRUE(report.refusals.empty());
        ASSERT_EQ(report.findings.size(), row.findings.size());
        for (std::size_t i = 0; i < row.findings.size(); ++i) {
            SCOPED_TRACE(i);
            const Finding& f = report.findings[i];
            const Expected& e = row.findings[i];
            EXPECT_EQ(f.kind, e.kind);
            EXPECT_EQ(f.figure, e.figure);
            EXPECT_EQ(f.firstVertex, e.firstVertex);
            EXPECT_EQ(f.lastVertex, e.lastVertex);
            EXPECT_NEAR(f.value, e.value, 1e-4);
        }
    }
}
