// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding Windows bitmap files. Stages: file header, info header (with bit
// masks and colour table), size checks, then one pixel decoder per encoding.
// Every read goes through ByteReader or is checked against the byte count
// computed before decoding, and sizes are capped before anything is
// allocated.
#include <bit>
#include <memory>
#include <string>

#include "platform/files/BoundedRead.h"
#include "platform/files/ByteReader.h"
#include "platform/pixels/Bmp.h"

namespace vantor {

namespace {

constexpr std::int64_t MaxSide = 32768;
constexpr std::int64_t MaxPixels = std::int64_t(1) << 28;
// An uncompressed picture's size is bounded by the file, which must hold
// every pixel; a run-length picture of a hundred bytes could claim
// MaxPixels. A background picture never needs more than this.
constexpr std::int64_t MaxRleSide = 4096;
constexpr std::int64_t MaxRlePixels = MaxRleSide * MaxRleSide;

enum Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

struct Info {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = Rgb;
    std::uint32_t masks[3] = {0, 0, 0};  // red, green, blue
    std::vector<PaletteEntry> table;
    std::size_t pixelOffset = 0;
};

[[noreturn]] void reject(const std::string& what, const std::string& fileName) {
    throw IoError("invalid bitmap file (" + what + ")", fileName);
}

void readColorTable(ByteReader& r, Info& info, std::uint32_t colorsUsed, std::size_t entrySize,
                    std::uint32_t offBits) {
    if (info.bitCount > 8) return;
    std::size_t count = std::size_t(1) << info.bitCount;
    if (colorsUsed != 0 && colorsUsed < count) count = colorsUsed;
    // Some writers store a shorter table without saying so; the pixel data
    // offset then cuts it.
    const std::size_t start = r.offset();
    if (offBits >= start && offBits < start + count * entrySize) count = (offBits - start) / entrySize;
    info.table.resize(count);
    for (PaletteEntry& e : info.table) {
        e.b = r.u8();
        e.g = r.u8();
        e.r = r.u8();
        if (entrySize == 4) r.u8();
    }
}

Info readHeaders(ByteReader& r, const std::string& fileName) {
    if (r.size() < 2 || r.u8() != 'B' || r.u8() != 'M') reject("no BM signature", fileName);
    r.skip(8);  // file size and reserved words, which writers fill unreliably
    const std::uint32_t offBits = r.u32();
    const std::uint32_t headerSize = r.u32();
    Info info;
    std::uint32_t colorsUsed = 0;
    std::size_t entrySize = 4;
    if (headerSize == 12) {
        info.width = r.u16();
        info.height = r.u16();
        r.u16();  // planes
        info.bitCount = r.u16();
        entrySize = 3;
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 || headerSize == 124) {
        info.width = r.i32();
        const std::int32_t h = r.i32();
        info.topDown = h < 0;
        info.height = h < 0 ? -std::int64_t(h) : h;
        r.u16();  // planes
        info.bitCount = r.u16();
        info.compression = r.u32();
        r.skip(12);  // image size, resolution
        colorsUsed = r.u32();
        r.u32();  // important colours
        const bool fields = info.compression == BitFields || info.compression == AlphaBitFields;
        if (headerSize >= 52 || fields) {
            // Masks sit inside the larger headers and right after the
            // 40-byte one.
            for (std::uint32_t& m : info.masks) m = r.u32();
            if (headerSize == 40 && info.compression == AlphaBitFields) r.u32();
        }
        if (headerSize > 40) r.seek(14 + std::size_t(headerSize));
    } else {
        reject("unsupported header size " + std::to_string(headerSize), fileName);
    }

    if (info.width <= 0 || info.height <= 0)
        reject("bad size " + std::to_string(info.width) + " x " + std::to_string(info.height), fileName);
    if (info.width > MaxSide || info.height > MaxSide || info.width * info.height > MaxPixels)
        reject("picture too large: " + std::to_string(info.width) + " x " + std::to_string(info.height), fileName);
    const int bpp = info.bitCount;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        reject("unsupported bit count " + std::to_string(bpp), fileName);
    switch (info.compression) {
    case Rgb: break;
    case Rle8:
        if (bpp != 8) reject("RLE8 with " + std::to_string(bpp) + " bits per pixel", fileName);
        break;
    case Rle4:
        if (bpp != 4) reject("RLE4 with " + std::to_string(bpp) + " bits per pixel", fileName);
        break;
    case BitFields:
    case AlphaBitFields:
        if (bpp != 16 && bpp != 32) reject("bit fields with " + std::to_string(bpp) + " bits per pixel", fileName);
        break;
    default: reject("unsupported compression " + std::to_string(info.compression), fileName);
    }
    if (info.topDown && (info.compression == Rle8 || info.compression == Rle4))
        reject("top-down picture with RLE compression", fileName);
    if ((info.compression == Rle8 || info.compression == Rle4) && info.width * info.height > MaxRlePixels)
        reject("RLE-compressed picture too large: " + std::to_string(info.width) + " x " + std::to_string(info.height) +
                   " (at most " + std::to_string(MaxRlePixels) + " pixels, e.g. " + std::to_string(MaxRleSide) + " x " +
                   std::to_string(MaxRleSide) + ")",
               fileName);

    if (offBits != 0 && offBits < r.offset()) reject("pixel data offset " + std::to_string(offBits) + " inside the headers", fileName);
    readColorTable(r, info, colorsUsed, entrySize, offBits);
    info.pixelOffset = offBits != 0 ? offBits : r.offset();
    return info;
}

// One colour channel of a bit-field pixel, scaled to 8 bits.
struct Channel {
    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        bits = 32 - std::countl_zero(mask) - shift;
    }
    std::uint8_t operator()(std::uint32_t v) const {
        if (mask == 0) return 0;
        const std::uint64_t x = (v & mask) >> shift;
        if (bits >= 8) return static_cast<std::uint8_t>(x >> (bits - 8));
        const std::uint64_t max = (std::uint64_t(1) << bits) - 1;
        return static_cast<std::uint8_t>((x * 255 + max / 2) / max);
    }
    std::uint32_t mask;
    int shift = 0;
    int bits = 0;
};

// An Indexed8 picture with the file's colour table, of the file's size or the one given.
Bitmap indexedBitmap(const Info& info, int width = 0, int height = 0) {
    Bitmap bmp(width > 0 ? width : static_cast<int>(info.width), height > 0 ? height : static_cast<int>(info.height),
               PixelFormat::Indexed8);
    std::vector<PaletteEntry> entries(256);
    std::copy(info.table.begin(), info.table.end(), entries.begin());
    bmp.attachPalette(std::make_shared<Palette>(std::move(entries)));
    return bmp;
}

// The decoding of one stored row of an uncompressed picture.
class RowDecoder {
public:
    explicit RowDecoder(const Info& info)
        : m_info(info), m_red(masks()[0]), m_green(masks()[1]), m_blue(masks()[2]) {}

