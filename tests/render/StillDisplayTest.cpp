// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "support/PlainStillDisplay.h"
#include "support/Profiles.h"
#include "render/still/StillDisplay.h"

using namespace vantor;
using vantor::test::addFigure;
using vantor::test::Profile;

namespace {

struct Scene {
    DisplayOptions options;
    FigureStore store{options};
    Scene() {
        options.setFactoryValues();
        store.clearVertices();
        store.resetFigureTable();
    }
    // Figure f drawn by `method` in its own tint.
    void add(const Profile& p, int f, int method, double tintG = 1.0) {
        addFigure(store, p, f);
        FigureRecord& r = store.slot(f);
        r.method = static_cast<std::uint8_t>(method);
        r.methodFixed = 1;
        r.tintG = tintG;
        r.tintFixed = 1;
    }
};

PixelFormat formatOf(ColourPath path) { return path == ColourPath::Palette ? PixelFormat::Indexed8 : PixelFormat::Rgb32; }
const char* nameOf(ColourPath path) { return path == ColourPath::Palette ? "palette" : "true colour"; }

// First differing pixel, or "" when the pictures are the same.
std::string difference(const Bitmap& a, const Bitmap& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.rawPixel(x, y) != b.rawPixel(x, y))
                return std::to_string(x) + "," + std::to_string(y) + ": " + std::to_string(a.rawPixel(x, y)) + " vs " +
                       std::to_string(b.rawPixel(x, y));
    if (a.format() == PixelFormat::Indexed8)
        for (int i = 0; i < 202; ++i)
            if (!(a.colorTableEntry(i) == b.colorTableEntry(i))) return "palette entry " + std::to_string(i);
    return "";
}

int countPixels(const Bitmap& b, std::uint32_t raw) {
    int n = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) n += b.rawPixel(x, y) == raw;
    return n;
}

Profile cone() { return {{0, 90}, {70, -40}, {70, -60}, {0, -60}}; }

using Order = StillDisplay::ElementOrder;
const char* nameOf(Order order) { return order == Order::NearFirst ? " near first" : " far first"; }

// A small picture with distinct pixels, stretched behind the solid.
Bitmap backgroundImage() {
    Bitmap image(7, 5, PixelFormat::Rgb32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) image.setRawPixel(x, y, static_cast<std::uint32_t>(0x102030 + 0x0B0503 * (x + 7 * y)));
    return image;
}

// Both element orders against the plain algorithm on one scene, with and
// without a background image; returns the first difference found.
std::string compareWithPlain(const Scene& s, ColourPath path) {
    const Bitmap image = backgroundImage();
    for (const Bitmap* background : {static_cast<const Bitmap*>(nullptr), &image}) {
        Bitmap plain(600, 400, formatOf(path));
        std::vector<int> plainProgress;
        test::plainStillDisplay(s.store, s.options, plain, path, &plainProgress, background);
        for (Order order : {Order::FarFirst, Order::NearFirst}) {
            Bitmap fast(600, 400, formatOf(path));
            std::vector<int> fastProgress;
            StillDisplay still(s.store, s.options, fast, path);
            still.run(background, [&](int p) { fastProgress.push_back(p); }, order);
            const std::string where = std::string(nameOf(path)) + nameOf(order) +
                                      (background ? " over an image" : "");
            const std::string d = difference(fast, plain);
            if (!d.empty()) return where + ": " + d;
            if (fastProgress != plainProgress) return where + ": progress differs";
        }
    }
    return "";
}

}  // namespace

