// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <set>
#include <utility>

#include "platform/pixels/Canvas.h"

namespace vantor {
namespace {

using Pixels = std::set<std::pair<int, int>>;

// Pixels whose raw value is not 0.
Pixels lit(const Bitmap& b) {
    Pixels out;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.rawPixel(x, y) != 0) out.insert({x, y});
    return out;
}

Pixels box(int l, int t, int r, int b) {
    Pixels out;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x) out.insert({x, y});
    return out;
}

// Pen and brush both white, so fill and outline show in lit().
Canvas whiteCanvas(Bitmap& b) {
    Canvas c(b);
    c.pen.color = colors::White;
    return c;
}

std::vector<std::uint32_t> raws(const Bitmap& b) {
    std::vector<std::uint32_t> out;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) out.push_back(b.rawPixel(x, y));
    return out;
}

Pixels lineSet(IntPoint a, IntPoint b, int w = 40, int h = 40) {
    Bitmap bmp(w, h, PixelFormat::Rgb32);
    Canvas c(bmp);
    c.pen.color = colors::White;
    c.moveTo(a.x, a.y);
    c.lineTo(b.x, b.y);
    return lit(bmp);
}

TEST(CanvasLine, EndPointExcludedInEveryOctantAndSameInteriorBothWays) {
    const IntPoint a{20, 20};
    for (IntPoint d : {IntPoint{7, 3}, {3, 7}, {-3, 7}, {-7, 3}, {-7, -3}, {-3, -7}, {3, -7}, {7, -3}, {9, 0},
                       {0, 9}, {-9, 0}, {0, -9}, {5, 5}, {-5, 5}, {5, -5}, {-5, -5}, {6, 3}, {3, -6}}) {
        SCOPED_TRACE(testing::Message() << "d=" << d.x << "," << d.y);
        const IntPoint b{a.x + d.x, a.y + d.y};
        Pixels forward = lineSet(a, b), backward = lineSet(b, a);
        EXPECT_EQ(forward.size(), static_cast<std::size_t>(std::max(std::abs(d.x), std::abs(d.y))));
        EXPECT_TRUE(forward.count({a.x, a.y}));
        EXPECT_FALSE(forward.count({b.x, b.y}));
        forward.insert({b.x, b.y});
        backward.insert({a.x, a.y});
        EXPECT_EQ(forward, backward);
    }
}

TEST(CanvasLine, ExactHalfGoesToTheSmallerCoordinate) {
    EXPECT_EQ(lineSet({0, 0}, {4, 1}), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 1}}));
    EXPECT_EQ(lineSet({4, 1}, {0, 0}), (Pixels{{4, 1}, {3, 1}, {2, 0}, {1, 0}}));
    EXPECT_EQ(lineSet({0, 0}, {1, 4}), (Pixels{{0, 0}, {0, 1}, {0, 2}, {1, 3}}));
}

TEST(CanvasLine, ShortLinesAndPenPosition) {
    EXPECT_TRUE(lineSet({3, 3}, {3, 3}).empty());
    EXPECT_EQ(lineSet({3, 3}, {4, 3}), (Pixels{{3, 3}}));
    EXPECT_EQ(lineSet({3, 3}, {2, 2}), (Pixels{{3, 3}}));
    Bitmap bmp(8, 8, PixelFormat::Rgb32);
    Canvas c(bmp);
    c.pen.style = PenStyle::Clear;
    c.moveTo(1, 1);
    c.lineTo(6, 6);
    EXPECT_EQ(c.penPos(), (IntPoint{6, 6}));
    EXPECT_TRUE(lit(bmp).empty());
}

