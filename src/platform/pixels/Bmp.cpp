// SPDX-License-Identifier: GPL-3.0-or-later
// Writing bitmap files, and the file-level read and write.
#include "platform/pixels/Bmp.h"

#include <limits>

#include "platform/files/IoError.h"
#include "platform/files/AtomicReplace.h"
#include "platform/files/ByteReader.h"

namespace vantor {

std::vector<std::uint8_t> encodeBmp(const Bitmap& bitmap) {
    if (bitmap.isEmpty()) throw IoError("cannot store an empty picture as a bitmap file", "");
    const bool indexed = bitmap.format() == PixelFormat::Indexed8;
    const std::uint64_t w = static_cast<std::uint64_t>(bitmap.width());
    const std::uint64_t h = static_cast<std::uint64_t>(bitmap.height());
    const std::uint64_t stride = (w * (indexed ? 8 : 24) + 31) / 32 * 4;
    const std::uint64_t offBits = 14 + 40 + (indexed ? 256 * 4 : 0);
    const std::uint64_t imageSize = stride * h;
    if (offBits + imageSize > std::numeric_limits<std::uint32_t>::max() ||
        w > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
        throw IoError("picture too large for a bitmap file", "");

    ByteWriter out;
    out.bytes.reserve(offBits + imageSize);
    out.u8('B');
    out.u8('M');
    out.u32(static_cast<std::uint32_t>(offBits + imageSize));
    out.u32(0);  // reserved
    out.u32(static_cast<std::uint32_t>(offBits));
    out.u32(40);
    out.i32(bitmap.width());
    out.i32(bitmap.height());  // positive: bottom row first
    out.u16(1);
    out.u16(indexed ? 8 : 24);
    out.u32(0);  // uncompressed
    out.u32(static_cast<std::uint32_t>(imageSize));
    out.i32(0);
    out.i32(0);
    out.u32(indexed ? 256 : 0);
    out.u32(0);
    if (indexed) {
        for (int i = 0; i < 256; ++i) {
            const PaletteEntry e = bitmap.colorTableEntry(i);
            out.u8(e.b);
            out.u8(e.g);
            out.u8(e.r);
            out.u8(0);
        }
    }
    const std::size_t padding = static_cast<std::size_t>(stride - w * (indexed ? 1 : 3));
    for (int y = bitmap.height() - 1; y >= 0; --y) {
        if (indexed) {
            const std::uint8_t* row = bitmap.indexRow(y);
            out.bytes.insert(out.bytes.end(), row, row + w);
        } else {
            const std::uint32_t* row = bitmap.rgbRow(y);
            for (std::uint64_t x = 0; x < w; ++x) {
                out.u8(row[x] & 0xFF);
                out.u8((row[x] >> 8) & 0xFF);
                out.u8((row[x] >> 16) & 0xFF);
            }
        }
        out.zeros(padding);
    }
    return std::move(out.bytes);
}

void writeBmpFile(const std::string& path, const Bitmap& bitmap) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = encodeBmp(bitmap);
    } catch (const IoError& e) {
        throw IoError(e.what(), path);
    }
    replaceFile(path, bytes, path);
}

}  // namespace vantor
