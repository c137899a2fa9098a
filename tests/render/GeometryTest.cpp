// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "render/geometry/ScreenPoints.h"
#include "render/geometry/ViewGeometry.h"

using namespace vantor;

namespace {

ViewGeometry prepared(const DisplayOptions& o) {
    ViewGeometry g;
    g.setZoomScale(o);
    g.CalcLightCoordinates(o);
    g.PrepareViewPoint(o);
    g.prepareInclination(o);
    return g;
}

DisplayOptions factory() {
    DisplayOptions o;
    o.setFactoryValues();
    return o;
}

f32 rad(double degrees) { return toF32(degToRad(degrees)); }

}  // namespace

TEST(ViewGeometry, FactoryEyeAndLight) {
    const ViewGeometry g = prepared(factory());
    EXPECT_EQ(g.eyeDistance, 710.8417545417545) << "plain double sums land one unit in the last place below";
    EXPECT_EQ(g.eye.x, 0);
    EXPECT_NEAR(g.eye.y, 183.979, 1e-3);
    EXPECT_NEAR(g.eye.z, -686.620, 1e-3);
    EXPECT_NEAR(g.light.x, -387.731, 1e-3);
    EXPECT_NEAR(g.light.y, 548.335, 1e-3);
    EXPECT_NEAR(g.light.z, -387.731, 1e-3);
    EXPECT_DOUBLE_EQ(g.focal, 323.10988842807024);
    EXPECT_DOUBLE_EQ(g.zoomScale, 2.25);
}

TEST(ViewGeometry, FactoryProjections) {
    const ViewGeometry g = prepared(factory());
    struct Case {
        float X, Y;
        double degrees;
        int sx, sy;
    };
    for (const Case& c : {Case{0, 0, 0, 300, 200}, Case{100, 0, 0, 402, 200}, Case{100, 0, 90, 300, 177},
                          Case{100, 0, 180, 198, 200}, Case{100, 0, 270, 300, 231}, Case{0, 100, 0, 300, 97},
                          Case{0, 100, 123, 300, 97}}) {
        const Corner p = g.projectPoint(c.X, c.Y, rad(c.degrees));
        EXPECT_EQ(p.sx, c.sx) << c.X << "," << c.Y << " at " << c.degrees;
        EXPECT_EQ(p.sy, c.sy) << c.X << "," << c.Y << " at " << c.degrees;
    }
}

TEST(ViewGeometry, VertexOnTheAxisIsTheSamePointAtEveryAngle) {
    const ViewGeometry g = prepared(factory());
    const Corner first = g.projectPoint(0, 57.5f, rad(0));
    for (int deg = 0; deg <= 360; deg += 7) {
        SCOPED_TRACE(deg);
        const Corner p = g.projectPoint(0, 57.5f, rad(deg));
        EXPECT_EQ(p.x, first.x);
        EXPECT_EQ(p.y, first.y);
        EXPECT_EQ(p.z, first.z);
        EXPECT_EQ(p.sx, first.sx);
        EXPECT_EQ(p.sy, first.sy);
    }
}

TEST(ViewGeometry, ScreenOriginZoomAndInclination) {
    DisplayOptions o = factory();
    const ViewGeometry base = prepared(o);
    const Corner p = base.projectPoint(80, 40, rad(30));

    o.centerX = 250;
    o.centerY = 260;
    const Corner moved = prepared(o).projectPoint(80, 40, rad(30));
    EXPECT_EQ(moved.sx, p.sx - 50);
    EXPECT_EQ(moved.sy, p.sy + 60);

    // Upside down: mirrored through the screen origin.
    o = factory();
    o.inclin = 180;
    const Corner flipped = prepared(o).projectPoint(80, 40, rad(30));
    EXPECT_NEAR(flipped.sx, 600 - p.sx, 1);
    EXPECT_NEAR(flipped.sy, 400 - p.sy, 1);
    EXPECT_EQ(flipped.z, p.z);

    // Counter-clockwise by 90: a point right of the origin moves above it.
    o.inclin = 90;
    const Corner right = prepared(o).projectPoint(100, 0, rad(0));
    EXPECT_EQ(right.sx, 300);
    EXPECT_EQ(right.sy, 200 - 102);
}

