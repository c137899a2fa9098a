// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fast writers for the elements of the still display: filled quadrilaterals
// with their outline, closed outlines and single lines, in copy mode with a
// one-pixel pen, straight into the display bitmap. They light exactly the
// pixels the Canvas lights for polygon, polyline and moveTo/lineTo with the
// same points (the Canvas's even-odd fill, lines without their end point),
// but need no allocation and no 128-bit arithmetic for the points a picture
// produces. Points far outside the bitmap go through the Canvas's own scan
// converter.
//
// QuadRaster paints every pixel of a shape. PixelClaimer serves a pass that
// draws from the nearest element back to the farthest: a shape takes over
// only the pixels no shape has taken in this pass, and lists them, so that
// its colour is worked out only when it owns any.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/pixels/Bitmap.h"
#include "platform/pixels/Color.h"

namespace vantor {

// The raw pixel value of a colour on a bitmap, as the Canvas maps it.
std::uint32_t rawColourFor(const Bitmap& bitmap, TColor color);

class QuadRaster {
public:
    explicit QuadRaster(Bitmap& bitmap);

    // The raw pixel value of a colour on this bitmap, as the Canvas maps it.
    std::uint32_t rawFor(TColor color) const {
        if (m_indexed) return isPaletteIndex(color) ? (color & 0xFFu) : m_bitmap.rawFor(color);
        if (isPaletteIndex(color)) return m_bitmap.rawFor(color);
        return (std::uint32_t(colorR(color)) << 16) | (std::uint32_t(colorG(color)) << 8) | colorB(color);
    }

    // Polygon p0 p1 p2 p3 filled and outlined in one colour.
    void polygon(const IntPoint (&p)[4], TColor color) { polygonRaw(p, rawFor(color)); }
    // The closed outline p0 -> p1 -> p2 -> p3 -> p0.
    void outline(const IntPoint (&p)[4], TColor color) { outlineRaw(p, rawFor(color)); }
    // The line from a up to but not including b.
    void line(IntPoint a, IntPoint b, TColor color) { lineRaw(a, b, rawFor(color)); }

    void polygonRaw(const IntPoint (&p)[4], std::uint32_t raw);
    void outlineRaw(const IntPoint (&p)[4], std::uint32_t raw);
    void lineRaw(IntPoint a, IntPoint b, std::uint32_t raw);

    // Pixel writes so far (a pixel written twice counts twice).
    std::uint64_t pixelsWritten() const { return m_written; }

private:
    Bitmap& m_bitmap;
    bool m_indexed;
    std::uint64_t m_written = 0;
};

class PixelClaimer {
public:
    // Starts with no pixel owned. The claimer keeps its buffers between
    // passes; reset() clears the ownership for the next one.
    PixelClaimer() = default;
    explicit PixelClaimer(Bitmap& bitmap) { reset(bitmap); }
    void reset(Bitmap& bitmap) { reset(bitmap, 0, 1); }
    // Only the rows of one band can be claimed: the picture is cut into
    // stripes of StripeRows rows dealt out to `bands` bands in turn, and the
    // rows of the other bands start owned, so that claimers of different
    // bands share one bitmap. Thin stripes give each band a like share of
    // the solid wherever it lies in the picture.
    static constexpr int StripeRows = 16;
    void reset(Bitmap& bitmap, int band, int bands);

    // Forgets the pixels listed so far (they stay owned).
    void begin() { m_count = 0; }
    // Whether every pixel of the box around the points that lies in the
    // bitmap is owned already; a shape within it then has nothing to claim.
    // A quick test: it may say no for a shape that claims nothing.
    bool boxOwned(const IntPoint (&p)[4]) const {
        return boxOwned(std::min(std::min(p[0].x, p[1].x), std::min(p[2].x, p[3].x)),
                        std::min(std::min(p[0].y, p[1].y), std::min(p[2].y, p[3].y)),
                        std::max(std::max(p[0].x, p[1].x), std::max(p[2].x, p[3].x)),
                        std::max(std::max(p[0].y, p[1].y), std::max(p[2].y, p[3].y)));
    }
    bool boxOwned(IntPoint a, IntPoint b) const {
        return boxOwned(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
    }
    // Columns x0..x1 of rows y0..y1, bounds included.
    bool boxOwned(int x0, int y0, int x1, int y1) const;
    // Take over the pixels of the shape that nobody owns yet, and list them.
    void claimPolygon(const IntPoint (&p)[4]);
    void claimOutline(const IntPoint (&p)[4]);
    void claimLine(IntPoint a, IntPoint b);
    // Pixels listed since begin().
    std::size_t claimed() const { return m_count; }
    // Paints the listed pixels from..to-1 in a colour.
    void paint(std::size_t from, std::size_t to, TColor color);

    // Pixels painted so far (each pixel at most once per reset).
    std::uint64_t pixelsWritten() const { return m_written; }

private:
    Bitmap* m_bitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
    // A bit per pixel, 64 to a word, each row starting a word: set when
    // owned.
    std::vector<std::uint64_t> m_bits;
    int m_words = 0;  // per row
    std::vector<std::uint32_t> m_list;  // capacity: every pixel once
    std::size_t m_count = 0;
    std::uint64_t m_written = 0;
};

inline bool PixelClaimer::boxOwned(int x0, int y0, int x1, int y1) const {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, m_width - 1);
    y1 = std::min(y1, m_height - 1);
    if (x0 > x1 || y0 > y1) return true;
    const int w0 = x0 >> 6, w1 = x1 >> 6;
    const std::uint64_t all = ~std::uint64_t{0};
    const std::uint64_t first = all << (x0 & 63), last = all >> (63 - (x1 & 63));
    for (int y = y0; y <= y1; ++y) {
        const std::uint64_t* row = m_bits.data() + static_cast<std::ptrdiff_t>(y) * m_words;
        if (w0 == w1) {
            if ((row[w0] & first & last) != (first & last)) return false;
            continue;
        }
        if ((row[w0] & first) != first || (row[w1] & last) != last) return false;
        for (int w = w0 + 1; w < w1; ++w)
            if (row[w] != all) return false;
    }
    return true;
}

}  // namespace vantor