TEST(CanvasLine, ClipsFarAndExtremeCoordinates) {
    EXPECT_EQ(lineSet({-1000000, 5}, {1000000, 5}, 20, 10), box(0, 5, 20, 6));
    EXPECT_EQ(lineSet({INT_MIN, 3}, {INT_MAX, 3}, 20, 10), box(0, 3, 20, 4));
    EXPECT_TRUE(lineSet({-50, -50}, {-10, 400}, 20, 10).empty());
    EXPECT_EQ(lineSet({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, 20, 10).size(), 10u);  // the diagonal
}

TEST(CanvasLine, WidePensDrawRoundCappedStrokes) {
    struct Case {
        int width;
        IntPoint a, b;
        std::size_t count;
        IntRect bounds;
    };
    for (const Case& k : {Case{3, {5, 5}, {10, 5}, 24, {4, 4, 12, 7}}, Case{2, {5, 5}, {5, 5}, 4, {4, 4, 6, 6}},
                          Case{3, {5, 5}, {5, 5}, 9, {4, 4, 7, 7}}, Case{4, {5, 5}, {5, 5}, 12, {3, 3, 7, 7}},
                          Case{5, {5, 5}, {5, 5}, 21, {3, 3, 8, 8}}, Case{7, {5, 5}, {5, 5}, 37, {2, 2, 9, 9}}}) {
        SCOPED_TRACE(k.width);
        Bitmap bmp(16, 12, PixelFormat::Rgb32);
        Canvas c(bmp);
        c.pen = {colors::White, k.width, PenStyle::Solid, PenMode::Copy};
        c.moveTo(k.a.x, k.a.y);
        c.lineTo(k.b.x, k.b.y);
        const Pixels p = lit(bmp);
        EXPECT_EQ(p.size(), k.count);
        EXPECT_EQ(p.begin()->first, k.bounds.left);
        EXPECT_EQ(p.rbegin()->first, k.bounds.right - 1);
        for (auto [x, y] : p) EXPECT_TRUE(k.bounds.contains(x, y)) << x << "," << y;
    }
    // An odd-width stroke between pixels is symmetric about its midpoint.
    Bitmap bmp(16, 12, PixelFormat::Rgb32);
    Canvas c(bmp);
    c.pen = {colors::White, 3, PenStyle::Solid, PenMode::Copy};
    c.moveTo(2, 2);
    c.lineTo(12, 8);
    for (auto [x, y] : lit(bmp)) EXPECT_NE(bmp.rawPixel(14 - x, 10 - y), 0u) << x << "," << y;
}

TEST(CanvasLine, PolylineDrawsEachSegmentWithoutItsEndAndKeepsPosition) {
    Bitmap bmp(10, 10, PixelFormat::Rgb32);
    Canvas c(bmp);
    c.pen.color = colors::White;
    c.moveTo(9, 9);
    c.polyline({{1, 1}, {6, 1}, {6, 6}});
    EXPECT_EQ(lit(bmp), [] {
        Pixels p = box(1, 1, 6, 2);
        for (int y = 1; y < 6; ++y) p.insert({6, y});
        return p;
    }());
    EXPECT_EQ(c.penPos(), (IntPoint{9, 9}));
}

TEST(CanvasPolygon, RectangleCoversTheHalfOpenBoxClipped) {
    struct Case {
        IntRect r, expected;
    };
    for (const Case& k : {Case{{2, 3, 7, 9}, {2, 3, 7, 9}}, Case{{-5, -5, 4, 4}, {0, 0, 4, 4}},
                          Case{{15, 8, 40, 40}, {15, 8, 20, 12}}, Case{{30, 30, 40, 40}, {0, 0, 0, 0}},
                          Case{{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 20, 12}}}) {
        SCOPED_TRACE(testing::Message() << k.r.left << "," << k.r.top << "," << k.r.right << "," << k.r.bottom);
        Bitmap bmp(20, 12, PixelFormat::Rgb32);
        Canvas c(bmp);
        c.pen.style = PenStyle::Clear;
        c.polygon({{k.r.left, k.r.top}, {k.r.right, k.r.top}, {k.r.right, k.r.bottom}, {k.r.left, k.r.bottom}});
        EXPECT_EQ(lit(bmp), box(k.expected.left, k.expected.top, k.expected.right, k.expected.bottom));
    }
    // With a pen the outline adds the right and bottom edges.
    Bitmap bmp(20, 12, PixelFormat::Rgb32);
    Canvas c(bmp);
    c.pen.color = colors::Red;
    c.polygon({{2, 3}, {7, 3}, {7, 9}, {2, 9}});
    EXPECT_EQ(lit(bmp), box(2, 3, 8, 10));
    EXPECT_EQ(c.pixel(4, 5), colors::White);
    EXPECT_EQ(c.pixel(7, 9), colors::Red);
}

TEST(CanvasPolygon, TrianglesAndEvenOdd) {
    Bitmap bmp(20, 20, PixelFormat::Rgb32);
    Canvas c(bmp);
    c.pen.style = PenStyle::Clear;
    c.polygon({{0, 0}, {4, 0}, {0, 4}});
    EXPECT_EQ(lit(bmp), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {0, 3}}));

    // Triangles sharing an edge tile their square: each pixel inverted once.
    for (IntPoint corner : {IntPoint{8, 8}, {9, 5}, {13, 4}}) {
        SCOPED_TRACE(testing::Message() << "corner " << corner.x << "," << corner.y);
        Bitmap tiles(20, 20, PixelFormat::Rgb32);
        Canvas t(tiles);
        t.pen.style = PenStyle::Clear;
        t.pen.mode = PenMode::Invert;
        t.polygon({{0, 0}, {corner.x, 0}, {0, corner.y}});
        t.polygon({{corner.x, 0}, corner, {0, corner.y}});
        EXPECT_EQ(lit(tiles), box(0, 0, corner.x, corner.y));
    }

    Bitmap frame(12, 12, PixelFormat::Rgb32);
    Canvas f(frame);
    f.pen.style = PenStyle::Clear;
    f.polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {3, 3}, {3, 7}, {7, 7}, {7, 3}, {3, 3}});
    Pixels expected = box(0, 0, 10, 10);
    for (auto p : box(3, 3, 7, 7)) expected.erase(p);
    EXPECT_EQ(lit(frame), expected);
}

