// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pixels/Png.h"

#include <stdexcept>
#include <zlib.h>

#include "platform/pixels/PngChunks.h"

namespace vantor {

using png::chunk;
using png::put32;

std::vector<std::uint8_t> encodePng(const Bitmap& bitmap) {
    const int w = bitmap.width(), h = bitmap.height();
    if (w <= 0 || h <= 0) throw std::invalid_argument("an empty picture cannot be written as PNG");
    const bool indexed = bitmap.format() == PixelFormat::Indexed8;

    std::vector<std::uint8_t> header;
    put32(header, static_cast<std::uint32_t>(w));
    put32(header, static_cast<std::uint32_t>(h));
    header.push_back(8);                // bits per sample
    header.push_back(indexed ? 3 : 2);  // palette or RGB
    header.push_back(0);                // deflate
    header.push_back(0);                // adaptive filtering
    header.push_back(0);                // not interlaced

    // Rows top-down, each with filter type 0 (none).
    const std::size_t rowBytes = static_cast<std::size_t>(w) * (indexed ? 1 : 3);
    std::vector<std::uint8_t> raw;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);
        if (indexed) {
            const std::uint8_t* row = bitmap.indexRow(y);
            raw.insert(raw.end(), row, row + w);
        } else {
            const std::uint32_t* row = bitmap.rgbRow(y);
            for (int x = 0; x < w; ++x) {
                raw.push_back(static_cast<std::uint8_t>(row[x] >> 16));
                raw.push_back(static_cast<std::uint8_t>(row[x] >> 8));
                raw.push_back(static_cast<std::uint8_t>(row[x]));
            }
        }
    }
    // Level 6: level 9 takes about twice as long on a picture like the
    // display's for about one per cent fewer bytes.
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6) != Z_OK)
        throw std::runtime_error("PNG compression failed");
    packed.resize(packedSize);

    std::vector<std::uint8_t> out = png::signature();
    chunk(out, "IHDR", header);
    if (indexed) {
        // All 256 entries, so that every index a pixel can hold has a colour.
        std::vector<std::uint8_t> palette;
        for (int i = 0; i < 256; ++i) {
            const PaletteEntry e = bitmap.colorTableEntry(i);
            palette.insert(palette.end(), {e.r, e.g, e.b});
        }
        chunk(out, "PLTE", palette);
    }
    chunk(out, "IDAT", packed);
    chunk(out, "IEND", {});
    return out;
}

}  // namespace vantor
