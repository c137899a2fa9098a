#pragma once
// Drawing on a Bitmap with the semantics of the Windows GDI the program was
// designed for. Everything is clipped to the bitmap. Every primitive writes
// through one span writer that applies the pen mode and touches each pixel of
// a fill or outline once, so drawing twice in Invert or NotXor mode restores
// the picture exactly.
#include <vector>

#include "platform/pixels/Bitmap.h"
#include "platform/pixels/Color.h"

namespace vantor {

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
    // including (x, y). Wider pens: a round-capped stroke of that width.
    // The current position becomes (x, y).
    void lineTo(int x, int y);
    // moveTo(points[0]) then lineTo each following point.
    void polyline(const std::vector<IntPoint>& points);
    // Brush fills the interior (even-odd rule, pixel centres, top-left
    // convention), then the pen outlines the closed shape.
    void polygon(const std::vector<IntPoint>& points);
    // Inscribed in the box x1 <= x < x2, y1 <= y < y2; filled by the brush,
    // outlined by the pen.
    void ellipse(int x1, int y1, int x2, int y2);
    // Counter-clockwise arc of the ellipse inscribed in the box, from the ray
    // towards (x3, y3) to the ray towards (x4, y4); pen only.
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Fills the rectangle with the brush (no outline, ignores the pen).
    void fillRect(const IntRect& rect);
    // Rectangle filled by the brush and outlined by the pen (GDI Rectangle).
    void rectangle(int x1, int y1, int x2, int y2);
    // Sets one pixel in copy mode, ignoring the pen.
    void setPixel(int x, int y, TColor color);
    TColor pixel(int x, int y) const;
    // Scales the whole source into rect (nearest neighbour), copying colours.
    void stretchDraw(const IntRect& rect, const Bitmap& source);
    // Copies source 1:1 with its top-left at (x, y).
    void draw(int x, int y, const Bitmap& source);

private:
    void span(int y, int x1, int x2, std::uint32_t raw, PenMode mode);  // x1 <= x < x2
    Bitmap& m_bitmap;
    IntPoint m_pos;
};

}  // namespace vantor
