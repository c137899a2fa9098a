#include <algorithm>
#include <cctype>
#include <cstring>

#include "anime/export/AnimationWriter.h"

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

int gifDelayCentiseconds(int delayMs) { return std::clamp((std::max(delayMs, 0) + 5) / 10, 2, 65535); }

Bitmap fitFrame(const Bitmap& frame, int width, int height) {
    Bitmap out(width, height, frame.format());
    const int w = std::min(width, frame.width()), h = std::min(height, frame.height());
    if (frame.format() == PixelFormat::Indexed8) {
        out.attachPalette(frame.palette());
        const std::uint8_t black = frame.palette() ? static_cast<std::uint8_t>(frame.palette()->nearestIndex(0)) : 0;
        for (int y = 0; y < height; ++y) {
            std::uint8_t* row = out.indexRow(y);
            std::fill(row, row + width, black);
            if (y < h) std::copy(frame.indexRow(y), frame.indexRow(y) + w, row);
        }
    } else {
        for (int y = 0; y < h; ++y) std::copy(frame.rgbRow(y), frame.rgbRow(y) + w, out.rgbRow(y));
    }
    return out;
}

}  // namespace vantor
