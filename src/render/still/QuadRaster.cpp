// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/still/QuadRaster.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/pixels/Raster.h"

namespace vantor {

namespace {

// Within this range every product the exact scan arithmetic forms (about
// 2^51 at most) fits in 64 bits.
constexpr int FastLimit = 1 << 24;

bool small(IntPoint p) { return p.x > -FastLimit && p.x < FastLimit && p.y > -FastLimit && p.y < FastLimit; }

// ceil(p / q) for q > 0.
inline long long ceilDiv(long long p, long long q) { return p >= 0 ? (p + q - 1) / q : -((-p) / q); }

// The scan conversion, shared by the painting and the claiming writer. A
// sink takes spans already clipped to the bitmap (span(y, x1, x2) with
// x1 < x2) and single pixels inside it (pixel(x, y)).
struct Area {
    int width;
    int height;
    bool inside(IntPoint p) const { return p.x >= 0 && p.x < width && p.y >= 0 && p.y < height; }
};

// Corners that lie within a 2 x 2 pixel box. Every line between two of them
// lights only its first point (one step of one pixel), and the fill lies in
// their hull, which holds no other pixel of the box; so the polygon, and the
// closed outline, light exactly the distinct corners, or nothing when all
// four are one point.
bool withinTwoByTwo(const IntPoint (&p)[4]) {
    long long x0 = p[0].x, x1 = p[0].x, y0 = p[0].y, y1 = p[0].y;
    for (int i = 1; i < 4; ++i) {
        x0 = std::min<long long>(x0, p[i].x);
        x1 = std::max<long long>(x1, p[i].x);
        y0 = std::min<long long>(y0, p[i].y);
        y1 = std::max<long long>(y1, p[i].y);
    }
    return x1 - x0 <= 1 && y1 - y0 <= 1;
}

template <class Sink>
void distinctCorners(const IntPoint (&p)[4], const Area& area, Sink& sink) {
    if (p[1] == p[0] && p[2] == p[0] && p[3] == p[0]) return;
    for (int i = 0; i < 4; ++i) {
        bool seen = false;
        for (int k = 0; k < i; ++k) seen = seen || p[k] == p[i];
        if (!seen && area.inside(p[i])) sink.pixel(p[i].x, p[i].y);
    }
}

template <class Sink>
void slowLine(IntPoint a, IntPoint b, const Area& area, Sink& sink) {
    raster::FunctionSink spans([&](int y, int x1, int x2) { sink.span(y, x1, x2); });
    raster::line(a, b, IntRect{0, 0, area.width, area.height}, spans);
}

template <class Sink>
void scanLine(IntPoint a, IntPoint b, const Area& area, Sink& sink) {
    if (!small(a) || !small(b)) return slowLine(a, b, area, sink);
    const long long dx = static_cast<long long>(b.x) - a.x, dy = static_cast<long long>(b.y) - a.y;
    if (dx == 0 && dy == 0) return;
    const long long adx = std::llabs(dx), ady = std::llabs(dy);
    if (adx <= 1 && ady <= 1) {
        // One step: only the first point.
        if (area.inside(a)) sink.pixel(a.x, a.y);
        return;
    }
    // The major axis runs over every column (or row) from a toward b without
    // b's; the minor coordinate is the exact position rounded to the
    // nearest pixel, an exact half going to the smaller one:
    // ceil((2 * i * d - n) / (2 * n)) for step i, minor delta d, length n.
    // Both are stepped with a remainder instead of dividing.
    const bool xMajor = adx >= ady;
    const long long n = xMajor ? adx : ady, d = xMajor ? dy : dx;
    const int major0 = xMajor ? a.x : a.y, minor0 = xMajor ? a.y : a.x;
    const int majorSize = xMajor ? area.width : area.height, minorSize = xMajor ? area.height : area.width;
    const int dir = (xMajor ? dx : dy) > 0 ? 1 : -1;
    // Steps whose major coordinate lies inside the bitmap.
    long long lo = 0, hi = n - 1;
    if (dir > 0) {
        lo = std::max(lo, -static_cast<long long>(major0));
        hi = std::min(hi, static_cast<long long>(majorSize) - 1 - major0);
    } else {
        lo = std::max(lo, static_cast<long long>(major0) - (majorSize - 1));
        hi = std::min(hi, static_cast<long long>(major0));
    }
    if (lo > hi) return;
    const long long q = 2 * n, step = 2 * d;
    long long minor = 0, rem = n;  // step 0: ceil(-n / 2n) = 0
    if (lo > 0) {
        const long long num = 2 * lo * d - n;
        minor = ceilDiv(num, q);
        rem = minor * q - num;  // 0 <= rem < q
    }
    long long major = major0 + lo * dir;
    long long m = minor0 + minor;
    for (long long i = lo; i <= hi; ++i) {
        if (m >= 0 && m < minorSize) {
            const int x = static_cast<int>(xMajor ? major : m), y = static_cast<int>(xMajor ? m : major);
            sink.pixel(x, y);
        }
        major += dir;
        rem -= step;
        if (rem < 0) {
            ++m;
            rem += q;
        } else if (rem >= q) {
            --m;
            rem -= q;
        }
    }
}

template <class Sink>
void fillSpan(int y, long long x1, long long x2, const Area& area, Sink& sink) {
    const long long l = std::max(x1, 0LL), r = std::min<long long>(x2, area.width);
    if (l < r) sink.span(y, static_cast<int>(l), static_cast<int>(r));
}

template <class Sink>
void scanInterior(const IntPoint (&p)[4], const Area& area, Sink& sink) {
    // Each edge that is not horizontal crosses rows y0 <= y < y1 at
    // ceil(x0 + (y - y0) * dx / dy): the first pixel at or right of it, as
    // the Canvas's fill takes it. The crossing is stepped row by row in
    // exact integers (quotient and remainder), without a division per row.
    struct Edge {
        long long y0, y1, dy;
        long long c, rem;     // crossing and c * dy - numerator, 0 <= rem < dy
        long long qs, rs;     // dx = qs * dy + rs, 0 <= rs < dy
    };
    Edge edges[4];
    int count = 0;
    int minY = p[0].y, maxY = p[0].y;
    for (int i = 0; i < 4; ++i) {
        const IntPoint a = p[i], b = p[(i + 1) & 3];
        minY = std::min(minY, a.y);
        maxY = std::max(maxY, a.y);
        if (a.y == b.y) continue;
        const IntPoint top = a.y < b.y ? a : b, bottom = a.y < b.y ? b : a;
        Edge& e = edges[count++];
        e.y0 = top.y;
        e.y1 = bottom.y;
        e.dy = e.y1 - e.y0;
        const long long dx = static_cast<long long>(bottom.x) - top.x;
        if (dx >= 0 && dx < e.dy) {
            e.qs = 0;
            e.rs = dx;
        } else if (dx < 0 && -dx <= e.dy) {
            e.qs = -1;
            e.rs = dx + e.dy;
        } else {
            e.qs = dx >= 0 ? dx / e.dy : -((-dx + e.dy - 1) / e.dy);
            e.rs = dx - e.qs * e.dy;
        }
        // Start at the first row inside the bitmap.
        const long long ry = std::max(0LL, -e.y0);
        if (ry == 0) {
            e.c = top.x;
            e.rem = 0;
        } else {
            const long long num = static_cast<long long>(top.x) * e.dy + ry * dx;
            e.c = ceilDiv(num, e.dy);
            e.rem = e.c * e.dy - num;
        }
    }
    const int yLo = std::max(minY, 0), yHi = std::min(maxY, area.height);
    for (int y = yLo; y < yHi; ++y) {
        // Crossings kept in scalars: the pairs are then ordered in registers.
        long long c0 = 0, c1 = 0, c2 = 0, c3 = 0;
        int n = 0;
        for (int k = 0; k < count; ++k) {
            Edge& e = edges[k];
            if (y < e.y0 || y >= e.y1) continue;
            switch (n++) {
            case 0: c0 = e.c; break;
            case 1: c1 = e.c; break;
            case 2: c2 = e.c; break;
            default: c3 = e.c; break;
            }
            e.c += e.qs;
            e.rem -= e.rs;
            if (e.rem < 0) {
                ++e.c;
                e.rem += e.dy;
            }
        }
        auto order = [](long long& a, long long& b) {
            if (a > b) std::swap(a, b);
        };
        if (n == 2) {
            order(c0, c1);
            fillSpan(y, c0, c1, area, sink);
        } else if (n == 4) {
            order(c0, c1);
            order(c2, c3);
            order(c0, c2);
            order(c1, c3);
            order(c1, c2);
            fillSpan(y, c0, c1, area, sink);
            fillSpan(y, c2, c3, area, sink);
        }
        // Any other count cannot arise: a closed polygon crosses a row an
        // even number of times.
    }
}

template <class Sink>
void scanOutline(const IntPoint (&p)[4], const Area& area, Sink& sink) {
    if (withinTwoByTwo(p)) return distinctCorners(p, area, sink);
    for (int i = 0; i < 4; ++i) scanLine(p[i], p[(i + 1) & 3], area, sink);
}

template <class Sink>
void scanPolygon(const IntPoint (&p)[4], const Area& area, Sink& sink) {
    if (withinTwoByTwo(p)) return distinctCorners(p, area, sink);
    if (!small(p[0]) || !small(p[1]) || !small(p[2]) || !small(p[3])) {
        raster::FunctionSink spans([&](int y, int x1, int x2) { sink.span(y, x1, x2); });
        const IntRect clip{0, 0, area.width, area.height};
        raster::polygonFill(std::vector<IntPoint>(p, p + 4), clip, spans);
        for (int i = 0; i < 4; ++i) raster::line(p[i], p[(i + 1) & 3], clip, spans);
        return;
    }
    scanInterior(p, area, sink);
    for (int i = 0; i < 4; ++i) scanLine(p[i], p[(i + 1) & 3], area, sink);
}

// Paints every pixel it is given.
template <class Pixel>
struct PaintSink {
    Pixel* pixels;
    int width;
    Pixel value;
    std::uint64_t& written;
    void span(int y, int x1, int x2) {
        Pixel* row = pixels + static_cast<std::ptrdiff_t>(y) * width;
        std::fill(row + x1, row + x2, value);
        written += static_cast<std::uint64_t>(x2 - x1);
    }
    void pixel(int x, int y) {
        pixels[static_cast<std::ptrdiff_t>(y) * width + x] = value;
        ++written;
    }
};

enum class Shape { Polygon, Outline };

template <class Pixel>
void paintShape(Shape shape, const IntPoint (&p)[4], Pixel* pixels, const Area& area, Pixel value, std::uint64_t& written) {
    PaintSink<Pixel> sink{pixels, area.width, value, written};
    if (shape == Shape::Polygon) scanPolygon(p, area, sink);
    else scanOutline(p, area, sink);
}

}  // namespace

std::uint32_t rawColourFor(const Bitmap& bitmap, TColor color) {
    if (bitmap.format() == PixelFormat::Indexed8) return isPaletteIndex(color) ? (color & 0xFFu) : bitmap.rawFor(color);
    if (isPaletteIndex(color)) return bitmap.rawFor(color);
    return (std::uint32_t(colorR(color)) << 16) | (std::uint32_t(colorG(color)) << 8) | colorB(color);
}

QuadRaster::QuadRaster(Bitmap& bitmap) : m_bitmap(bitmap), m_indexed(bitmap.format() == PixelFormat::Indexed8) {}

void QuadRaster::polygonRaw(const IntPoint (&p)[4], std::uint32_t raw) {
    const Area area{m_bitmap.width(), m_bitmap.height()};
    if (area.width <= 0 || area.height <= 0) return;
    if (m_indexed) paintShape(Shape::Polygon, p, m_bitmap.indexRow(0), area, static_cast<std::uint8_t>(raw), m_written);
    else paintShape(Shape::Polygon, p, m_bitmap.rgbRow(0), area, raw & 0xFFFFFFu, m_written);
}

void QuadRaster::outlineRaw(const IntPoint (&p)[4], std::uint32_t raw) {
    const Area area{m_bitmap.width(), m_bitmap.height()};
    if (area.width <= 0 || area.height <= 0) return;
    if (m_indexed) paintShape(Shape::Outline, p, m_bitmap.indexRow(0), area, static_cast<std::uint8_t>(raw), m_written);
    else paintShape(Shape::Outline, p, m_bitmap.rgbRow(0), area, raw & 0xFFFFFFu, m_written);
}

void QuadRaster::lineRaw(IntPoint a, IntPoint b, std::uint32_t raw) {
    const Area area{m_bitmap.width(), m_bitmap.height()};
    if (area.width <= 0 || area.height <= 0) return;
    if (m_indexed) {
        PaintSink<std::uint8_t> sink{m_bitmap.indexRow(0), area.width, static_cast<std::uint8_t>(raw), m_written};
        scanLine(a, b, area, sink);
    } else {
        PaintSink<std::uint32_t> sink{m_bitmap.rgbRow(0), area.width, raw & 0xFFFFFFu, m_written};
        scanLine(a, b, area, sink);
    }
}

// Takes over unowned pixels and lists them.
struct ClaimSink {
    std::uint64_t* bits;
    int words;
    int width;
    std::uint32_t* list;
    std::size_t& count;
    void pixel(int x, int y) {
        std::uint64_t& word = bits[static_cast<std::ptrdiff_t>(y) * words + (x >> 6)];
        const std::uint64_t bit = std::uint64_t{1} << (x & 63);
        if (word & bit) return;
        word |= bit;
        list[count++] = static_cast<std::uint32_t>(y * width + x);
    }
    void span(int y, int x1, int x2) {
        std::uint64_t* row = bits + static_cast<std::ptrdiff_t>(y) * words;
        const std::uint64_t all = ~std::uint64_t{0};
        for (int w = x1 >> 6, last = (x2 - 1) >> 6; w <= last; ++w) {
            std::uint64_t mask = all;
            if (w == x1 >> 6) mask &= all << (x1 & 63);
            if (w == last) mask &= all >> (63 - ((x2 - 1) & 63));
            std::uint64_t fresh = ~row[w] & mask;
            row[w] |= mask;
            const std::uint32_t base = static_cast<std::uint32_t>(y * width + w * 64);
            while (fresh) {
                list[count++] = base + static_cast<std::uint32_t>(__builtin_ctzll(fresh));
                fresh &= fresh - 1;
            }
        }
    }
};

void PixelClaimer::reset(Bitmap& bitmap, int band, int bands) {
    m_bitmap = &bitmap;
    m_width = bitmap.width();
    m_height = bitmap.height();
    m_words = (m_width + 63) / 64;
    const auto rowWords = static_cast<std::size_t>(m_words);
    m_bits.assign(rowWords * static_cast<std::size_t>(m_height), 0);
    std::size_t rows = 0;
    for (int y = 0; y < m_height; ++y) {
        if ((y / StripeRows) % bands == band) {
            ++rows;
            continue;
        }
        std::fill_n(m_bits.begin() + static_cast<std::ptrdiff_t>(rowWords * static_cast<std::size_t>(y)), rowWords,
                    ~std::uint64_t{0});
    }
    // No shape can list a pixel twice, nor one outside the band.
    const std::size_t size = static_cast<std::size_t>(m_width) * rows;
    if (m_list.size() < size) m_list.resize(size);
    m_count = 0;
    m_written = 0;
}

// Flattened: the scan steps inlined into each claim pay for a pass of
// hundreds of thousands of claims.
[[gnu::flatten]] void PixelClaimer::claimPolygon(const IntPoint (&p)[4]) {
    if (m_bits.empty()) return;
    const Area area{m_bitmap->width(), m_bitmap->height()};
    ClaimSink sink{m_bits.data(), m_words, area.width, m_list.data(), m_count};
    scanPolygon(p, area, sink);
}

[[gnu::flatten]] void PixelClaimer::claimOutline(const IntPoint (&p)[4]) {
    if (m_bits.empty()) return;
    const Area area{m_bitmap->width(), m_bitmap->height()};
    ClaimSink sink{m_bits.data(), m_words, area.width, m_list.data(), m_count};
    scanOutline(p, area, sink);
}

[[gnu::flatten]] void PixelClaimer::claimLine(IntPoint a, IntPoint b) {
    if (m_bits.empty()) return;
    const Area area{m_bitmap->width(), m_bitmap->height()};
    ClaimSink sink{m_bits.data(), m_words, area.width, m_list.data(), m_count};
    scanLine(a, b, area, sink);
}

void PixelClaimer::paint(std::size_t from, std::size_t to, TColor color) {
    if (from >= to || to > m_count) return;
    const std::uint32_t raw = rawColourFor(*m_bitmap, color);
    if (m_bitmap->format() == PixelFormat::Indexed8) {
        std::uint8_t* pixels = m_bitmap->indexRow(0);
        for (std::size_t i = from; i < to; ++i) pixels[m_list[i]] = static_cast<std::uint8_t>(raw);
    } else {
        std::uint32_t* pixels = m_bitmap->rgbRow(0);
        for (std::size_t i = from; i < to; ++i) pixels[m_list[i]] = raw & 0xFFFFFFu;
    }
    m_written += to - from;
}

}  // namespace vantor
