// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScenarioHarness.h"
#include "export/animation/AnimationWriter.h"
#include "export/animation/ScenarioExport.h"
#include "platform/files/StreamingReplace.h"
#include "support/TempDir.h"

using namespace vantor;
using namespace vantor::test;

namespace {
// A true-colour picture of `colours` different grey-blue steps in bands.
Bitmap bands(int colours, int width = 64, int height = 40) {
    Bitmap b(width, height, PixelFormat::Rgb32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int i = (y * width + x) % colours;
            b.setRawPixel(x, y, static_cast<std::uint32_t>((i & 0xFF) | ((i >> 8) << 16) | 0x004000));
        }
    return b;
}

std::vector<std::uint32_t> pixels(const Bitmap& b) {
    std::vector<std::uint32_t> out;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            const TColor c = b.pixelColor(x, y);
            out.push_back((std::uint32_t(colorR(c)) << 16) | (std::uint32_t(colorG(c)) << 8) | colorB(c));
        }
    return out;
}

// The frames as one animation the size of the first.
std::vector<std::uint8_t> write(AnimationFormat format, const std::vector<std::pair<Bitmap, int>>& frames) {
    MemorySink sink;
    auto w = makeAnimationWriter(format, sink, frames.front().first.width(), frames.front().first.height());
    for (const auto& [b, delay] : frames) w->addFrame(b, delay);
    w->finish();
    return sink.bytes;
}
}  // namespace

TEST(AnimationWriter, GifKeepsFramesDelaysAndExactColours) {
    const Bitmap indexed = solidPicture(0x123456, 64, 40, PixelFormat::Indexed8);
    const Bitmap few = bands(256);
    const auto bytes = write(AnimationFormat::Gif, {{indexed, 100}, {few, 40}, {indexed, 5}});
    const DecodedAnimation gif = decodeGif(bytes);
    EXPECT_EQ(gif.width, 64);
    EXPECT_EQ(gif.height, 40);
    EXPECT_TRUE(gif.loopsForever);
    ASSERT_EQ(gif.frames.size(), 3u);
    EXPECT_EQ(gif.frames[0].delay, 10);
    EXPECT_EQ(gif.frames[1].delay, 4);
    EXPECT_EQ(gif.frames[2].delay, 2);  // viewers slow anything shorter down
    EXPECT_EQ(gif.frames[0].pixels, pixels(indexed));
    EXPECT_EQ(gif.frames[1].pixels, pixels(few));  // 256 colours fit exactly
}

TEST(AnimationWriter, GifQuantizesFramesOfManyColoursClosely) {
    const Bitmap many = bands(2000);
    const DecodedAnimation gif = decodeGif(write(AnimationFormat::Gif, {{many, 100}}));
    ASSERT_EQ(gif.frames.size(), 1u);
    const auto want = pixels(many);
    int worst = 0;
    for (std::size_t i = 0; i < want.size(); ++i)
        for (int shift : {0, 8, 16})
            worst = std::max(worst, std::abs(int((want[i] >> shift) & 0xFF) - int((gif.frames[0].pixels[i] >> shift) & 0xFF)));
    EXPECT_LE(worst, 16);
}

TEST(AnimationWriter, ApngKeepsFramesDelaysAndPixels) {
    const Bitmap indexed = solidPicture(0x123456, 30, 20, PixelFormat::Indexed8);
    const Bitmap many = bands(2000, 30, 20);
    const DecodedAnimation png = decodeApng(write(AnimationFormat::Apng, {{indexed, 100}, {many, 7}}));
    EXPECT_EQ(png.width, 30);
    EXPECT_TRUE(png.loopsForever);
    ASSERT_EQ(png.frames.size(), 2u);
    EXPECT_EQ(png.frames[0].delay, 100);
    EXPECT_EQ(png.frames[1].delay, 7);
    EXPECT_EQ(png.frames[0].pixels, pixels(indexed));
    EXPECT_EQ(png.frames[1].pixels, pixels(many));
}

TEST(AnimationWriter, LaterFramesOfAnotherSizeAreCutOrPadded) {
    for (AnimationFormat format : {AnimationFormat::Gif, AnimationFormat::Apng}) {
        SCOPED_TRACE(format == AnimationFormat::Gif ? "gif" : "apng");
        const Bitmap first = solidPicture(0x00FF00, 10, 8);
        const Bitmap small = solidPicture(0x0000FF, 4, 4, PixelFormat::Indexed8);
        const Bitmap large = solidPicture(0xFF0000, 20, 20);
        const auto bytes = write(format, {{first, 100}, {small, 100}, {large, 100}});
        const DecodedAnimation a = format == AnimationFormat::Gif ? decodeGif(bytes) : decodeApng(bytes);
        ASSERT_EQ(a.frames.size(), 3u);
        for (const auto& f : a.frames) {
            EXPECT_EQ(f.width, 10);
            EXPECT_EQ(f.height, 8);
        }
        EXPECT_EQ(a.frames[1].pixels[0], 0xFF0000u);           // red (TColor 0x0000FF)
        EXPECT_EQ(a.frames[1].pixels[9], 0x000000u);           // padded at the right
        EXPECT_EQ(a.frames[2].pixels[79], 0x0000FFu);          // blue, cut to size
    }
}

// The file written piece by piece through a temporary is the file the writer
// makes in memory: small writes gathered into 64 KB pieces and the frame
// count filled in at the end land where they belong.
TEST(AnimationWriter, StreamedFileIsTheFileMadeInMemory) {
    TempDir dir;
    Bitmap noise(300, 200, PixelFormat::Rgb32);
    std::uint32_t seed = 1;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            noise.setRawPixel(x, y, (seed >> 24) * 0x010101u);  // 256 greys: no quantization
        }
    for (AnimationFormat format : {AnimationFormat::Gif, AnimationFormat::Apng}) {
        SCOPED_TRACE(format == AnimationFormat::Gif ? "gif" : "apng");
        const std::vector<std::uint8_t> inMemory = write(format, {{noise, 100}, {bands(256, 300, 200), 50}, {noise, 30}});
        ASSERT_GT(inMemory.size(), 2u << 16);
        dir.writeText("out", "previous");
        {
            StreamingReplace file(dir.file("out"), "out");
            FileSink sink(file);
            auto w = makeAnimationWriter(format, sink, 300, 200);
            w->addFrame(noise, 100);
            w->addFrame(bands(256, 300, 200), 50);
            EXPECT_EQ(dir.read("out"), (std::vector<std::uint8_t>{'p', 'r', 'e', 'v', 'i', 'o', 'u', 's'}));
            w->addFrame(noise, 30);
            w->finish();
            file.commit();
        }
        EXPECT_EQ(dir.read("out"), inMemory);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary stays";
}