TEST(CanvasEllipse, InsideTheBoxSymmetricAndReachingItsEdges) {
    for (IntRect r : {IntRect{2, 2, 12, 12}, {2, 2, 13, 9}, {1, 1, 5, 5}, {3, 3, 4, 4}, {0, 5, 20, 7}, {5, 0, 7, 12},
                      {1, 2, 20, 11}}) {
        SCOPED_TRACE(testing::Message() << r.left << "," << r.top << "," << r.right << "," << r.bottom);
        Bitmap bmp(20, 12, PixelFormat::Rgb32), swapped(20, 12, PixelFormat::Rgb32);
        Canvas c = whiteCanvas(bmp), s = whiteCanvas(swapped);
        c.ellipse(r.left, r.top, r.right, r.bottom);
        s.ellipse(r.right, r.bottom, r.left, r.top);
        const Pixels p = lit(bmp);
        EXPECT_EQ(p, lit(swapped));
        int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
        for (auto [x, y] : p) {
            EXPECT_TRUE(p.count({r.left + r.right - 1 - x, y}) && p.count({x, r.top + r.bottom - 1 - y}));
            minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
        EXPECT_EQ((IntRect{minX, minY, maxX + 1, maxY + 1}), r);
    }
    Bitmap marker(4, 4, PixelFormat::Rgb32);
    whiteCanvas(marker).ellipse(0, 0, 4, 4);
    EXPECT_EQ(lit(marker), [] { Pixels p = box(0, 0, 4, 4); for (auto q : Pixels{{0, 0}, {3, 0}, {0, 3}, {3, 3}}) p.erase(q); return p; }());
}

TEST(CanvasEllipse, OutlineIsTheRimOfTheFilledShapeAndArcsArePartsOfIt) {
    Bitmap filled(24, 24, PixelFormat::Rgb32), ring(24, 24, PixelFormat::Rgb32), arc(24, 24, PixelFormat::Rgb32),
        whole(24, 24, PixelFormat::Rgb32);
    whiteCanvas(filled).ellipse(1, 1, 22, 22);
    Canvas r = whiteCanvas(ring), a = whiteCanvas(arc), w = whiteCanvas(whole);
    for (Canvas* c : {&r, &a, &w}) c->brush.style = BrushStyle::Clear;
    r.ellipse(1, 1, 22, 22);
    a.arc(1, 1, 22, 22, 30, 11, 11, 0);  // from pointing right, counter-clockwise to pointing up
    w.arc(1, 1, 22, 22, 30, 11, 40, 11);
    const Pixels rim = lit(ring), part = lit(arc), all = lit(filled);
    EXPECT_EQ(lit(whole), rim);
    EXPECT_TRUE(all.count({11, 11}) && !rim.count({11, 11}) && rim.count({1, 11}) && rim.count({11, 21}));
    for (auto [x, y] : all) {
        const bool edge = !all.count({x - 1, y}) || !all.count({x + 1, y}) || !all.count({x, y - 1}) || !all.count({x, y + 1});
        EXPECT_EQ(edge, rim.count({x, y}) == 1) << x << "," << y;
    }
    for (auto q : rim) EXPECT_TRUE(all.count(q));
    EXPECT_FALSE(part.empty());
    for (auto [x, y] : part) EXPECT_TRUE(rim.count({x, y}) && x >= 11 && y <= 11) << x << "," << y;
    EXPECT_TRUE(part.count({21, 11}) && part.count({11, 1}) && !part.count({1, 11}));
}

// Every pen primitive in a XOR-like mode changes exactly the pixels it covers
// in copy mode (so none is touched twice), and drawing it again restores the
// picture.
TEST(CanvasModes, EachPixelOnceAndDrawingTwiceRestores) {
    const std::vector<std::pair<const char*, std::function<void(Canvas&)>>> shapes = {
        {"line", [](Canvas& c) { c.moveTo(-3, 2); c.lineTo(25, 14); }},
        {"wide line", [](Canvas& c) { c.pen.width = 3; c.moveTo(2, 2); c.lineTo(20, 9); }},
        {"wide polyline", [](Canvas& c) { c.pen.width = 5; c.polyline({{2, 2}, {18, 4}, {6, 14}, {2, 2}}); }},
        {"polygon", [](Canvas& c) { c.polygon({{1, 1}, {22, 3}, {4, 15}, {18, 15}}); }},
        {"wide polygon", [](Canvas& c) { c.pen.width = 4; c.polygon({{3, 3}, {20, 5}, {8, 14}}); }},
        {"ellipse", [](Canvas& c) { c.ellipse(2, 1, 21, 15); }},
        {"ring", [](Canvas& c) { c.pen.width = 7; c.brush.style = BrushStyle::Clear; c.ellipse(5, 1, 19, 15); }},
        {"wide ellipse", [](Canvas& c) { c.pen.width = 2; c.ellipse(-4, -3, 30, 20); }},
        {"arc", [](Canvas& c) { c.pen.width = 3; c.arc(1, 1, 22, 15, 0, 0, 22, 0); }},
        {"rectangle", [](Canvas& c) { c.pen.width = 2; c.rectangle(3, 2, 18, 13); }},
    };
    for (const auto& [name, draw] : shapes) {
        Bitmap reference(24, 16, PixelFormat::Rgb32);
        Canvas r = whiteCanvas(reference);
        draw(r);
        const Pixels covered = lit(reference);
        for (PixelFormat format : {PixelFormat::Indexed8, PixelFormat::Rgb32}) {
            for (PenMode mode : {PenMode::Invert, PenMode::NotXor}) {
                SCOPED_TRACE(testing::Message() << name << " format " << int(format) << " mode " << int(mode));
                Bitmap bmp(24, 16, format);
                for (int y = 0; y < 16; ++y)
                    for (int x = 0; x < 24; ++x) bmp.setRawPixel(x, y, (x * 2654435761u + y * 40503u) & 0xFFFFFF);
                const std::vector<std::uint32_t> before = raws(bmp);
                Canvas c(bmp);
                c.pen = {rgb(10, 200, 77), 1, PenStyle::Solid, mode};
                c.brush.color = rgb(90, 3, 240);
                draw(c);
                Pixels changed;
                for (int i = 0; i < 24 * 16; ++i)
                    if (bmp.rawPixel(i % 24, i / 24) != before[i]) changed.insert({i % 24, i / 24});
                EXPECT_EQ(changed, covered);
                draw(c);
                EXPECT_EQ(raws(bmp), before);
            }
        }
    }
}

TEST(CanvasModes, RawArithmeticAndPaletteIndexColours) {
    Bitmap rgb32(2, 1, PixelFormat::Rgb32);
    rgb32.setRawPixel(0, 0, 0x123456);
    Canvas c(rgb32);
    c.pen = {rgb(0x11, 0x22, 0x33), 1, PenStyle::Solid, PenMode::NotXor};
    c.moveTo(0, 0);
    c.lineTo(1, 0);
    EXPECT_EQ(rgb32.rawPixel(0, 0), ~(0x112233u ^ 0x123456u) & 0xFFFFFFu);
    c.pen.mode = PenMode::Invert;
    c.moveTo(0, 0);
    c.lineTo(1, 0);
    EXPECT_EQ(rgb32.rawPixel(0, 0), 0x112233u ^ 0x123456u);

    Bitmap idx(4, 1, PixelFormat::Indexed8);
    std::vector<PaletteEntry> entries(256);
    entries[7] = {0, 0, 255, true};
    idx.attachPalette(std::make_shared<Palette>(entries));
    Canvas i(idx);
    i.setPixel(0, 0, paletteIndex(200));
    i.setPixel(1, 0, rgb(0, 0, 250));  // nearest entry
    i.setPixel(2, 0, paletteIndex(0x35));
    i.pen = {paletteIndex(0x0F), 1, PenStyle::Solid, PenMode::NotXor};
    i.moveTo(2, 0);
    i.lineTo(3, 0);
    EXPECT_EQ(idx.rawPixel(0, 0), 200u);
    EXPECT_EQ(idx.rawPixel(1, 0), 7u);
    EXPECT_EQ(idx.rawPixel(2, 0), std::uint32_t(std::uint8_t(~(0x0F ^ 0x35))));
    EXPECT_EQ(i.pixel(1, 0), rgb(0, 0, 255));
    EXPECT_EQ(i.pixel(4, 0), NoColor);

    rgb32.attachPalette(idx.palette());
    c.setPixel(1, 0, paletteIndex(7));
    EXPECT_EQ(rgb32.rawPixel(1, 0), 0x0000FFu);
}

TEST(CanvasModes, ClearPenAndBrushDrawNothing) {
    Bitmap bmp(10, 10, PixelFormat::Rgb32);
    Canvas c(bmp);
    c.pen.style = PenStyle::Clear;
    c.brush.style = BrushStyle::Clear;
    c.polygon({{0, 0}, {9, 0}, {0, 9}});
    c.ellipse(0, 0, 10, 10);
    c.rectangle(0, 0, 10, 10);
    c.fillRect({0, 0, 10, 10});
    c.arc(0, 0, 10, 10, 0, 0, 0, 0);
    EXPECT_TRUE(lit(bmp).empty());
}

TEST(CanvasBlit, StretchDrawScalesMirrorsClipsAndConvertsColours) {
    Bitmap src(2, 2, PixelFormat::Indexed8);
    std::vector<PaletteEntry> entries(256);
    entries[1] = {255, 0, 0, false};
    entries[2] = {0, 255, 0, false};
    entries[3] = {0, 0, 255, false};
    src.attachPalette(std::make_shared<Palette>(entries));
    src.setRawPixel(1, 0, 1), src.setRawPixel(0, 1, 2), src.setRawPixel(1, 1, 3);

    Bitmap big(6, 6, PixelFormat::Rgb32);
    Canvas c(big);
    c.stretchDraw({1, 1, 5, 5}, src);
    EXPECT_EQ(big.rawPixel(2, 2), 0u);
    EXPECT_EQ(big.rawPixel(3, 1), 0xFF0000u);
    EXPECT_EQ(big.rawPixel(1, 4), 0x00FF00u);
    EXPECT_EQ(big.rawPixel(4, 4), 0x0000FFu);
    EXPECT_EQ(lit(big).size(), 12u);
    c.stretchDraw({6, 0, 0, 6}, src);  // mirrored left-right
    EXPECT_EQ(big.rawPixel(0, 0), 0xFF0000u);
    EXPECT_EQ(big.rawPixel(5, 5), 0x00FF00u);

    Bitmap indexed(3, 3, PixelFormat::Indexed8);  // no palette: indices copied as they are
    indexed.setRawPixel(0, 0, 9);
    Canvas(indexed).stretchDraw({-1, -1, 3, 3}, src);  // 2x scale, first column and row cut off
    EXPECT_EQ(raws(indexed), (std::vector<std::uint32_t>{0, 1, 1, 2, 3, 3, 2, 3, 3}));

    Bitmap down(1, 1, PixelFormat::Indexed8);
    down.attachPalette(src.palette());
    Canvas(down).stretchDraw({0, 0, 1, 1}, big);  // the pixel under the centre, (3, 3): green
    EXPECT_EQ(down.rawPixel(0, 0), 2u);

    Bitmap placed(4, 4, PixelFormat::Rgb32);
    Canvas(placed).draw(3, 3, big);
    EXPECT_EQ(lit(placed), (Pixels{{3, 3}}));
    Canvas(placed).draw(INT_MAX, INT_MIN, big);  // far away: nothing, no overflow
    EXPECT_EQ(lit(placed).size(), 1u);
}

}  // namespace
}  // namespace vantor
