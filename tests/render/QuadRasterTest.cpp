// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "render/still/QuadRaster.h"
#include "platform/pixels/Canvas.h"

using namespace vantor;

namespace {

bool samePixels(const Bitmap& a, const Bitmap& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.rawPixel(x, y) != b.rawPixel(x, y)) return false;
    return true;
}

IntPoint randomPoint(std::mt19937& rng, int spread, int offset) {
    auto coord = [&](int size) { return static_cast<int>(rng() % (2 * spread + size)) - spread + offset; };
    return IntPoint{coord(60), coord(40)};
}

}  // namespace

// The fast writer must light exactly what the Canvas lights, also for
// shapes crossing the edges, degenerate ones, tiny ones (within 2 x 2
// pixels) and points far outside.
TEST(QuadRaster, SamePixelsAsTheCanvas) {
    std::mt19937 rng(777);
    for (PixelFormat format : {PixelFormat::Rgb32, PixelFormat::Indexed8}) {
        for (int round = 0; round < 4000; ++round) {
            Bitmap fast(60, 40, format), slow(60, 40, format);
            const int spread = round % 5 == 0 ? 200 : (round % 5 == 1 ? 6 : 25);
            IntPoint p[4];
            for (IntPoint& q : p) q = randomPoint(rng, spread, 0);
            if (round % 5 == 2) {
                // Tiny: every corner within 2 x 2 pixels, some on the edge.
                const IntPoint base = randomPoint(rng, 1, 0);
                for (IntPoint& q : p) q = IntPoint{base.x + static_cast<int>(rng() % 2), base.y + static_cast<int>(rng() % 2)};
            }
            if (round % 7 == 0) p[2] = p[1];  // degenerate: a triangle
            if (round % 11 == 0) p[3] = p[0] = p[1];
            if (round % 13 == 0) p[1].x = (round % 2 ? 1 : -1) * (1 << 30);  // far outside
            const TColor colour = format == PixelFormat::Indexed8 ? paletteIndex(static_cast<std::uint8_t>(1 + round % 200))
                                                                  : rgb(static_cast<std::uint8_t>(round), 99, 7);
            QuadRaster raster(fast);
            Canvas canvas(slow);
            canvas.pen.color = colour;
            canvas.brush.color = colour;
            switch (round % 3) {
            case 0:
                raster.polygon(p, colour);
                canvas.polygon({p[0], p[1], p[2], p[3]});
                break;
            case 1:
                raster.outline(p, colour);
                canvas.moveTo(p[0].x, p[0].y);
                for (int i : {1, 2, 3, 0}) canvas.lineTo(p[i].x, p[i].y);
                break;
            default:
                raster.line(p[0], p[1], colour);
                canvas.moveTo(p[0].x, p[0].y);
                canvas.lineTo(p[1].x, p[1].y);
                break;
            }
            ASSERT_TRUE(samePixels(fast, slow)) << "round " << round << ": " << p[0].x << "," << p[0].y << " " << p[1].x << ","
                                                << p[1].y << " " << p[2].x << "," << p[2].y << " " << p[3].x << "," << p[3].y;
        }
    }
}

TEST(QuadRaster, BackgroundPolygonCoversTheWholeBitmap) {
    Bitmap b(30, 20, PixelFormat::Rgb32);
    QuadRaster raster(b);
    const IntPoint all[4] = {{0, 0}, {30, 0}, {30, 20}, {0, 20}};
    raster.polygon(all, rgb(1, 2, 3));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) ASSERT_EQ(b.pixelColor(x, y), rgb(1, 2, 3));
}

// Shapes claimed from the last to the first must leave what painting them
// from the first to the last leaves: random strokes of all three kinds,
// tiny ones (corners within 2 x 2 pixels) among them, some crossing the
// edges or far outside.
TEST(PixelClaimer, ClaimingBackwardsLeavesThePaintedPicture) {
    std::mt19937 rng(4242);
    for (PixelFormat format : {PixelFormat::Rgb32, PixelFormat::Indexed8}) {
        for (int round = 0; round < 300; ++round) {
            struct Stroke {
                int kind;
                IntPoint p[4];
                TColor colour;
            };
            std::vector<Stroke> strokes(40);
            for (std::size_t i = 0; i < strokes.size(); ++i) {
                Stroke& s = strokes[i];
                s.kind = static_cast<int>(rng() % 3);
                const int spread = round % 3 == 0 ? 1 : (round % 3 == 1 ? 8 : 40);
                const IntPoint base = randomPoint(rng, 5, 0);
                for (IntPoint& q : s.p) q = IntPoint{base.x + static_cast<int>(rng() % (2 * spread + 1)) - spread,
                                                     base.y + static_cast<int>(rng() % (2 * spread + 1)) - spread};
                if (i % 9 == 0) s.p[2].y = 1 << 29;  // far outside
                s.colour = format == PixelFormat::Indexed8 ? paletteIndex(static_cast<std::uint8_t>(1 + i))
                                                           : rgb(static_cast<std::uint8_t>(i), 7, 99);
            }
            Bitmap painted(60, 40, format), claimed(60, 40, format);
            QuadRaster raster(painted);
            for (const Stroke& s : strokes) {
                if (s.kind == 0) raster.polygon(s.p, s.colour);
                else if (s.kind == 1) raster.outline(s.p, s.colour);
                else raster.line(s.p[0], s.p[1], s.colour);
            }
            PixelClaimer claimer(claimed);
            for (auto s = strokes.rbegin(); s != strokes.rend(); ++s) {
                const bool quad = s->kind != 2;
                if (quad ? claimer.boxOwned(s->p) : claimer.boxOwned(s->p[0], s->p[1])) continue;
                claimer.begin();
                if (s->kind == 0) claimer.claimPolygon(s->p);
                else if (s->kind == 1) claimer.claimOutline(s->p);
                else claimer.claimLine(s->p[0], s->p[1]);
                claimer.paint(0, claimer.claimed(), s->colour);
            }
            ASSERT_TRUE(samePixels(painted, claimed)) << "round " << round;
            EXPECT_LE(claimer.pixelsWritten(), raster.pixelsWritten());
        }
    }
}