TEST(ViewGeometry, LookingAlongTheAxisStaysDefined) {
    for (double height : {90.0, -90.0}) {
        SCOPED_TRACE(height);
        DisplayOptions o = factory();
        o.viewHeight = height;
        const ViewGeometry g = prepared(o);
        for (int deg = 0; deg < 360; deg += 45) {
            const Corner c = g.projectPoint(100, 50, rad(deg));
            EXPECT_GE(c.sx, 0);
            EXPECT_LT(c.sx, 600);
            EXPECT_GE(c.sy, 0);
            EXPECT_LT(c.sy, 400);
        }
        // Seen from straight above, a circle about the axis stays a circle
        // about the screen origin.
        const Corner a = g.projectPoint(100, 0, rad(0)), b = g.projectPoint(100, 0, rad(90));
        EXPECT_NEAR(std::hypot(a.sx - 300, a.sy - 200), std::hypot(b.sx - 300, b.sy - 200), 1.5);
    }
}

TEST(ViewGeometry, EyeDistanceOfATurnedPoint) {
    const ViewGeometry g = prepared(factory());
    for (double deg : {0.0, 90.0, 180.0, 270.0, 33.0}) {
        const Corner c = g.projectPoint(70, -35, rad(deg));
        const double expected =
            std::sqrt(c.x * c.x + (c.y - g.eye.y) * (c.y - g.eye.y) + (c.z - g.eye.z) * (c.z - g.eye.z));
        EXPECT_NEAR(g.LfromV(rad(deg), -35, 70), expected, 1e-3) << deg;
    }
    // A point and its mirror image across the plane of axis and eye.
    EXPECT_FLOAT_EQ(g.LfromV(rad(60), 10, 90), g.LfromV(rad(120), 10, 90));
}

TEST(ScreenPixel, SameAsHalfAddedAndCutTowardZero) {
    // NaN and values beyond int32 arise for points at or behind the eye.
    const double cases[] = {0,    0.49999999999999994, 0.5,  1.5,   2.5,    -0.5, -0.7, -1.4, -1.5, -1.6,  -2.7,
                            99.5, 402.27,              -2.2, 1e-300, -1e-300, 2147483646.6, -2147483647.5, 3e9,
                            -3e9, std::nan(""),        std::nextafter(0.5, 0.0), std::nextafter(-1.5, 0.0)};
    for (double v : cases) EXPECT_EQ(screenPixel(v), screenCoord(v)) << v;
    std::uint64_t state = 88172645463325252ull;
    for (int i = 0; i < 100000; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        // Halves and near-halves over the range a picture uses, and beyond.
        const double v = static_cast<double>(static_cast<std::int64_t>(state % 4000001) - 2000000) / (i % 2 ? 2 : 1024.0);
        ASSERT_EQ(screenPixel(v), screenCoord(v)) << v;
    }
}

