// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/files/IoError.h"
#include "platform/files/ByteReader.h"
#include "platform/pixels/Bmp.h"
#include "support/TempDir.h"

namespace vantor {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A hand-made bitmap file.
struct Layout {
    std::uint32_t headerSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> table;  // 0xRRGGBB
    std::vector<std::uint32_t> masks;  // after a 40-byte header, inside larger ones
    std::uint32_t colorsUsed = 0;
    Bytes pixels;
};

Bytes build(const Layout& s) {
    ByteWriter w;
    w.u8('B'), w.u8('M'), w.u32(0), w.u32(0), w.u32(0);
    w.u32(s.headerSize);
    if (s.headerSize == 12) {
        w.u16(static_cast<std::uint16_t>(s.width)), w.u16(static_cast<std::uint16_t>(s.height)), w.u16(1), w.u16(s.bits);
    } else {
        w.i32(s.width), w.i32(s.height), w.u16(1), w.u16(s.bits), w.u32(s.compression);
        w.u32(static_cast<std::uint32_t>(s.pixels.size())), w.i32(0), w.i32(0), w.u32(s.colorsUsed), w.u32(0);
        for (std::size_t i = 0; i < s.masks.size(); ++i) w.u32(s.masks[i]);
        if (s.headerSize > 40) w.zeros(14 + s.headerSize - w.bytes.size());
    }
    for (std::uint32_t c : s.table) {
        w.u8(c & 0xFF), w.u8((c >> 8) & 0xFF), w.u8((c >> 16) & 0xFF);
        if (s.headerSize != 12) w.u8(0);
    }
    const auto offBits = static_cast<std::uint32_t>(w.bytes.size());
    w.bytes.insert(w.bytes.end(), s.pixels.begin(), s.pixels.end());
    const auto size = static_cast<std::uint32_t>(w.bytes.size());
    for (int i = 0; i < 4; ++i) w.bytes[2 + i] = std::uint8_t(size >> (8 * i)), w.bytes[10 + i] = std::uint8_t(offBits >> (8 * i));
    return w.bytes;
}

std::vector<std::uint32_t> raws(const Bitmap& b) {
    std::vector<std::uint32_t> out;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) out.push_back(b.rawPixel(x, y));
    return out;
}

Bitmap patterned(int w, int h, PixelFormat format) {
    Bitmap b(w, h, format);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.setRawPixel(x, y, (x * 0x9E3779B1u + y * 0x85EBCA6Bu) >> 8);
    if (format == PixelFormat::Indexed8) {
        std::vector<PaletteEntry> entries(256);
        for (int i = 0; i < 256; ++i) entries[i] = {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7), false};
        b.attachPalette(std::make_shared<Palette>(entries));
    }
    return b;
}

TEST(Bmp, RoundTripsBothFormatsWithPaddedRows) {
    for (PixelFormat format : {PixelFormat::Indexed8, PixelFormat::Rgb32}) {
        for (auto [w, h] : {std::pair{5, 3}, {1, 1}, {4, 2}, {7, 6}}) {
            SCOPED_TRACE(testing::Message() << w << "x" << h << (format == PixelFormat::Indexed8 ? " indexed" : " rgb"));
            const Bitmap original = patterned(w, h, format);
            const Bytes bytes = encodeBmp(original);
            const bool indexed = format == PixelFormat::Indexed8;
            const int stride = (w * (indexed ? 1 : 3) + 3) / 4 * 4;
            ASSERT_EQ(bytes.size(), std::size_t(54 + (indexed ? 1024 : 0) + stride * h));
            EXPECT_EQ(bytes[28], indexed ? 8 : 24);
            const Bitmap back = decodeBmp(bytes);
            EXPECT_EQ(back.format(), format);
            EXPECT_EQ(raws(back), raws(original));
            if (!indexed) continue;
            EXPECT_EQ(back.palette()->entries().size(), 256u);
            for (int i = 0; i < 256; ++i) EXPECT_EQ(back.colorTableEntry(i), original.colorTableEntry(i));
        }
    }
}

struct HandMade {
    const char* name;
    Layout layout;
    PixelFormat format;
    std::vector<std::uint32_t> pixels;  // raw values, top row first
};

