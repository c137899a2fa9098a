#pragma once
// A fast writer for the elements of the still display: filled quadrilaterals
// with their outline, closed outlines and single lines, in copy mode with a
// one-pixel pen, straight into the display bitmap. It lights exactly the
// pixels the Canvas lights for polygon, polyline and moveTo/lineTo with the
// same points (the Canvas's even-odd fill, lines without their end point),
// but needs no allocation and no 128-bit arithmetic for the points
// a picture produces. Points far outside the bitmap go through the Canvas's
// own scan converter.
#include <cstdint>

#include "platform/pixels/Bitmap.h"
#include "platform/pixels/Color.h"

namespace vantor {

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

private:
    void span(int y, int x1, int x2, std::uint32_t raw);  // clipped to the row
    void fillSpan(int y, long long x1, long long x2, std::uint32_t raw);
    void fillInterior(const IntPoint (&p)[4], std::uint32_t raw);
    template <class Pixel>
    void drawLine(Pixel* pixels, IntPoint a, IntPoint b, Pixel value);
    void slowPolygon(const IntPoint (&p)[4], std::uint32_t raw);
    void slowLine(IntPoint a, IntPoint b, std::uint32_t raw);

    Bitmap& m_bitmap;
    int m_width;
    int m_height;
    bool m_indexed;
};

}  // namespace vantor
