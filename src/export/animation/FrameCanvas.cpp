// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/animation/FrameCanvas.h"

#include <algorithm>
#include <cstring>

#include "export/animation/AnimationWriter.h"

namespace vantor {

void canvasPixels(const Bitmap& input, int width, int height, std::vector<std::uint32_t>& out) {
    Bitmap scaled;
    const Bitmap& placed = placeFrame(input, scaled);
    const bool fits = placed.width() == width && placed.height() == height;
    const Bitmap fitted = fits ? Bitmap() : fitFrame(placed, width, height);
    const Bitmap& frame = fits ? placed : fitted;
    out.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::uint32_t lut[256] = {};
    const bool indexed = frame.format() == PixelFormat::Indexed8;
    if (indexed)
        for (int i = 0; i < 256; ++i) {
            const PaletteEntry e = frame.colorTableEntry(i);
            lut[i] = (std::uint32_t(e.r) << 16) | (std::uint32_t(e.g) << 8) | e.b;
        }
    for (int y = 0; y < height; ++y) {
        std::uint32_t* dst = out.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        if (indexed) {
            const std::uint8_t* src = frame.indexRow(y);
            for (int x = 0; x < width; ++x) dst[x] = lut[src[x]];
        } else {
            const std::uint32_t* src = frame.rgbRow(y);
            for (int x = 0; x < width; ++x) dst[x] = src[x] & 0xFFFFFFu;
        }
    }
}

CanvasRect changedRect(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b, int width, int height) {
    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t rowBytes = w * sizeof(std::uint32_t);
    auto rowDiffers = [&](int y) { return std::memcmp(&a[y * w], &b[y * w], rowBytes) != 0; };
    int top = 0;
    while (top < height && !rowDiffers(top)) ++top;
    if (top == height) return {};
    int bottom = height - 1;
    while (!rowDiffers(bottom)) --bottom;
    int left = width, right = -1;
    for (int y = top; y <= bottom; ++y) {
        const std::uint32_t* p = &a[y * w];
        const std::uint32_t* q = &b[y * w];
        int x = 0;
        while (x < left && p[x] == q[x]) ++x;
        if (x < left) left = x;
        int r = width - 1;
        while (r > right && p[r] == q[r]) --r;
        if (r > right) right = r;
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

std::vector<std::uint32_t> cutRect(const std::vector<std::uint32_t>& canvas, int width, const CanvasRect& rect) {
    std::vector<std::uint32_t> out(static_cast<std::size_t>(rect.width) * static_cast<std::size_t>(rect.height));
    for (int y = 0; y < rect.height; ++y)
        std::copy_n(&canvas[static_cast<std::size_t>(rect.y + y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(rect.x)],
                    rect.width, &out[static_cast<std::size_t>(y) * static_cast<std::size_t>(rect.width)]);
    return out;
}

}  // namespace vantor