std::vector<HandMade> handMadeFiles() {
    const std::vector<std::uint32_t> masks565 = {0xF800, 0x07E0, 0x001F};
    const Bytes pixels565 = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0x10, 0x84};
    const std::vector<std::uint32_t> expected565 = {0xFF0000, 0x00FF00, 0x0000FF, 0x848284};
    const Bytes rgb24 = {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};  // bottom row first
    return {
        {"1 bit", {40, 10, 2, 1, 0, {0xFF0000, 0x0000FF}, {}, 0, {0xA0, 0x40, 0, 0, 0xFF, 0xC0, 0, 0}},
         PixelFormat::Indexed8, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1}},
        {"4 bit, 3 colours", {40, 3, 1, 4, 0, {1, 2, 3}, {}, 3, {0x21, 0x50, 0, 0}}, PixelFormat::Indexed8, {2, 1, 5}},
        {"8 bit core header, short table", {12, 2, 2, 8, 0, {0x112233, 0x445566}, {}, 0, {0, 1, 0, 0, 1, 0, 0, 0}},
         PixelFormat::Indexed8, {1, 0, 0, 1}},
        {"24 bit", {40, 2, 2, 24, 0, {}, {}, 0, rgb24}, PixelFormat::Rgb32, {0x0000FF, 0xFFFFFF, 0xFF0000, 0x00FF00}},
        {"24 bit top-down", {40, 2, -2, 24, 0, {}, {}, 0, rgb24}, PixelFormat::Rgb32, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}},
        {"24 bit core header", {12, 1, 1, 24, 0, {}, {}, 0, {1, 2, 3, 0}}, PixelFormat::Rgb32, {0x030201}},
        {"32 bit", {40, 1, 1, 32, 0, {}, {}, 0, {0x10, 0x20, 0x30, 0xFF}}, PixelFormat::Rgb32, {0x302010}},
        {"16 bit 5-5-5", {40, 3, 1, 16, 0, {}, {}, 0, {0x00, 0x7C, 0xE0, 0x03, 0x10, 0x42, 0, 0}}, PixelFormat::Rgb32,
         {0xFF0000, 0x00FF00, 0x848484}},
        {"16 bit 5-6-5 after info header", {40, 4, 1, 16, 3, {}, masks565, 0, pixels565}, PixelFormat::Rgb32, expected565},
        {"16 bit 5-6-5 in v4 header", {108, 4, 1, 16, 3, {}, masks565, 0, pixels565}, PixelFormat::Rgb32, expected565},
        {"32 bit swapped masks, v5 header", {124, 1, 1, 32, 3, {}, {0xFF, 0xFF00, 0xFF0000}, 0, {0x11, 0x22, 0x33, 0}},
         PixelFormat::Rgb32, {0x112233}},
        {"RLE8 runs, absolute, end of line, delta",
         {40, 4, 3, 8, 1, {}, {}, 0, {3, 7, 0, 0, 0, 3, 1, 2, 3, 0, 0, 2, 0, 1, 1, 9, 0, 1}},
         PixelFormat::Indexed8, {0, 0, 0, 9, 1, 2, 3, 0, 7, 7, 7, 0}},
        {"RLE8 run past the row end is cut", {40, 4, 1, 8, 1, {}, {}, 0, {10, 5, 0, 1}}, PixelFormat::Indexed8, {5, 5, 5, 5}},
        {"RLE4", {40, 5, 2, 4, 2, {}, {}, 0, {5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1}}, PixelFormat::Indexed8,
         {3, 4, 5, 0, 0, 1, 2, 1, 2, 1}},
    };
}

TEST(Bmp, DecodesHandMadeFiles) {
    for (const HandMade& k : handMadeFiles()) {
        SCOPED_TRACE(k.name);
        const Bitmap b = decodeBmp(build(k.layout));
        EXPECT_EQ(b.format(), k.format);
        EXPECT_EQ(b.width(), k.layout.width);
        EXPECT_EQ(b.height(), std::abs(k.layout.height));
        EXPECT_EQ(raws(b), k.pixels);
    }
    const Bitmap oneBit = decodeBmp(build(handMadeFiles()[0].layout));
    EXPECT_EQ(oneBit.pixelColor(1, 1), colors::Red);
    EXPECT_EQ(oneBit.pixelColor(0, 1), colors::Blue);
    EXPECT_EQ(oneBit.colorTableEntry(2), PaletteEntry{});  // beyond the file's table: black
}

// The file reader takes the headers first and then only the pixel bytes
// they call for: it must find the same pixels as the decoder given the
// whole file, whatever follows them.
TEST(BmpFile, ReadsTheSamePictureAsTheWholeFileDecodes) {
    test::TempDir dir;
    for (const HandMade& k : handMadeFiles()) {
        SCOPED_TRACE(k.name);
        Bytes file = build(k.layout);
        file.insert(file.end(), 3000, 0xEE);
        dir.write("pic.bmp", file);
        const Bitmap b = readBmpFile(dir.file("pic.bmp"));
        EXPECT_EQ(b.format(), k.format);
        EXPECT_EQ(raws(b), k.pixels);
    }
    Bytes farOffset = build(Layout{40, 4, 4, 24, 0, {}, {}, 0, Bytes(48, 0)});
    farOffset[10] = 0x88, farOffset[11] = 0x13;
    dir.write("far.bmp", farOffset);
    EXPECT_THROW(readBmpFile(dir.file("far.bmp")), IoError);
}