// The fast pass (sorted in O(n log n), each vertex transformed once per
// angle, the direct writers, painted far first or claimed near first)
// against the plain algorithm, on profiles with and without equal
// distances, with every method, both colour paths and both loop orders.
TEST(StillDisplay, SamePictureAsThePlainAlgorithm) {
    struct Case {
        const char* name;
        double viewHeight;
        int unitAngle;
        double inclin;
        double zoom;
    };
    const Case cases[] = {{"factory", 15, 3, 0, 1.5},   {"from above", 80, 10, 0, 1.5}, {"from below", -85, 15, 0, 1.5},
                          {"tilted", 79.9, 45, 30, 1.0}, {"close", 45, 5, -120, 3.0}};
    for (ColourPath path : {ColourPath::TrueColour, ColourPath::Palette}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Scene s;
            s.options.viewHeight = c.viewHeight;
            s.options.unitAngle = c.unitAngle;
            s.options.inclin = c.inclin;
            s.options.zoom = c.zoom;
            s.options.backR = 0;
            s.options.backG = 40;
            s.options.backB = 80;
            s.add(test::vaseProfile(30), 1, 2, 0.8);
            s.add(test::repeatedProfile(13), 2, 3, 0.5);
            s.add(test::repeatedProfile(13), 3, 1);  // the same segments: equal distances
            s.add(cone(), 4, 3);
            s.add({{0, -100}, {0, 120}}, 5, 2);  // on the axis: no normal
            s.add({{30, 0}, {30, 0}}, 6, 2);     // a segment of no length
            s.add({{150, 150}}, 7, 2);           // a single vertex draws nothing
            EXPECT_EQ(compareWithPlain(s, path), "");
        }
    }
}

// Random profiles and views (seeded): figures of every method, unknown
// methods, vertices on the axis, repeated vertices, parts off the bitmap,
// near and far views, both loop orders.
TEST(StillDisplay, SamePictureAsThePlainAlgorithmOnRandomScenes) {
    std::mt19937 rng(20261207);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const int units[] = {5, 6, 9, 10, 15, 18, 30, 45};
    const double heights[] = {-90, -80, -79.9, 0, 15, 60, 79.9, 80, 90};
    for (int round = 0; round < 16; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        Scene s;
        s.options.unitAngle = units[pick(8)];
        s.options.viewHeight = round % 2 ? heights[pick(9)] : uniform(-90, 90);
        s.options.viewDist = uniform(0.3, 2.5);
        s.options.zoom = uniform(0.5, 4.0);
        s.options.inclin = pick(3) == 0 ? 0 : uniform(-180, 180);
        s.options.centerX = 300 + pick(301) - 150;
        s.options.centerY = 200 + pick(201) - 100;
        s.options.lightDirH = uniform(0, 360);
        s.options.lightDirV = uniform(-90, 90);
        s.options.lightDistRate = uniform(1.5, 5);
        s.options.updateLightDist();
        s.options.bright = uniform(200, 3000);
        s.options.backR = static_cast<std::uint8_t>(pick(256));
        const int figures = 1 + pick(4);
        for (int f = 1; f <= figures; ++f) {
            Profile p;
            const int vertices = 1 + pick(24);
            for (int v = 0; v < vertices; ++v) {
                if (v > 0 && pick(8) == 0) p.push_back(p.back());  // a segment of no length
                const float x = pick(6) == 0 ? 0.0f : static_cast<float>(uniform(0, 160));
                p.emplace_back(x, static_cast<float>(uniform(-160, 160)));
            }
            const int methods[] = {1, 2, 3, 0, 7};
            s.add(p, f, methods[pick(5)], uniform(0.2, 1.0));
        }
        const ColourPath path = round % 4 >= 2 ? ColourPath::Palette : ColourPath::TrueColour;
        EXPECT_EQ(compareWithPlain(s, path), "");
    }
}

// The near-first pass shades only what shows: every pixel is written at
// most once, and on a detailed profile most elements are left unshaded.
TEST(StillDisplay, NearFirstShadesOnlyElementsThatOwnPixels) {
    Scene s;
    s.add(test::vaseProfile(400), 1, 3);
    Bitmap b(600, 400, PixelFormat::Rgb32);
    StillDisplay still(s.store, s.options, b, ColourPath::TrueColour);
    still.run(nullptr, {}, Order::FarFirst);
    const StillDisplay::PassCounts far = still.lastPass();
    still.run(nullptr, {}, Order::NearFirst);
    const StillDisplay::PassCounts near = still.lastPass();
    EXPECT_EQ(far.elements, 2u * 399 * StillDisplay::stepCount(3));
    EXPECT_EQ(near.elements, far.elements);
    EXPECT_EQ(far.elementsShaded, far.elements);
    EXPECT_LT(near.elementsShaded * 2, near.elements);
    EXPECT_LE(near.pixelsWritten, 600u * 400u);
    EXPECT_LT(near.pixelsWritten * 4, far.pixelsWritten);
}

