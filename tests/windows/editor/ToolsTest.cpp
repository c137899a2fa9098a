// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing tools, driven by press, move and release on sheet pixels.
#include <cmath>

#include "support/EditorHarness.h"

namespace vantor::test {
namespace {

using EditorTools = EditorTest;

TEST_F(EditorTools, LineIsSubdividedByTheNearestWholeNumberOfSpacings) {
    struct Case {
        const char* name;
        const char* spacing;
        int length;
        int steps;
    } cases[] = {
        {"4.6 steps", "5", 23, 5},
        {"2.5: halves go to the even 2", "10", 25, 2},
        {"3.5 -> 4", "10", 35, 4},
        {"2.5 -> 2 at spacing 2", "2", 5, 2},
        {"never fewer than one step", "5", 2, 1},
        {"a click: two equal vertices", "5", 0, 1},
    };
    freePlacement();
    choose(ed().spbLine);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setSpacing(c.spacing);
        const int before = store().VertexCount;
        drag(at(10, 20), at(10 + c.length, 20));
        const Figure f = figures().back();
        ASSERT_EQ(store().VertexCount - before, c.steps + 1);
        for (int j = 0; j <= c.steps; ++j)
            EXPECT_NEAR(f[static_cast<std::size_t>(j)].first, 10 + j * float(c.length) / c.steps, 1e-4);
    }
}

TEST_F(EditorTools, VerticalAndHorizontalLinesKeepTheStartColumnOrRow) {
    choose(ed().spbVertical);
    drag(at(50, 0), at(70, 30));
    expectFigure(figures().back(), {{50, 0}, {50, 5}, {50, 10}, {50, 15}, {50, 20}, {50, 25}, {50, 30}});
    choose(ed().spbHorizontal);
    drag(at(50, 0), at(60, 30));
    expectFigure(figures().back(), {{50, 0}, {55, 0}, {60, 0}});
}

// The click that activates the window can be delivered before the
// activation itself; the stroke it starts must not be dropped.
TEST_F(EditorTools, ActivationDuringADragKeepsTheGesture) {
    choose(ed().spbLine);
    press(at(10, 0));
    ed().activate();
    move(at(30, 0));
    release(at(30, 0));
    ASSERT_EQ(figures().size(), 1u);
    EXPECT_EQ(figures()[0].back(), Vertex(30, 0));
}

TEST_F(EditorTools, RubberBandIsNotXorGreenAndErasedByTheNextMove) {
    freePlacement();
    choose(ed().spbLine);
    press({200, 50});
    move({250, 50});
    const TColor band = rgb(0x3F, 0xBF, 0x3F);  // NOT(dark green XOR silver)
    EXPECT_EQ(pixel({220, 50}), band);
    move({200, 90});
    EXPECT_EQ(pixel({220, 50}), colors::Silver);
    EXPECT_EQ(pixel({200, 70}), band);
    release({200, 90});
    EXPECT_EQ(pixel({200, 70}), colors::Black);  // the committed line
}

TEST_F(EditorTools, CirclesAndEllipsesHaveAVertexEverySpacing) {
    struct Case {
        const char* name;
        SpeedButton EditorWindow::*tool;
        IntPoint corner;  // the centre is at data (100, 0)
        int vertices;
        const char* spacing = "5";
    } cases[] = {
        {"circle of radius 50: 4 x Round(15.71)", &EditorWindow::spbCircle, at(50, 0), 65},
        {"circle of radius 10: the minimum of 12 segments", &EditorWindow::spbCircle, at(110, 0), 13},
        {"the larger extent wins: radius 30", &EditorWindow::spbCircle, at(90, -30), 4 * 9 + 1},
        {"ellipse of semi-axes 30 and 10: 4 x Round(6.28)", &EditorWindow::spbEllipse, at(70, -10), 25},
        {"spacing 10: 4 x Round(1.57) = 8 is raised to 12", &EditorWindow::spbCircle, at(110, 0), 13, "10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setSpacing(c.spacing);
        choose(ed().*c.tool);
        const int before = store().VertexCount;
        drag(at(100, 0), c.corner);
        ASSERT_EQ(store().VertexCount - before, c.vertices);
        const Figure f = figures().back();
        EXPECT_NEAR(f.front().first, f.back().first, 1e-3) << "closed";
        EXPECT_NEAR(f.front().second, f.back().second, 1e-3);
        EXPECT_LT(f.front().first, 100) << "starts on the side of the axis";
        EXPECT_GT(f[1].second, 0) << "runs upwards first";
    }
}

TEST_F(EditorTools, DegenerateShapesMakeNoFigure) {
    choose(ed().spbEllipse);
    drag(at(100, 0), at(140, 0));
    choose(ed().spbCircle);
    click(at(100, 0));
    choose(ed().spbRectangle);
    drag(at(100, 0), at(100, 40));
    EXPECT_EQ(store().VertexCount, 0);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(EditorTools, CircleCentredOnTheAxisBecomesAHalfCircle) {
    choose(ed().spbCircle);
    drag(at(0, 0), at(50, 0));
    const Figure f = figures().back();
    ASSERT_EQ(f.size(), 33u);
    EXPECT_EQ(f.front().first, 0);
    EXPECT_NEAR(f.front().second, 50, 1e-4);
    EXPECT_EQ(f.back().first, 0);
    EXPECT_NEAR(f.back().second, -50, 1e-4);
    for (const Vertex& v : f) EXPECT_GE(v.first, 0);
    EXPECT_NEAR(f[16].first, 50, 1e-3);  // the far side
    EXPECT_NEAR(f[16].second, 0, 1e-3);
}

TEST_F(EditorTools, CircleReachingPastTheAxisIsCutThere) {
    choose(ed().spbCircle);
    drag(at(30, 0), at(80, 0));  // radius 50 about x 30
    const Figure f = figures().back();
    const float rise = 50 * std::sin(std::acos(30.0f / 50));
    EXPECT_EQ(f.front().first, 0);
    EXPECT_NEAR(f.front().second, rise, 1e-4);
    EXPECT_EQ(f.back().first, 0);
    EXPECT_NEAR(f.back().second, -rise, 1e-4);
    for (const Vertex& v : f) EXPECT_GE(v.first, 0);
}

TEST_F(EditorTools, RectangleTouchingTheAxisStaysOpenAlongIt) {
    choose(ed().spbRectangle);
    drag(at(0, 0), at(20, 10));
    Figure f = figures().back();
    ASSERT_EQ(f.size(), 11u);  // 4 + 2 + 4 steps, no side on the axis
    EXPECT_EQ(f.front(), Vertex(0, 0));
    EXPECT_EQ(f[4], Vertex(20, 0));
    EXPECT_EQ(f[6], Vertex(20, 10));
    EXPECT_EQ(f.back(), Vertex(0, 10));

    drag(at(20, 30), at(0, 40));  // ending on the axis: starts there
    f = figures().back();
    ASSERT_EQ(f.size(), 11u);
    EXPECT_EQ(f.front(), Vertex(0, 40));
    EXPECT_EQ(f.back(), Vertex(0, 30));

    drag(at(40, 0), at(20, 10));  // away from the axis: closed
    f = figures().back();
    ASSERT_EQ(f.size(), 13u);
    EXPECT_EQ(f.front(), f.back());
}

TEST_F(EditorTools, FreeCurveIsSmoothedAlongTheCurve) {
    struct Case {
        const char* name;
        std::vector<int> samples;
        int end;
        Figure expected;
    } cases[] = {
        {"samples at the spacing", {3, 6, 9}, 15, {{0, 0}, {3, 0}, {7, 0}, {11, 0}, {15, 0}}},
        {"each step starts from the vertex the step before rewrote", {4, 7, 10}, 16,
         {{0, 0}, {10 / 3.0f, 0}, {10 / 3.0f + 38 / 9.0f, 0}, {10 / 3.0f + 76 / 9.0f, 0}, {16, 0}}},
    };
    freePlacement();
    setSpacing("3");
    choose(ed().spbFreeLine);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        press(at(0, 0));
        for (int x : c.samples) move(at(x, 0));
        release(at(c.end, 0));
        expectFigure(figures().back(), c.expected);
    }
}

TEST_F(EditorTools, FreeCurveSampling) {
    freePlacement();
    choose(ed().spbFreeLine);
    // Spacing 20 or more keeps the samples as they are.
    ed().mnND20.click();
    press(at(0, 0));
    for (int x : {10, 20, 30, 40, 60}) move(at(x, 0));
    release(at(95, 0));
    expectFigure(figures().back(), {{0, 0}, {20, 0}, {40, 0}, {60, 0}, {95, 0}});

    // A release close to the last sample replaces it.
    ed().mnND5.click();
    press(at(0, 30));
    move(at(5, 30));
    move(at(10, 30));
    release(at(11, 30));
    expectFigure(figures().back(), {{0, 30}, {5, 30}, {11, 30}});

    // A click makes no figure.
    const int before = store().VertexCount;
    click(at(50, 50));
    EXPECT_EQ(store().VertexCount, before);
}

// A long drag at spacing 1 fills the buffer: sampling stops, the curve is
// committed whole, and the next figure meets the vertex limit.
TEST_F(EditorTools, FreeCurveStopsAtCapacityAndTheLimitRefusesMore) {
    freePlacement();
    setSpacing("1");
    choose(ed().spbFreeLine);
    press({100, 100});
    for (int i = 0; i < 12000; ++i) move({100 + (i % 2 == 0 ? 1 : 0), 100});
    release({150, 100});
    EXPECT_EQ(store().VertexCount, MaxVertices);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(store().x(MaxVertices), EditorWindow::sheetToDataX(150));

    store().DataEdited = 0;
    choose(ed().spbLine);
    drag(at(10, 10), at(10, 20));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "頂点が多すぎます。\r先に、どれかの図形を削除して\r描きなおしてください");
    EXPECT_EQ(desktop.messages[0].icon, MsgIcon::Error);
    EXPECT_EQ(store().VertexCount, MaxVertices);
    EXPECT_EQ(store().HighestFigure, 1) << "no figure number is taken";
    EXPECT_EQ(store().DataEdited, 1);
}

// A drag far outside the sheet at spacing 1 needs more vertices than the
// buffer holds: the figure is refused whole, nothing is committed in part.
TEST_F(EditorTools, OversizedDrawingIsRefusedWhole) {
    freePlacement();
    setSpacing("1");
    choose(ed().spbRectangle);
    drag({300, 100}, {-4000, 2000});
    EXPECT_EQ(store().VertexCount, 0);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, EditorWindow::TooManyVerticesText);
}

}  // namespace
}  // namespace vantor::test
