// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Animated GIF and PNG files decoded into the frames a viewer shows (each
// frame drawn over what the frame before left), for measuring how close an
// animation keeps its frames: mean PSNR against the true frames.
#include <gif_lib.h>
#include <zlib.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vantor::bench {

using Frame = std::vector<std::uint32_t>;  // 0xRRGGBB, row by row

inline std::vector<std::uint8_t> readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The frames of a GIF as shown; empty when it does not decode.
inline std::vector<Frame> gifFrames(const std::string& path, int& width, int& height) {
    int err = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &err);
    std::vector<Frame> out;
    if (!gif) return out;
    if (DGifSlurp(gif) != GIF_OK) {
        DGifCloseFile(gif, &err);
        return out;
    }
    width = gif->SWidth;
    height = gif->SHeight;
    Frame canvas(static_cast<std::size_t>(width) * height, 0);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        const GifImageDesc& d = image.ImageDesc;
        GraphicsControlBlock gcb{};
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(gif, i, &gcb);
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        const Frame before = canvas;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const int index = image.RasterBits[y * d.Width + x];
                if (index == gcb.TransparentColor || d.Left + x >= width || d.Top + y >= height) continue;
                const GifColorType c = map->Colors[index];
                canvas[static_cast<std::size_t>(d.Top + y) * width + d.Left + x] =
                    (std::uint32_t(c.Red) << 16) | (std::uint32_t(c.Green) << 8) | c.Blue;
            }
        out.push_back(canvas);
        if (gcb.DisposalMode == DISPOSE_PREVIOUS) canvas = before;
        if (gcb.DisposalMode == DISPOSE_BACKGROUND)
            for (int y = 0; y < d.Height; ++y)
                for (int x = 0; x < d.Width; ++x)
                    if (d.Left + x < width && d.Top + y < height) canvas[static_cast<std::size_t>(d.Top + y) * width + d.Left + x] = 0;
    }
    DGifCloseFile(gif, &err);
    return out;
}

// The frames of an animated PNG of 8-bit RGB with "Sub" rows, as this
// program writes them.
inline std::vector<Frame> apngFrames(const std::string& path, int& width, int& height) {
    const std::vector<std::uint8_t> b = readAll(path);
    auto be32 = [](const std::uint8_t* p) {
        return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
    };
    std::vector<Frame> out;
    Frame canvas;
    int w = 0, h = 0, fx = 0, fy = 0;
    for (std::size_t at = 8; at + 12 <= b.size();) {
        const std::uint32_t length = be32(&b[at]);
        const std::string type(reinterpret_cast<const char*>(&b[at + 4]), 4);
        const std::uint8_t* data = &b[at + 8];
        if (type == "IHDR") {
            width = static_cast<int>(be32(data));
            height = static_cast<int>(be32(data + 4));
            canvas.assign(static_cast<std::size_t>(width) * height, 0);
        } else if (type == "fcTL") {
            w = static_cast<int>(be32(data + 4)), h = static_cast<int>(be32(data + 8));
            fx = static_cast<int>(be32(data + 12)), fy = static_cast<int>(be32(data + 16));
        } else if (type == "IDAT" || type == "fdAT") {
            const std::size_t skip = type == "fdAT" ? 4 : 0;
            const std::size_t stride = static_cast<std::size_t>(w) * 3 + 1;
            std::vector<std::uint8_t> raw(stride * h);
            uLongf size = static_cast<uLongf>(raw.size());
            uncompress(raw.data(), &size, data + skip, length - skip);
            for (int y = 0; y < h; ++y) {
                std::uint8_t* row = raw.data() + stride * y;
                for (std::size_t i = 4; i < stride; ++i) row[i] = static_cast<std::uint8_t>(row[i] + row[i - 3]);
                for (int x = 0; x < w; ++x)
                    canvas[static_cast<std::size_t>(fy + y) * width + fx + x] =
                        (std::uint32_t(row[1 + 3 * x]) << 16) | (std::uint32_t(row[2 + 3 * x]) << 8) | row[3 + 3 * x];
            }
            out.push_back(canvas);
        }
        at += 12 + length;
    }
    return out;
}

// Mean over the frames of each frame's PSNR (dB) against the truth; 0 when
// the frame counts differ.
inline double meanPsnr(const std::vector<Frame>& truth, const std::vector<Frame>& shown) {
    if (truth.size() != shown.size() || truth.empty()) return 0;
    double total = 0;
    for (std::size_t f = 0; f < truth.size(); ++f) {
        double sum = 0;
        for (std::size_t i = 0; i < truth[f].size(); ++i)
            for (int shift : {0, 8, 16}) {
                const double d = double((truth[f][i] >> shift) & 0xFF) - double((shown[f][i] >> shift) & 0xFF);
                sum += d * d;
            }
        const double mse = sum / (3.0 * truth[f].size());
        total += mse == 0 ? 100.0 : 10 * std::log10(255.0 * 255.0 / mse);
    }
    return total / truth.size();
}

}  // namespace vantor::bench