TEST(Bmp, RejectsMalformedFilesNamingTheProblem) {
    auto with = [](auto change) {
        Layout s{40, 4, 4, 24, 0, {}, {}, 0, Bytes(48, 0)};
        change(s);
        return build(s);
    };
    Bytes farOffset = with([](Layout&) {});
    farOffset[10] = 0x88, farOffset[11] = 0x13;
    const Bytes cutHeader(farOffset.begin(), farOffset.begin() + 20);
    const std::vector<std::tuple<const char*, Bytes, const char*>> cases = {
        {"empty", {}, "BM signature"},
        {"text", Bytes{'h', 'e', 'l', 'l', 'o'}, "BM signature"},
        {"cut header", cutHeader, "unexpected end"},
        {"64-byte header", with([](Layout& s) { s.headerSize = 64; }), "header size 64"},
        {"2 bits", with([](Layout& s) { s.bits = 2; }), "bit count 2"},
        {"JPEG", with([](Layout& s) { s.compression = 4; }), "compression 4"},
        {"RLE8 at 4 bits", with([](Layout& s) { s.bits = 4, s.compression = 1; }), "RLE8"},
        {"bit fields at 24 bits", with([](Layout& s) { s.compression = 3; }), "bit fields"},
        {"zero width", with([](Layout& s) { s.width = 0; }), "bad size"},
        {"too wide", with([](Layout& s) { s.width = 40000; }), "too large"},
        {"too many pixels", with([](Layout& s) { s.width = s.height = 20000; }), "too large"},
        {"short pixel data", with([](Layout& s) { s.pixels.resize(40); }), "truncated"},
        {"offset beyond end", farOffset, "beyond the end"},
        {"top-down RLE", with([](Layout& s) { s.bits = 8, s.compression = 1, s.height = -4; }), "top-down"},
        {"RLE without end", with([](Layout& s) { s.bits = 8, s.compression = 1, s.pixels = {2, 1}; }), "end-of-bitmap"},
        // Regression: a file of about a hundred bytes decoded to a picture of 265 MB.
        {"tiny RLE claiming a huge picture",
         with([](Layout& s) { s.bits = 8, s.compression = 1, s.width = s.height = 16384, s.pixels = {0, 1}; }),
         "RLE-compressed picture too large"},
    };
    for (const auto& [name, bytes, message] : cases) {
        SCOPED_TRACE(name);
        try {
            decodeBmp(bytes, "pic.bmp");
            ADD_FAILURE() << "accepted";
        } catch (const IoError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
            EXPECT_EQ(e.fileName(), "pic.bmp");
        }
    }
}

TEST(Bmp, EveryPrefixOfAValidFileDecodesOrThrowsIoError) {
    std::vector<std::pair<std::string, Bytes>> files;
    for (const HandMade& k : handMadeFiles()) files.emplace_back(k.name, build(k.layout));
    files.emplace_back("written by the encoder", encodeBmp(patterned(3, 2, PixelFormat::Indexed8)));
    for (const auto& [name, file] : files) {
        SCOPED_TRACE(name);
        std::size_t refused = 0;
        for (std::size_t n = 0; n < file.size(); ++n) {
            // Anything but a picture or an IoError (another exception, a
            // crash, a read past the prefix under the sanitizers) fails here.
            try {
                decodeBmp(Bytes(file.begin(), file.begin() + n));
            } catch (const IoError&) {
                ++refused;
            }
        }
        EXPECT_GE(refused, 14u) << "no prefix shorter than the file header decodes";
        EXPECT_FALSE(decodeBmp(file).isEmpty()) << "the whole file decodes";
    }
}

TEST(BmpFile, WritesAtomicallyAndReportsSystemErrors) {
    test::TempDir dir;
    const std::string path = dir.file("pic.bmp");
    writeBmpFile(path, patterned(3, 3, PixelFormat::Rgb32));
    writeBmpFile(path, patterned(5, 2, PixelFormat::Indexed8));
    const Bitmap back = readBmpFile(path);
    EXPECT_EQ(back.width(), 5);
    EXPECT_EQ(raws(back), raws(patterned(5, 2, PixelFormat::Indexed8)));

    auto expectError = [](auto action, const std::string& name, const std::string& text) {
        try {
            action();
            ADD_FAILURE() << "no error for " << name;
        } catch (const IoError& e) {
            EXPECT_EQ(e.fileName(), name);
            EXPECT_NE(std::string(e.what()).find(text), std::string::npos) << e.what();
        }
    };
    expectError([&] { readBmpFile(dir.file("missing.bmp")); }, dir.file("missing.bmp"), std::strerror(ENOENT));
    expectError([&] { readBmpFile(dir.path()); }, dir.path(), std::strerror(EISDIR));
    expectError([&] { writeBmpFile(dir.file("no/such/folder.bmp"), back); }, dir.file("no/such/folder.bmp"),
                std::strerror(ENOENT));
    expectError([&] { writeBmpFile(path, Bitmap()); }, path, "empty");
    // The rename over a folder fails: the folder stays and no temporary file is left.
    std::filesystem::create_directory(dir.file("taken.bmp"));
    expectError([&] { writeBmpFile(dir.file("taken.bmp"), back); }, dir.file("taken.bmp"), std::strerror(EISDIR));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("taken.bmp")));
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 2u);  // pic.bmp and taken.bmp
    EXPECT_EQ(raws(readBmpFile(path)), raws(back));
}

}  // namespace
}  // namespace vantor
