// SPDX-License-Identifier: GPL-3.0-or-later
// Frame differencing, the global colour table and bounded streams of the
// animation writers: what a viewer shows must stay what it showed when every
// frame was stored whole.
#include <gtest/gtest.h>
#include <libimagequant.h>

#include <cmath>
#include <stdexcept>

#include "export/animation/AnimationWriter.h"
#include "support/ScenarioHarness.h"

using namespace vantor;
using namespace vantor::test;

namespace {

std::vector<std::uint32_t> pixels(const Bitmap& b) {
    std::vector<std::uint32_t> out;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            const TColor c = b.pixelColor(x, y);
            out.push_back((std::uint32_t(colorR(c)) << 16) | (std::uint32_t(colorG(c)) << 8) | colorB(c));
        }
    return out;
}

Bitmap filled(std::uint32_t rgb, int w = 40, int h = 30) {
    Bitmap b(w, h, PixelFormat::Rgb32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.setRawPixel(x, y, rgb);
    return b;
}

Bitmap with(Bitmap b, int x, int y, std::uint32_t rgb) {
    b.setRawPixel(x, y, rgb);
    return b;
}

// A shaded ball at (cx, cy) on a dark ground: thousands of colours, as the
// simulation's frames have.
Bitmap ball(double cx, double cy, int w = 120, int h = 80) {
    Bitmap b(w, h, PixelFormat::Rgb32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double d = std::hypot(x - cx, y - cy) / 30.0;
            std::uint32_t c = 0x101820;
            if (d < 1) {
                const double shade = std::sqrt(1 - d * d) * (0.6 + 0.4 * (x - cx + 30) / 60.0);
                c = (std::uint32_t(40 + 200 * shade) << 16) | (std::uint32_t(30 + 150 * shade) << 8) | std::uint32_t(20 + 90 * shade * shade);
            }
            b.setRawPixel(x, y, c);
        }
    return b;
}

struct Written {
    std::vector<std::uint8_t> bytes;
    DecodedAnimation decoded;
};

Written write(AnimationFormat format, const std::vector<Bitmap>& frames, int delayMs = 100) {
    MemorySink sink;
    auto w = makeAnimationWriter(format, sink, frames.front().width(), frames.front().height());
    for (const Bitmap& b : frames) w->addFrame(b, delayMs);
    w->finish();
    return {sink.bytes, format == AnimationFormat::Gif ? decodeGif(sink.bytes) : decodeApng(sink.bytes)};
}

double psnr(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (int shift : {0, 8, 16}) {
            const double d = double((a[i] >> shift) & 0xFF) - double((b[i] >> shift) & 0xFF);
            sum += d * d;
        }
    const double mse = sum / (3.0 * static_cast<double>(a.size()));
    return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

// How each frame was kept when every frame was quantized whole on its own:
// libimagequant at speed 4 up to quality 95, no dithering.
double wholeFramePsnr(const Bitmap& frame) {
    const std::vector<std::uint32_t> truth = pixels(frame);
    std::vector<liq_color> rgba;
    for (std::uint32_t c : truth) rgba.push_back({std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c), 255});
    liq_attr* attr = liq_attr_create();
    liq_set_speed(attr, 4);
    liq_set_quality(attr, 0, 95);
    liq_image* image = liq_image_create_rgba(attr, rgba.data(), frame.width(), frame.height(), 0);
    liq_result* result = nullptr;
    EXPECT_EQ(liq_image_quantize(image, attr, &result), LIQ_OK);
    liq_set_dithering_level(result, 0);
    std::vector<unsigned char> indices(truth.size());
    liq_write_remapped_image(result, image, indices.data(), indices.size());
    const liq_palette* palette = liq_get_palette(result);
    std::vector<std::uint32_t> shown;
    for (unsigned char i : indices)
        shown.push_back((std::uint32_t(palette->entries[i].r) << 16) | (std::uint32_t(palette->entries[i].g) << 8) | palette->entries[i].b);
    liq_result_destroy(result);
    liq_image_destroy(image);
    liq_attr_destroy(attr);
    return psnr(truth, shown);
}

// Sequences whose frames have few colours: every format must show them exactly.
struct ExactCase {
    const char* name;
    std::vector<Bitmap> frames;
};
const std::vector<ExactCase>& exactCases() {
    static const std::vector<ExactCase> cases = [] {
        const Bitmap grey = filled(0x808080);
        const Bitmap red = filled(0xC00000);
        return std::vector<ExactCase>{
            {"unchanged repeats", {grey, grey, grey}},
            {"first pixel changes", {grey, with(grey, 0, 0, 0x00FF00), grey}},
            {"last pixel changes", {grey, with(grey, 39, 29, 0x00FF00), grey}},
            {"two far corners change", {grey, with(with(grey, 0, 29, 0x0000FF), 39, 0, 0xFF0000)}},
            {"whole frame changes", {grey, red, grey, red}},
            {"change back to a colour shown before", {grey, with(grey, 5, 5, 0xFF0000), with(grey, 5, 5, 0x808080)}},
            {"palette frame", {grey, solidPicture(0x123456, 40, 30, PixelFormat::Indexed8), grey}},
            {"smaller frame padded", {grey, solidPicture(0x0000FF, 10, 10), grey}},
        };
    }();
    return cases;
}

}  // namespace

