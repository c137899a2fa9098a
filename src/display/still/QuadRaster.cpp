#include "display/still/QuadRaster.h"

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

}  // namespace

QuadRaster::QuadRaster(Bitmap& bitmap)
    : m_bitmap(bitmap), m_width(bitmap.width()), m_height(bitmap.height()), m_indexed(bitmap.format() == PixelFormat::Indexed8) {}

inline void QuadRaster::span(int y, int x1, int x2, std::uint32_t raw) {
    if (x1 < 0) x1 = 0;
    if (x2 > m_width) x2 = m_width;
    if (x1 >= x2) return;
    if (m_indexed) std::fill(m_bitmap.indexRow(y) + x1, m_bitmap.indexRow(y) + x2, static_cast<std::uint8_t>(raw));
    else std::fill(m_bitmap.rgbRow(y) + x1, m_bitmap.rgbRow(y) + x2, raw & 0xFFFFFFu);
}

void QuadRaster::lineRaw(IntPoint a, IntPoint b, std::uint32_t raw) {
    if (!small(a) || !small(b)) return slowLine(a, b, raw);
    if (m_indexed) drawLine(m_bitmap.indexRow(0), a, b, static_cast<std::uint8_t>(raw));
    else drawLine(m_bitmap.rgbRow(0), a, b, raw & 0xFFFFFFu);
}

template <class Pixel>
void QuadRaster::drawLine(Pixel* pixels, IntPoint a, IntPoint b, Pixel value) {
    const long long dx = static_cast<long long>(b.x) - a.x, dy = static_cast<long long>(b.y) - a.y;
    if (dx == 0 && dy == 0) return;
    const long long adx = std::llabs(dx), ady = std::llabs(dy);
    // The major axis runs over every column (or row) from a toward b without
    // b's; the minor coordinate is the exact position rounded to the
    // nearest pixel, an exact half going to the smaller one:
    // ceil((2 * i * d - n) / (2 * n)) for step i, minor delta d, length n.
    // Both are stepped with a remainder instead of dividing.
    const bool xMajor = adx >= ady;
    const long long n = xMajor ? adx : ady, d = xMajor ? dy : dx;
    const int major0 = xMajor ? a.x : a.y, minor0 = xMajor ? a.y : a.x;
    const int majorSize = xMajor ? m_width : m_height, minorSize = xMajor ? m_height : m_width;
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
    const std::ptrdiff_t stride = m_width;
    long long major = major0 + lo * dir;
    long long m = minor0 + minor;
    for (long long i = lo; i <= hi; ++i) {
        if (m >= 0 && m < minorSize) {
            const std::ptrdiff_t x = xMajor ? major : m, y = xMajor ? m : major;
            pixels[y * stride + x] = value;
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

void QuadRaster::fillInterior(const IntPoint (&p)[4], std::uint32_t raw) {
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
    const int yLo = std::max(minY, 0), yHi = std::min(maxY, m_height);
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
            fillSpan(y, c0, c1, raw);
        } else if (n == 4) {
            order(c0, c1);
            order(c2, c3);
            order(c0, c2);
            order(c1, c3);
            order(c1, c2);
            fillSpan(y, c0, c1, raw);
            fillSpan(y, c2, c3, raw);
        }
        // Any other count cannot arise: a closed polygon crosses a row an
        // even number of times.
    }
}

void QuadRaster::fillSpan(int y, long long x1, long long x2, std::uint32_t raw) {
    const long long l = std::max(x1, 0LL), r = std::min<long long>(x2, m_width);
    if (l < r) span(y, static_cast<int>(l), static_cast<int>(r), raw);
}

void QuadRaster::polygonRaw(const IntPoint (&p)[4], std::uint32_t raw) {
    if (!small(p[0]) || !small(p[1]) || !small(p[2]) || !small(p[3])) return slowPolygon(p, raw);
    fillInterior(p, raw);
    outlineRaw(p, raw);
}

void QuadRaster::outlineRaw(const IntPoint (&p)[4], std::uint32_t raw) {
    for (int i = 0; i < 4; ++i) lineRaw(p[i], p[(i + 1) & 3], raw);
}

void QuadRaster::slowPolygon(const IntPoint (&p)[4], std::uint32_t raw) {
    const IntRect clip{0, 0, m_width, m_height};
    raster::FunctionSink sink([&](int y, int x1, int x2) { span(y, x1, x2, raw); });
    raster::polygonFill(std::vector<IntPoint>(p, p + 4), clip, sink);
    for (int i = 0; i < 4; ++i) raster::line(p[i], p[(i + 1) & 3], clip, sink);
}

void QuadRaster::slowLine(IntPoint a, IntPoint b, std::uint32_t raw) {
    raster::FunctionSink sink([&](int y, int x1, int x2) { span(y, x1, x2, raw); });
    raster::line(a, b, IntRect{0, 0, m_width, m_height}, sink);
}

}  // namespace vantor
