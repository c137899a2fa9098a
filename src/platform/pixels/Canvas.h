// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing on a Bitmap with the pixel rules of the Windows GDI: which pixels
// each line, ellipse, polygon and fill covers, and the pen modes. Everything is clipped to the bitmap. Every primitive writes
// through one span writer that applies the pen mode and touches each pixel of
// a fill or outline once, so drawing twice in Invert or NotXor mode restores
// the picture exactly.
#include <vector>

#include "platform/pixels/Bitmap.h"
#include "platform/pixels/Color.h"

namespace vantor {

namespace raster {
class Coverage;
}

// What pixel() reports for a point outside the bitmap.
constexpr TColor NoColor = 0xFFFFFFFFu;

enum class PenStyle { Solid, Clear };
// Copy: pixel := pen; Invert: pixel := NOT pixel; NotXor: pixel := NOT(pen XOR pixel).
// On Indexed8 the operations act on the 8-bit index, on Rgb32 on the 24 colour bits.
enum class PenMode { Copy, Invert, NotXor };
enum class BrushStyle { Solid, Clear };

struct Pen {
    TColor color = colors::Black;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
};

struct Brush {
    TColor color = colors::White;
    BrushStyle style = BrushStyle::Solid;
};

class Canvas {
public:
    explicit Canvas(Bitmap& bitmap);

    Pen pen;
    Brush brush;

    Bitmap& bitmap() { return m_bitmap; }
    IntPoint penPos() const { return m_pos; }

    void moveTo(int x, int y);
    // Width 1: Bresenham line from the current position up to but not
    // including (x, y); where the exact line passes midway between two
    // pixels, the one with the smaller coordinate is lit. Wider pens: a
    // round-capped stroke of that width (a round dot when the points are
    // equal). The current position becomes (x, y).
    void lineTo(int x, int y);
    // Width 1: the lines points[0]->points[1]->..., each without its end
    // point. Wider pens: one round-joined stroke in which every pixel is
    // drawn once. The current position does not change.
    void polyline(const std::vector<IntPoint>& points);
    // Brush fills the interior (even-odd rule, top-left convention), sampled
    // at the pixels' own points: pixel (x, y) is inside when the point (x, y),
    // through which lines pass, is; so the rectangle (l,t),(r,t),(r,b),(l,b)
    // fills l <= x < r, t <= y < b. Then the pen outlines the closed shape. Fill and outline
    // are merged first, so each pixel is drawn once (the outline's colour
    // wins). The current position does not change.
    void polygon(const std::vector<IntPoint>& points);
    // Inscribed in the box x1 <= x < x2, y1 <= y < y2 (corners in any
    // order); filled by the brush, outlined by the pen. A wider pen's band is
    // centred on the one-pixel outline.
    void ellipse(int x1, int y1, int x2, int y2);
    // Counter-clockwise (as seen on the screen) arc of the ellipse's outline,
    // from the ray from the centre towards (x3, y3) to the ray towards
    // (x4, y4); rays in the same direction give the whole outline. Pen only.
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Fills the rectangle with the brush in copy mode (no outline, ignores
    // the pen); a clear brush fills nothing.
    void fillRect(const IntRect& rect);
    // Rectangle x1 <= x < x2, y1 <= y < y2 (corners in any order) filled by
    // the brush and outlined by the pen.
    void rectangle(int x1, int y1, int x2, int y2);
    // Sets one pixel in copy mode, ignoring the pen.
    void setPixel(int x, int y, TColor color);
    // The colour shown at (x, y); NoColor outside the bitmap.
    TColor pixel(int x, int y) const;
    // Scales the whole source into rect (nearest neighbour), copying colours;
    // a rect with right < left or bottom < top mirrors the picture.
    void stretchDraw(const IntRect& rect, const Bitmap& source);
    // Copies source 1:1 with its top-left at (x, y).
    void draw(int x, int y, const Bitmap& source);

private:
    // The one writer of pen and brush pixels: x1 <= x < x2 of row y, clipped.
    void span(int y, int x1, int x2, std::uint32_t raw, PenMode mode);
    void apply(const raster::Coverage& coverage);
    IntRect clipRect() const;
    void blit(long long left, long long top, long long right, long long bottom, const Bitmap& source);
    Bitmap& m_bitmap;
    IntPoint m_pos;
};

}  // namespace vantor