TEST(AnimationDifferencing, FramesOfFewColoursAreShownExactlyWithTheirCountAndDelays) {
    for (const ExactCase& c : exactCases())
        for (AnimationFormat format : {AnimationFormat::Gif, AnimationFormat::Apng}) {
            SCOPED_TRACE(std::string(c.name) + (format == AnimationFormat::Gif ? " gif" : " apng"));
            const Written w = write(format, c.frames, 70);
            ASSERT_EQ(w.decoded.frames.size(), c.frames.size());
            for (std::size_t i = 0; i < c.frames.size(); ++i) {
                Bitmap fitted = fitFrame(c.frames[i], 40, 30);
                EXPECT_EQ(w.decoded.frames[i].pixels, pixels(fitted)) << "frame " << i;
                EXPECT_EQ(w.decoded.frames[i].delay, format == AnimationFormat::Gif ? 7 : 70);
            }
        }
}

TEST(AnimationDifferencing, ApngFramesOfManyColoursDecodeByteIdentical) {
    std::vector<Bitmap> frames;
    for (int i = 0; i < 6; ++i) frames.push_back(ball(40 + 8 * i, 40 + (i % 2)));
    frames.push_back(frames.back());
    const Written w = write(AnimationFormat::Apng, frames);
    ASSERT_EQ(w.decoded.frames.size(), frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(w.decoded.frames[i].pixels, pixels(frames[i])) << i;
}

TEST(AnimationDifferencing, GifFramesOfManyColoursAreAtLeastAsCloseAsWholeFrameQuantization) {
    std::vector<Bitmap> frames;
    for (int i = 0; i < 8; ++i) frames.push_back(ball(35 + 7 * i, 38 + 0.5 * i));
    const Written w = write(AnimationFormat::Gif, frames);
    ASSERT_EQ(w.decoded.frames.size(), frames.size());
    double ours = 0, whole = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const double p = psnr(pixels(frames[i]), w.decoded.frames[i].pixels);
        const double q = wholeFramePsnr(frames[i]);
        EXPECT_GE(p, q - 1.0) << "frame " << i;
        ours += p;
        whole += q;
    }
    EXPECT_GE(ours / frames.size(), whole / frames.size()) << "mean PSNR";
}

// An unchanged frame costs a few bytes: a frame that repeats, added again or
// named as a repeat, adds the same small amount each time.
TEST(AnimationDifferencing, EachRepeatCostsAFewBytes) {
    for (AnimationFormat format : {AnimationFormat::Gif, AnimationFormat::Apng})
        for (bool named : {false, true}) {
            SCOPED_TRACE(std::string(format == AnimationFormat::Gif ? "gif" : "apng") + (named ? " repeatFrame" : " addFrame"));
            const Bitmap picture = ball(60, 40);
            auto size = [&](int repeats) {
                MemorySink sink;
                auto w = makeAnimationWriter(format, sink, 120, 80);
                w->addFrame(picture, 100);
                for (int i = 0; i < repeats; ++i) {
                    if (named) w->repeatFrame(100);
                    else w->addFrame(picture, 100);
                }
                w->finish();
                EXPECT_EQ(w->frameCount(), repeats + 1);
                return sink.bytes.size();
            };
            const std::size_t one = size(0), many = size(100);
            EXPECT_LE((many - one) / 100, format == AnimationFormat::Gif ? 30u : 70u);
        }
}

TEST(AnimationDifferencing, RepeatBeforeTheFirstFrameIsRefused) {
    for (AnimationFormat format : {AnimationFormat::Gif, AnimationFormat::Apng}) {
        MemorySink sink;
        auto w = makeAnimationWriter(format, sink, 10, 10);
        EXPECT_THROW(w->repeatFrame(100), std::runtime_error);
    }
}

namespace {
// A sink that cannot take back a byte, like a FIFO.
struct StreamSink : MemorySink {
    bool canOverwrite() const override { return false; }
    void overwrite(std::uint64_t, const std::vector<std::uint8_t>&) override { throw std::runtime_error("overwrite of a stream"); }
};
}  // namespace

TEST(AnimationDifferencing, ApngIntoAStreamStatesItsFrameCountAtTheStart) {
    StreamSink stream;
    EXPECT_THROW(makeAnimationWriter(AnimationFormat::Apng, stream, 40, 30), std::runtime_error) << "count unknown";
    auto w = makeAnimationWriter(AnimationFormat::Apng, stream, 40, 30, 3);
    for (std::uint32_t c : {0x102030u, 0x405060u, 0x708090u}) w->addFrame(filled(c), 50);
    w->finish();
    const DecodedAnimation a = decodeApng(stream.bytes);
    ASSERT_EQ(a.frames.size(), 3u);
    EXPECT_EQ(a.frames[2].pixels, pixels(filled(0x708090)));
}

// Announced counts are held at their edge: one frame fewer or one more fails.
TEST(AnimationDifferencing, ApngAnnouncedFrameCountMustBeMet) {
    for (int added : {1, 2, 3}) {
        SCOPED_TRACE(added);
        MemorySink sink;
        auto w = makeAnimationWriter(AnimationFormat::Apng, sink, 40, 30, 2);
        bool threw = false;
        try {
            for (int i = 0; i < added; ++i) w->addFrame(filled(0x111111u * static_cast<std::uint32_t>(i + 1)), 50);
            w->finish();
        } catch (const std::runtime_error&) {
            threw = true;
        }
        EXPECT_EQ(threw, added != 2);
    }
}

TEST(AnimationDifferencing, GifNeverOverwrites) {
    StreamSink stream;
    auto w = makeAnimationWriter(AnimationFormat::Gif, stream, 40, 30);
    w->addFrame(filled(0x102030), 50);
    w->addFrame(filled(0x405060), 50);
    w->finish();
    EXPECT_EQ(decodeGif(stream.bytes).frames.size(), 2u);
}
