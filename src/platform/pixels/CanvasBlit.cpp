// SPDX-License-Identifier: GPL-3.0-or-later
// Copying whole pictures onto the canvas. These are not pen or brush
// operations: they copy each pixel's colour and ignore the pen mode.
#include <algorithm>
#include <unordered_map>
#include <vector>

#include "platform/pixels/Canvas.h"

namespace vantor {

void Canvas::stretchDraw(const IntRect& rect, const Bitmap& source) {
    blit(rect.left, rect.top, rect.right, rect.bottom, source);
}

void Canvas::draw(int x, int y, const Bitmap& source) {
    blit(x, y, static_cast<long long>(x) + source.width(), static_cast<long long>(y) + source.height(), source);
}

void Canvas::blit(long long left, long long top, long long right, long long bottom, const Bitmap& source) {
    if (source.isEmpty() || m_bitmap.isEmpty() || left == right || top == bottom) return;
    if (&source == &m_bitmap) {
        // Scaling a picture onto itself would read pixels already written.
        const Bitmap copy = source;
        blit(left, top, right, bottom, copy);
        return;
    }
    const bool mirrorX = right < left, mirrorY = bottom < top;
    const long long x0 = std::min(left, right), x1 = std::max(left, right);
    const long long y0 = std::min(top, bottom), y1 = std::max(top, bottom);
    const long long cx0 = std::max(x0, 0LL), cx1 = std::min<long long>(x1, m_bitmap.width());
    const long long cy0 = std::max(y0, 0LL), cy1 = std::min<long long>(y1, m_bitmap.height());
    if (cx0 >= cx1 || cy0 >= cy1) return;

    // Nearest neighbour: each destination pixel takes the source pixel under
    // its centre.
    const long long dw = x1 - x0, dh = y1 - y0, sw = source.width(), sh = source.height();
    std::vector<int> column(static_cast<std::size_t>(cx1 - cx0));
    for (long long x = cx0; x < cx1; ++x) {
        const long long i = mirrorX ? x1 - 1 - x : x - x0;
        column[static_cast<std::size_t>(x - cx0)] = static_cast<int>(((2 * i + 1) * sw) / (2 * dw));
    }

    const bool fromIndex = source.format() == PixelFormat::Indexed8;
    const bool toIndex = m_bitmap.format() == PixelFormat::Indexed8;
    std::uint32_t lut[256] = {};
    if (fromIndex && !toIndex) {
        for (int i = 0; i < 256; ++i) {
            const PaletteEntry e = source.colorTableEntry(i);
            lut[i] = m_bitmap.rawFor(rgb(e.r, e.g, e.b));
        }
    }
    std::unordered_map<std::uint32_t, std::uint8_t> nearest;  // true colour -> index
    auto toIndexOf = [&](std::uint32_t v) {
        v &= 0xFFFFFFu;
        auto it = nearest.find(v);
        if (it != nearest.end()) return it->second;
        const auto idx = static_cast<std::uint8_t>(m_bitmap.rawFor(rgb((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF)));
        nearest.emplace(v, idx);
        return idx;
    };

    for (long long y = cy0; y < cy1; ++y) {
        const long long j = mirrorY ? y1 - 1 - y : y - y0;
        const int sy = static_cast<int>(((2 * j + 1) * sh) / (2 * dh));
        const int dy = static_cast<int>(y);
        for (long long x = cx0; x < cx1; ++x) {
            const int sx = column[static_cast<std::size_t>(x - cx0)];
            const int dx = static_cast<int>(x);
            if (toIndex) {
                m_bitmap.indexRow(dy)[dx] = fromIndex ? source.indexRow(sy)[sx] : toIndexOf(source.rgbRow(sy)[sx]);
            } else {
                m_bitmap.rgbRow(dy)[dx] = fromIndex ? lut[source.indexRow(sy)[sx]] : source.rgbRow(sy)[sx] & 0xFFFFFFu;
            }
        }
    }
}

}  // namespace vantor