TEST(StillDisplay, FewerThanTwoVerticesDrawOnlyTheBackground) {
    for (ColourPath path : {ColourPath::TrueColour, ColourPath::Palette}) {
        for (int vertices : {0, 1}) {
            SCOPED_TRACE(std::string(nameOf(path)) + (vertices ? ", one vertex" : ", no vertex"));
            Scene s;
            s.options.backR = 10;
            s.options.backG = 20;
            s.options.backB = 30;
            if (vertices == 1) s.add({{50, 0}}, 1, 2);
            Bitmap b(600, 400, formatOf(path));
            StillDisplay still(s.store, s.options, b, path);
            std::vector<int> progress;
            still.run(nullptr, [&](int p) { progress.push_back(p); });
            EXPECT_TRUE(progress.empty());
            const std::uint32_t back = path == ColourPath::Palette ? 201u : 0x0A141Eu;
            EXPECT_EQ(countPixels(b, back), 600 * 400);
            EXPECT_EQ(b.pixelColor(0, 0), rgb(10, 20, 30));
        }
    }
}

TEST(StillDisplay, TwoVerticesDrawTheirSegment) {
    Scene s;
    s.add({{80, -50}, {80, 50}}, 1, 2);
    Bitmap b(600, 400, PixelFormat::Rgb32);
    StillDisplay still(s.store, s.options, b, ColourPath::TrueColour);
    still.run();
    EXPECT_EQ(still.order.segmentCount(), 1);
    EXPECT_LT(countPixels(b, 0), 600 * 400 - 5000) << "a cylinder is drawn";
    EXPECT_NE(b.pixelColor(300, 200), rgb(0, 0, 0)) << "its near side covers the origin";
}

TEST(StillDisplay, LoopOrderFollowsTheViewHeight) {
    struct Case {
        double viewHeight;
        bool segmentMajor;
    };
    for (const Case& c : {Case{80, true}, Case{-80, true}, Case{79.9, false}, Case{-79.9, false}, Case{90, true}}) {
        Scene s;
        s.options.viewHeight = c.viewHeight;
        s.options.unitAngle = 45;
        s.add(test::vaseProfile(5), 1, 2);  // four segments
        Bitmap b(600, 400, PixelFormat::Rgb32);
        StillDisplay still(s.store, s.options, b, ColourPath::TrueColour);
        std::vector<int> progress;
        still.run(nullptr, [&](int p) { progress.push_back(p); });
        if (c.segmentMajor) EXPECT_EQ(progress, (std::vector<int>{135, 180, 225, 270})) << c.viewHeight;
        else EXPECT_EQ(progress, (std::vector<int>{90, 135, 180, 225, 270})) << c.viewHeight;
    }
}

// Every menu step divides 180, so the last step starts at 270; the table of
// a step follows its first angle (90 degrees up to 179, 180 up to 209, then
// 270). With 45 degrees: five steps, tables 1, 1, 2, 3, 3.
TEST(StillDisplay, StepsAndTheirOrderTables) {
    for (int unit : {1, 2, 3, 5, 6, 9, 10, 15, 18, 30, 45}) {
        const int steps = StillDisplay::stepCount(unit);
        EXPECT_EQ(90 + (steps - 1) * unit, 270) << unit;
    }
    EXPECT_EQ(StillDisplay::stepCount(45), 5);
    std::vector<int> tables;
    for (int k = 0; k < 5; ++k) tables.push_back(DepthOrder::tableForStep(90 + 45 * k));
    EXPECT_EQ(tables, (std::vector<int>{1, 1, 2, 3, 3}));
    struct Case {
        int e, table;
    };
    for (const Case& c : {Case{179, 1}, Case{180, 2}, Case{209, 2}, Case{210, 3}})
        EXPECT_EQ(DepthOrder::tableForStep(c.e), c.table) << c.e;
}