    std::uint64_t rowBytes() const { return (std::uint64_t(m_info.width) * m_info.bitCount + 7) / 8; }
    std::uint64_t stride() const { return (std::uint64_t(m_info.width) * m_info.bitCount + 31) / 32 * 4; }
    // The row stored `i`-th holds the picture's row rowOf(i), and back.
    int rowOf(int i) const { return m_info.topDown ? i : static_cast<int>(m_info.height) - 1 - i; }

    // Palette indices (up to 8 bits a pixel) of the row at `src`.
    void indices(const std::uint8_t* src, std::uint8_t* dst) const {
        const int bpp = m_info.bitCount, w = static_cast<int>(m_info.width);
        const int perByte = 8 / bpp;
        const unsigned valueMask = (1u << bpp) - 1;
        for (int x = 0; x < w; ++x) {
            const int shift = 8 - bpp * (x % perByte + 1);
            dst[x] = static_cast<std::uint8_t>((src[x / perByte] >> shift) & valueMask);
        }
    }

    // 0xRRGGBB colours (16 bits a pixel and more) of the row at `src`.
    void colours(const std::uint8_t* src, std::uint32_t* dst) const {
        const int bpp = m_info.bitCount, w = static_cast<int>(m_info.width);
        for (int x = 0; x < w; ++x) {
            std::uint8_t r, g, b;
            if (bpp == 24) {
                const std::uint8_t* p = src + 3 * std::size_t(x);
                b = p[0], g = p[1], r = p[2];
            } else {
                const std::uint8_t* p = src + std::size_t(x) * (bpp / 8);
                std::uint32_t v = p[0] | (std::uint32_t(p[1]) << 8);
                if (bpp == 32) v |= (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
                r = m_red(v), g = m_green(v), b = m_blue(v);
            }
            dst[x] = (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b;
        }
    }

private:
    const std::uint32_t* masks() const {
        static constexpr std::uint32_t defaultMasks16[3] = {0x7C00, 0x03E0, 0x001F};
        static constexpr std::uint32_t defaultMasks32[3] = {0xFF0000, 0x00FF00, 0x0000FF};
        const bool fields = m_info.compression == BitFields || m_info.compression == AlphaBitFields;
        return fields ? m_info.masks : (m_info.bitCount == 16 ? defaultMasks16 : defaultMasks32);
    }

    const Info& m_info;
    Channel m_red, m_green, m_blue;
};

// The last row's padding may be missing; everything else must be there.
void rejectTruncated(const RowDecoder& rows, std::uint64_t have, const Info& info, const std::string& fileName) {
    const std::uint64_t need = rows.stride() * std::uint64_t(info.height - 1) + rows.rowBytes();
    if (need > have)
        reject("pixel data truncated: " + std::to_string(have) + " of " + std::to_string(need) + " bytes", fileName);
}

// `pixels`, `have`: the file's bytes from the pixel data offset on.
Bitmap decodeUncompressed(const std::uint8_t* pixels, std::uint64_t have, const Info& info, const std::string& fileName) {
    const RowDecoder rows(info);
    rejectTruncated(rows, have, info, fileName);
    const int w = static_cast<int>(info.width), h = static_cast<int>(info.height);
    Bitmap bmp = info.bitCount <= 8 ? indexedBitmap(info) : Bitmap(w, h, PixelFormat::Rgb32);
    for (int i = 0; i < h; ++i) {
        const std::uint8_t* src = pixels + rows.stride() * std::uint64_t(i);
        if (info.bitCount <= 8) rows.indices(src, bmp.indexRow(rows.rowOf(i)));
        else rows.colours(src, bmp.rgbRow(rows.rowOf(i)));
    }
    return bmp;
}

// Run-length encoded 4- and 8-bit pictures, bottom row first. Runs that
// overshoot the row are cut; moves beyond the top end the picture, as does
// the end-of-bitmap escape; data that stops before either is an error.
Bitmap decodeRle(const std::uint8_t* pixels, std::size_t have, const Info& info, const std::string& fileName) {
    const bool four = info.compression == Rle4;
    const std::int64_t w = info.width, h = info.height;
    Bitmap bmp = indexedBitmap(info);
    ByteReader r(pixels, have, fileName);
    std::int64_t x = 0, row = 0;
    auto put = [&](std::uint8_t index) {
        if (x < w && row < h) bmp.indexRow(static_cast<int>(h - 1 - row))[x] = index;
        ++x;
    };
    while (row < h) {
        if (r.remaining() < 2) r.fail("RLE data ends without end-of-bitmap marker");
        const std::uint8_t count = r.u8(), value = r.u8();
        if (count > 0) {
            for (int i = 0; i < count && x < w; ++i) put(four ? ((i % 2 == 0) ? value >> 4 : value & 0x0F) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++row;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // delta
            x += r.u8();
            row += r.u8();
        } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
            const std::size_t dataBytes = four ? (value + 1u) / 2 : value;
            std::uint8_t byte = 0;
            for (int i = 0; i < value; ++i) {
                if (!four || i % 2 == 0) byte = r.u8();
                put(four ? ((i % 2 == 0) ? byte >> 4 : byte & 0x0F) : byte);
            }
            r.skip(dataBytes % 2);
        }
    }
    return bmp;
}

bool isRle(const Info& info) { return info.compression == Rle8 || info.compression == Rle4; }

// The most pixel data a picture can use. Uncompressed: every row with its
// padding. Run-length: two bytes a pixel (a run of one pixel, or three
// literal pixels padded to six bytes), an end-of-line per row and the
// end-of-bitmap; a stream that needs more repeats moves that do nothing.
std::uint64_t usablePixelBytes(const Info& info) {
    const std::uint64_t w = static_cast<std::uint64_t>(info.width), h = static_cast<std::uint64_t>(info.height);
    if (isRle(info)) return (2 * w + 2) * h + 2;
    return (w * static_cast<std::uint64_t>(info.bitCount) + 31) / 32 * 4 * h;
}

Bitmap decodePixels(const std::uint8_t* pixels, std::size_t have, const Info& info, const std::string& fileName) {
    if (isRle(info)) return decodeRle(pixels, have, info, fileName);
    return decodeUncompressed(pixels, have, info, fileName);
}

void rejectOffsetBeyondEnd(const Info& info, std::uint64_t fileSize, const std::string& fileName) {
    if (info.pixelOffset > fileSize)
        reject("pixel data offset " + std::to_string(info.pixelOffset) + " beyond the end", fileName);
}

// File header, the largest info header and a full colour table.
constexpr std::size_t MaxHeaderBytes = 14 + 124 + 256 * 4;

// Which source pixel each of `to` pixels takes from a line of `from`.
std::vector<int> nearestSources(std::int64_t from, int to) {
    std::vector<int> out(static_cast<std::size_t>(to));
    for (int i = 0; i < to; ++i) out[static_cast<std::size_t>(i)] = nearestSourcePixel(i, from, to);
    return out;
}

// `picture` brought to width x height by nearest source pixels.
Bitmap pickPixels(const Bitmap& picture, int width, int height) {
    Bitmap out(width, height, picture.format());
    const std::vector<int> columns = nearestSources(picture.width(), width);
    for (int y = 0; y < height; ++y) {
        const int sy = nearestSourcePixel(y, picture.height(), height);
        for (int x = 0; x < width; ++x) {
            const int sx = columns[static_cast<std::size_t>(x)];
            if (picture.format() == PixelFormat::Indexed8) out.indexRow(y)[x] = picture.indexRow(sy)[sx];
            else out.rgbRow(y)[x] = picture.rgbRow(sy)[sx];
        }
    }
    out.attachPalette(picture.palette());
    return out;
}

}  // namespace

int nearestSourcePixel(int index, std::int64_t from, int to) {
    return static_cast<int>((2 * std::int64_t(index) + 1) * from / (2 * std::int64_t(to)));
}

Bitmap readBmpFileFitted(const std::string& path, const std::string& shownName, const FittedSize& fit) {
    const InputFile file(path, shownName);
    const std::vector<std::uint8_t> head = file.readAt(0, MaxHeaderBytes);
    ByteReader r(head, shownName);
    const Info info = readHeaders(r, shownName);
    rejectOffsetBeyondEnd(info, file.size(), shownName);
    const auto [width, height] = fit(static_cast<int>(info.width), static_cast<int>(info.height));
    const bool same = width == info.width && height == info.height;
    if (same || isRle(info) || width <= 0 || height <= 0 || width > info.width || height > info.height) {
        // Run-length pictures are capped small enough to decode whole.
        const std::vector<std::uint8_t> pixels = file.readAt(info.pixelOffset, static_cast<std::size_t>(usablePixelBytes(info)));
        const Bitmap whole = decodePixels(pixels.data(), pixels.size(), info, shownName);
        return same ? whole : pickPixels(whole, width, height);
    }
    const RowDecoder rows(info);
    rejectTruncated(rows, file.size() - info.pixelOffset, info, shownName);
    Bitmap out = info.bitCount <= 8 ? indexedBitmap(info, width, height) : Bitmap(width, height, PixelFormat::Rgb32);
    const std::vector<int> columns = nearestSources(info.width, width);
    std::vector<std::uint8_t> indexRow(info.bitCount <= 8 ? static_cast<std::size_t>(info.width) : 0);
    std::vector<std::uint32_t> colourRow(info.bitCount <= 8 ? 0 : static_cast<std::size_t>(info.width));
    for (int y = 0; y < height; ++y) {
        const int sy = nearestSourcePixel(y, info.height, height);
        const int stored = rows.rowOf(sy);  // rowOf is its own inverse
        const std::vector<std::uint8_t> src = file.readAt(info.pixelOffset + rows.stride() * std::uint64_t(stored),
                                                          static_cast<std::size_t>(rows.rowBytes()));
        if (src.size() < rows.rowBytes()) reject("pixel data truncated", shownName);
        if (info.bitCount <= 8) {
            rows.indices(src.data(), indexRow.data());
            for (int x = 0; x < width; ++x) out.indexRow(y)[x] = indexRow[static_cast<std::size_t>(columns[static_cast<std::size_t>(x)])];
        } else {
            rows.colours(src.data(), colourRow.data());
            for (int x = 0; x < width; ++x) out.rgbRow(y)[x] = colourRow[static_cast<std::size_t>(columns[static_cast<std::size_t>(x)])];
        }
    }
    return out;
}

Bitmap decodeBmp(const std::vector<std::uint8_t>& bytes, const std::string& fileName) {
    ByteReader r(bytes, fileName);
    const Info info = readHeaders(r, fileName);
    rejectOffsetBeyondEnd(info, bytes.size(), fileName);
    return decodePixels(bytes.data() + info.pixelOffset, bytes.size() - info.pixelOffset, info, fileName);
}

Bitmap readBmpFile(const std::string& path, const std::string& shownName) {
    const InputFile file(path, shownName);
    const std::vector<std::uint8_t> head = file.readAt(0, MaxHeaderBytes);
    ByteReader r(head, shownName);
    const Info info = readHeaders(r, shownName);
    rejectOffsetBeyondEnd(info, file.size(), shownName);
    // The headers cap the size, so this stays within what the pixels need.
    const std::vector<std::uint8_t> pixels = file.readAt(info.pixelOffset, static_cast<std::size_t>(usablePixelBytes(info)));
    return decodePixels(pixels.data(), pixels.size(), info, shownName);
}

}  // namespace vantor
