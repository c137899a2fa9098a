// SPDX-License-Identifier: GPL-3.0-or-later
// What the animation writers share: formats by name, stored delays, and the
// placement of frames of another size.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "export/animation/AnimationWriter.h"

namespace vantor {

bool animationFormatOfPath(const std::string& path, AnimationFormat& format) {
    std::string l = path;
    for (char& c : l) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto ends = [&l](const char* ext) {
        const std::size_t n = std::strlen(ext);
        return l.size() > n && l.compare(l.size() - n, n, ext) == 0;
    };
    if (ends(".gif")) format = AnimationFormat::Gif;
    else if (ends(".png") || ends(".apng")) format = AnimationFormat::Apng;
    else return false;
    return true;
}

void MemorySink::overwrite(std::uint64_t offset, const std::vector<std::uint8_t>& replacement) {
    std::copy(replacement.begin(), replacement.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

int gifDelayCentiseconds(int delayMs) { return std::clamp((std::max(delayMs, 0) + 5) / 10, 2, 65535); }

int storedDelayMs(AnimationFormat format, int delayMs) {
    if (format == AnimationFormat::Gif) return gifDelayCentiseconds(delayMs) * 10;
    return std::clamp(delayMs, 1, 65535);
}

FrameSize placedSize(int width, int height) {
    if (width <= FrameAreaWidth && height <= FrameAreaHeight) return {width, height};
    const std::int64_t w = width, h = height;
    // The side that overflows more takes the area's full length.
    if (w * FrameAreaHeight >= h * FrameAreaWidth)
        return {FrameAreaWidth, static_cast<int>(std::max<std::int64_t>(1, h * FrameAreaWidth / w))};
    return {static_cast<int>(std::max<std::int64_t>(1, w * FrameAreaHeight / h)), FrameAreaHeight};
}

const Bitmap& placeFrame(const Bitmap& frame, Bitmap& scratch) {
    const FrameSize size = placedSize(frame.width(), frame.height());
    if (size.width == frame.width() && size.height == frame.height()) return frame;
    scratch.resize(size.width, size.height, frame.format());
    const std::int64_t sw = frame.width(), sh = frame.height();
    std::vector<int> column(static_cast<std::size_t>(size.width));
    for (int x = 0; x < size.width; ++x) column[static_cast<std::size_t>(x)] = static_cast<int>((2 * x + 1) * sw / (2 * size.width));
    for (int y = 0; y < size.height; ++y) {
        const int sy = static_cast<int>((2 * y + 1) * sh / (2 * size.height));
        if (frame.format() == PixelFormat::Indexed8) {
            const std::uint8_t* src = frame.indexRow(sy);
            std::uint8_t* dst = scratch.indexRow(y);
            for (int x = 0; x < size.width; ++x) dst[x] = src[column[static_cast<std::size_t>(x)]];
        } else {
            const std::uint32_t* src = frame.rgbRow(sy);
            std::uint32_t* dst = scratch.rgbRow(y);
            for (int x = 0; x < size.width; ++x) dst[x] = src[column[static_cast<std::size_t>(x)]];
        }
    }
    scratch.attachPalette(frame.palette());
    return scratch;
}

Bitmap fitFrame(const Bitmap& frame, int width, int height) {
    Bitmap out(width, height, frame.format());
    const int h = std::min(height, frame.height());
    const std::size_t w = static_cast<std::size_t>(std::max(0, std::min(width, frame.width())));
    if (frame.format() == PixelFormat::Indexed8) {
        out.attachPalette(frame.palette());
        const std::uint8_t black = frame.palette() ? static_cast<std::uint8_t>(frame.palette()->nearestIndex(0)) : 0;
        for (int y = 0; y < height; ++y) {
            std::uint8_t* row = out.indexRow(y);
            std::fill(row, row + width, black);
            if (y < h) std::copy_n(frame.indexRow(y), w, row);
        }
    } else {
        for (int y = 0; y < h; ++y) std::copy_n(frame.rgbRow(y), w, out.rgbRow(y));
    }
    return out;
}

}  // namespace vantor