TEST(StillDisplay, WireframeLinesTakeTheColourOfTheirMidpoints) {
    Scene s;
    s.options.unitAngle = 90;
    s.add({{100, 0}, {100, 60}}, 1, 1);
    Bitmap b(600, 400, PixelFormat::Rgb32);
    StillDisplay still(s.store, s.options, b, ColourPath::TrueColour);
    still.run();
    // At the last step (e = 270, the near side) the profile edge runs
    // straight up the screen; away from its ends, where the chords start, it
    // shows the colour of its own midpoint.
    const Corner p1 = still.geometry.projectPoint(100, 0, TurnAngle::fromDegrees(270));
    const Corner p2 = still.geometry.projectPoint(100, 60, TurnAngle::fromDegrees(270));
    ASSERT_EQ(p1.sx, p2.sx);
    const ShadeContext ctx = still.shadeContext();
    const TColor edge = fullColor(ctx.intensity(midpoint(p1, p2)), {1, 1, 1});
    EXPECT_EQ(b.pixelColor(p1.sx, (p1.sy + p2.sy) / 2), edge);
    // The chord of vertex 1 from 270 toward 180 (the mirrored half of the
    // last step) is drawn last from that vertex.
    const Corner p3 = still.geometry.projectPoint(100, 0, TurnAngle::fromDegrees(-180));
    EXPECT_EQ(b.pixelColor(p1.sx, p1.sy), fullColor(ctx.intensity(midpoint(p1, p3)), {1, 1, 1}));
    EXPECT_NE(edge, fullColor(ctx.intensity(midpoint(p1, p3)), {1, 1, 1}));
}

TEST(StillDisplay, ABackgroundImageReplacesTheBackgroundColour) {
    Scene s;
    s.options.backR = 200;
    Bitmap image(2, 2, PixelFormat::Rgb32);
    image.setRawPixel(0, 0, 0x112233);
    image.setRawPixel(1, 1, 0x445566);
    Bitmap b(600, 400, PixelFormat::Rgb32);
    StillDisplay still(s.store, s.options, b, ColourPath::TrueColour);
    still.run(&image);
    EXPECT_EQ(b.rawPixel(0, 0), 0x112233u);
    EXPECT_EQ(b.rawPixel(599, 399), 0x445566u);
}

TEST(StillDisplay, FigureNumbersOutsideTheTableUseTheDefaults) {
    Scene s;
    s.options.defaultMethod = 1;
    s.add({{80, -50}, {80, 50}}, 1, 2);
    s.store.figure(1) = 99999;
    Bitmap b(600, 400, PixelFormat::Rgb32);
    StillDisplay still(s.store, s.options, b, ColourPath::TrueColour);
    still.run();
    EXPECT_EQ(still.figureOf(1).method, 1);
    EXPECT_EQ(still.figureOf(1).tintR, 1.0);
    EXPECT_NE(countPixels(b, 0), 600 * 400) << "drawn as wireframe, not skipped";
}