namespace vantor {
void PrintTo(const IntPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
}  // namespace vantor

// A value decides its pixel (plus one half, cut toward zero) only when no
// value within the rounding bound lands on another.
TEST(ScreenPoints, AValueWithinTheBoundOfAPixelBoundaryIsLeftOpen) {
    struct Case {
        double q, bound;
        bool decided;
        int pixel;
    };
    const Case cases[] = {{198.4, 1e-12, true, 198},          {198.5 - 1e-10, 1e-12, true, 198},
                          {198.5 - 1e-13, 1e-12, false, 0},   {198.5 + 1e-13, 1e-12, false, 0},
                          {198.5, 0, false, 0},               {-101.3, 1e-12, true, -100},
                          {-101.7, 1e-12, true, -101},         {-0.7, 1e-12, true, 0},
                          {-1.5 + 1e-13, 1e-12, false, 0},    {1e10, 1e-12, false, 0},
                          {std::nan(""), 1e-12, false, 0}};
    for (const Case& c : cases) {
        std::int32_t pixel = 0;
        EXPECT_EQ(screen_detail::decidedPixel(c.q, c.bound, pixel), c.decided) << c.q;
        if (c.decided) {
            EXPECT_EQ(pixel, c.pixel) << c.q;
        }
    }
}

namespace {

// A view whose values land on pixel boundaries: at angle 0 a vertex (X, Y)
// has the values 300 + 0.75 X and 200 - 0.75 Y exactly, so X and Y of 2, 6,
// 10, ... give halves, where a value a hair off decides the pixel.
ViewGeometry halvingView() {
    ViewGeometry g;
    g.cosView = 1, g.sinView = 0, g.eyeDistance = 200, g.focal = 100, g.zoomScale = 1.5;
    g.cosInclin = 1, g.sinInclin = 0, g.centerX = 300, g.centerY = 200;
    return g;
}

}  // namespace

// The pixels of the faster arithmetic, one by one and a rectangle at a
// time, against projectPoint's: on near and far views, tilted, zoomed beyond
// the fast range, with the eye among the vertices, with pixels left of and
// above the picture (where cutting toward zero differs from rounding
// down), vertices on the axis, and values exactly on pixel boundaries.
// Every pixel lies in the box of its rectangle.
TEST(ScreenPoints, PixelsAreThoseOfCalcCoordi) {
    struct View {
        const char* name;
        double viewHeight, viewDist, zoom, inclin;
        int centerX, centerY;
    };
    const View views[] = {{"factory", 15, 1.2, 1.5, 0, 300, 200},     {"from above", 85, 1.2, 1.5, 0, 300, 200},
                          {"tilted and near", -40, 0.6, 3, 37, 300, 200}, {"left of the picture", 5, 2, 1, -150, -250, -90},
                          {"zoomed far out", 15, 1.2, 3e6, 0, 300, 200},  {"eye among the vertices", 0, 0.05, 1.5, 0, 300, 200},
                          {"halving", 0, 0, 0, 0, 0, 0}};
    const double degrees[] = {0, 33, 90, 181, 270, 271, -90, -93};
    std::mt19937 rng(2026);
    std::uniform_real_distribution<float> across(0, 160), along(-160, 160);
    for (const View& view : views) {
        SCOPED_TRACE(view.name);
        const bool halving = std::string(view.name) == "halving";
        DisplayOptions o = factory();
        o.viewHeight = view.viewHeight, o.viewDist = view.viewDist, o.zoom = view.zoom, o.inclin = view.inclin;
        o.centerX = view.centerX, o.centerY = view.centerY;
        const ViewGeometry g = halving ? halvingView() : prepared(o);
        std::vector<f32> xs, ys;
        for (int i = 0; i < 301; ++i) {
            if (halving) {
                xs.push_back(static_cast<f32>(2 + 4 * (i % 17))), ys.push_back(static_cast<f32>(2 + 4 * (i / 17)));
            } else {
                xs.push_back(i % 8 == 0 ? 0.0f : across(rng)), ys.push_back(along(rng));
            }
        }
        const f32 x0 = *std::min_element(xs.begin(), xs.end()), x1 = *std::max_element(xs.begin(), xs.end());
        const f32 y0 = *std::min_element(ys.begin(), ys.end()), y1 = *std::max_element(ys.begin(), ys.end());
        for (double deg : degrees) {
            SCOPED_TRACE(deg);
            const ScreenTurn a(g, TurnAngle::fromDegrees(deg)), b(g, TurnAngle::fromDegrees(deg + 3));
            ScreenBox box;
            const bool bounded = screenBoxOf(a.span(x0, x1, y0, y1), b.span(x0, x1, y0, y1), g, box);
            std::vector<IntPoint> group(xs.size());
            if (bounded) a.pixels(box, xs.data(), ys.data(), static_cast<int>(xs.size()), group.data());
            for (std::size_t i = 0; i < xs.size(); ++i) {
                const Corner c = g.projectPoint(xs[i], ys[i], TurnAngle::fromDegrees(deg));
                const IntPoint expected{c.sx, c.sy};
                ASSERT_EQ(a.pixel(xs[i], ys[i]), expected) << xs[i] << "," << ys[i];
                if (!bounded) continue;
                ASSERT_EQ(group[i], expected) << xs[i] << "," << ys[i];
                for (const IntPoint p : {expected, b.pixel(xs[i], ys[i])}) {
                    ASSERT_TRUE(p.x >= box.x0 && p.x <= box.x1 && p.y >= box.y0 && p.y <= box.y1)
                        << xs[i] << "," << ys[i] << " at " << p.x << "," << p.y;
                }
            }
        }
    }
}