TEST(CalcNormalRate, FollowsTheLightAngleAndTreatsElementsWithoutANormalAsLit) {
    const Vec3 eye{0, 0, -1000};
    auto corner = [](double x, double y, double z) { return Corner{x, y, z, 0, 0}; };
    // A face in the plane z = 0 facing the eye; light straight in front.
    const ElementCorners flat{corner(0, 0, 0), corner(0, 10, 0), corner(10, 0, 0), corner(10, 10, 0)};
    const Vec3 g = centreOf(flat);
    EXPECT_NEAR(calcNormalRate(flat, g, eye, Vec3{g.x, g.y, -500}), 1, 1e-12);
    // The light in the face's plane: edge-on.
    EXPECT_NEAR(calcNormalRate(flat, g, eye, Vec3{500, g.y, 0}), 0, 1e-12);
    // The light behind the face as the eye sees it.
    EXPECT_NEAR(calcNormalRate(flat, g, eye, Vec3{g.x, g.y, 500}), -1, 1e-12);

    // P1 = P2: a segment of no length is fully lit.
    const ElementCorners point{corner(5, 5, 5), corner(5, 5, 5), corner(6, 5, 5), corner(6, 5, 5)};
    EXPECT_EQ(calcNormalRate(point, centreOf(point), eye, Vec3{0, 0, 500}), 1);

    // Vertex i on the axis (P1 = P3): the triangle P1 P2 P4. A light along
    // the triangle's normal gives 1, one in its plane 0.
    const ElementCorners tri{corner(0, 50, 0), corner(40, 0, -10), corner(0, 50, 0), corner(38, 0, -18)};
    const Vec3 gt = centreOf(tri);
    const double ax = 40, ay = -50, az = -10, bx = 38, by = -50, bz = -18;  // P2 - P1, P4 - P1
    Vec3 n{ay * bz - az * by, az * bx - ax * bz, ax * by - ay * bx};
    const double len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    n = Vec3{n.x / len, n.y / len, n.z / len};
    if (n.x * (eye.x - gt.x) + n.y * (eye.y - gt.y) + n.z * (eye.z - gt.z) < 0) n = Vec3{-n.x, -n.y, -n.z};
    EXPECT_NEAR(calcNormalRate(tri, gt, eye, Vec3{gt.x + 300 * n.x, gt.y + 300 * n.y, gt.z + 300 * n.z}), 1, 1e-9);
    EXPECT_NEAR(calcNormalRate(tri, gt, eye, Vec3{gt.x + 300 * ax, gt.y + 300 * ay, gt.z + 300 * az}), 0, 1e-9);

    // Both vertices on the axis: no normal; treated as fully lit.
    const ElementCorners axis{corner(0, 0, 0), corner(0, 10, 0), corner(0, 0, 0), corner(0, 10, 0)};
    EXPECT_EQ(calcNormalRate(axis, centreOf(axis), eye, Vec3{0, 0, 500}), 1);
}

TEST(StillDisplay, AFaceTurnedFromTheLightIsDrawnDark) {
    // Seen from the front with the light straight behind the solid: the
    // faces the eye sees are turned away and lose up to 150; a dim light
    // leaves them at 0, the darkest colour, never brighter.
    for (ColourPath path : {ColourPath::TrueColour, ColourPath::Palette}) {
        SCOPED_TRACE(nameOf(path));
        Scene s;
        s.options.lightDirH = 90;
        s.options.lightDirV = 0;
        s.options.viewHeight = 0;
        s.options.bright = 300;
        s.options.backR = 255;
        s.add({{100, -80}, {100, 80}}, 1, 2);
        Bitmap b(600, 400, formatOf(path));
        StillDisplay still(s.store, s.options, b, path);
        still.run();
        EXPECT_EQ(b.pixelColor(300, 200), rgb(0, 0, 0));
    }
}

namespace {

// The near-first pass on `threads` threads, with its progress positions.
Bitmap threadedPicture(const Scene& s, ColourPath path, int threads, std::vector<int>& progress, int width = 600,
                       int height = 400) {
    Bitmap b(width, height, formatOf(path));
    StillDisplay still(s.store, s.options, b, path);
    still.setThreads(threads);
    still.run(nullptr, [&](int p) { progress.push_back(p); });
    return b;
}

// Every thread count against one thread: same pixels, same progress.
std::string compareThreads(const Scene& s, ColourPath path, int width = 600, int height = 400) {
    std::vector<int> oneProgress;
    const Bitmap one = threadedPicture(s, path, 1, oneProgress, width, height);
    for (int threads : {2, 3, 7}) {
        std::vector<int> progress;
        const Bitmap many = threadedPicture(s, path, threads, progress, width, height);
        const std::string where = std::string(nameOf(path)) + ", " + std::to_string(threads) + " threads";
        const std::string d = difference(many, one);
        if (!d.empty()) return where + ": " + d;
        if (progress != oneProgress) return where + ": progress differs";
    }
    return "";
}

}  // namespace

// Bands of rows drawn on their own threads give the single thread's
// picture: every method, both colour paths, both loop orders (the
// segment-major one shares its table of angles between the threads), and
// pictures whose height is no multiple of the stripe.
TEST(StillDisplayThreads, SamePictureAsOneThread) {
    struct Case {
        const char* name;
        double viewHeight;
        int unitAngle;
        int width;
        int height;
    };
    const Case cases[] = {{"factory", 15, 3, 600, 400},
                          {"from above", 85, 10, 600, 400},
                          {"from below", -80, 5, 600, 400},
                          {"odd size", 30, 6, 333, 101},
                          {"fewer rows than threads", 0, 15, 50, 2}};
    for (ColourPath path : {ColourPath::TrueColour, ColourPath::Palette}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Scene s;
            s.options.viewHeight = c.viewHeight;
            s.options.unitAngle = c.unitAngle;
            s.add(test::vaseProfile(40), 1, 2, 0.8);
            s.add(test::repeatedProfile(13), 2, 3, 0.5);
            s.add(cone(), 3, 1);
            s.add({{0, -100}, {0, 120}}, 4, 2);
            EXPECT_EQ(compareThreads(s, path, c.width, c.height), "");
        }
    }
}

TEST(StillDisplayThreads, SamePictureAsOneThreadOnRandomScenes) {
    std::mt19937 rng(7122026);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const int units[] = {3, 5, 10, 15, 30};
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        Scene s;
        s.options.unitAngle = units[pick(5)];
        s.options.viewHeight = round % 3 == 0 ? 80 + uniform(0, 10) : uniform(-90, 90);
        s.options.zoom = uniform(0.5, 4.0);
        s.options.inclin = pick(2) == 0 ? 0 : uniform(-180, 180);
        s.options.centerX = 300 + pick(301) - 150;
        s.options.centerY = 200 + pick(201) - 100;
        s.options.lightDirH = uniform(0, 360);
        s.options.lightDirV = uniform(-90, 90);
        for (int f = 1; f <= 1 + pick(3); ++f) {
            Profile p;
            for (int v = 0, n = 2 + pick(40); v < n; ++v)
                p.emplace_back(pick(6) == 0 ? 0.0f : static_cast<float>(uniform(0, 160)), static_cast<float>(uniform(-160, 160)));
            const int methods[] = {1, 2, 3};
            s.add(p, f, methods[pick(3)], uniform(0.2, 1.0));
        }
        EXPECT_EQ(compareThreads(s, round % 2 ? ColourPath::Palette : ColourPath::TrueColour), "");
    }
}

// Profiles of many vertices to a pixel, where most elements of a step have
// the same screen corners as a neighbour and only the first of them in the
// near-first order may be drawn: a surface, its vertices again as lines
// (same corners, other strokes) and a mesh, in both loop orders, on both
// colour paths and one and two threads, against the painter's order. A
// tilted picture keeps the two halves of a step from being mirror images
// pixel for pixel.
TEST(StillDisplay, NearFirstOnDenseProfilesGivesThePaintersPicture) {
    Profile inner = test::vaseProfile(1200);
    for (auto& [x, y] : inner) x *= 0.5f, y *= 0.8f;
    struct Case {
        int unit;
        double viewHeight, inclin;
    };
    for (const Case c : {Case{3, 15, 0}, Case{1, 15, 20}, Case{3, 85, 30}}) {
        for (ColourPath path : {ColourPath::TrueColour, ColourPath::Palette}) {
            SCOPED_TRACE(std::string(nameOf(path)) + ", unit angle " + std::to_string(c.unit) + ", view height " +
                         std::to_string(c.viewHeight));
            Scene s;
            s.options.unitAngle = c.unit;
            s.options.viewHeight = c.viewHeight;
            s.options.inclin = c.inclin;
            s.add(test::vaseProfile(1500), 1, 2, 0.8);
            s.add(test::vaseProfile(1500), 2, 1, 0.5);
            s.add(inner, 3, 3);
            Bitmap painted(600, 400, formatOf(path));
            StillDisplay still(s.store, s.options, painted, path);
            still.run(nullptr, {}, Order::FarFirst);
            for (int threads : {1, 2}) {
                std::vector<int> progress;
                EXPECT_EQ(difference(threadedPicture(s, path, threads, progress), painted), "") << threads << " threads";
            }
        }
    }
}
