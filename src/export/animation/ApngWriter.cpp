// SPDX-License-Identifier: GPL-3.0-or-later
// Animated PNG: IHDR, an acTL that loops for ever, then for each frame an
// fcTL with its delay in milliseconds and its pixels as 8-bit RGB, the first
// whole in IDAT (what a viewer without animation shows), each later one only
// the rectangle in which it differs from the frame before, in fdAT, put over
// the frame before (dispose: none, blend: source). A frame equal to the one
// before stores one pixel as it is. Palette frames become RGB, since APNG
// frames share one palette. Each chunk goes to the sink when it is
// complete; the frame count in acTL is written at the start when it is
// known, else filled in at the end.
#include <zlib.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "export/animation/AnimationWriter.h"
#include "export/animation/FrameCanvas.h"
#include "platform/pixels/PngChunks.h"

namespace vantor {

namespace {

using png::put16;
using png::put32;

class ApngWriter : public AnimationWriter {
public:
    ApngWriter(ByteSink& sink, int width, int height, int frames)
        : m_sink(sink), m_width(width), m_height(height), m_announced(std::max(frames, 0)) {
        if (width <= 0 || height <= 0) throw std::runtime_error("PNG: empty frame");
        if (m_announced == 0 && !sink.canOverwrite())
            throw std::runtime_error("PNG: a stream needs the frame count before the first frame");
    }

    void addFrame(const Bitmap& input, int delayMs) override {
        if (!m_started) start();
        canvasPixels(input, m_width, m_height, m_next);
        CanvasRect rect{0, 0, m_width, m_height};
        if (m_frames > 0) {
            rect = changedRect(m_next, m_last, m_width, m_height);
            if (rect.empty()) rect = {0, 0, 1, 1};
        }
        putFrame(rect, m_next, delayMs);
        m_last.swap(m_next);
    }

    void repeatFrame(int delayMs) override {
        if (m_frames == 0) throw std::runtime_error("PNG: no frame to repeat");
        putFrame({0, 0, 1, 1}, m_last, delayMs);
    }

    void finish() override {
        if (m_frames == 0) throw std::runtime_error("PNG: no frames");
        if (m_announced > 0 && m_frames != m_announced)
            throw std::runtime_error("PNG: " + std::to_string(m_announced) + " frames announced, " + std::to_string(m_frames) +
                                     " added");
        chunk("IEND", {});
        if (m_announced > 0) return;
        // The frame count is known only now.
        std::vector<std::uint8_t> patched;
        png::chunk(patched, "acTL", actl(m_frames));
        m_sink.overwrite(m_actlOffset, patched);
    }

private:
    static std::vector<std::uint8_t> actl(int frames) {
        std::vector<std::uint8_t> data;
        put32(data, static_cast<std::uint32_t>(frames));
        put32(data, 0);  // plays: for ever
        return data;
    }

    void putFrame(const CanvasRect& rect, const std::vector<std::uint32_t>& canvas, int delayMs) {
        if (m_announced > 0 && m_frames == m_announced)
            throw std::runtime_error("PNG: more frames than the " + std::to_string(m_announced) + " announced");
        std::vector<std::uint8_t> fc;
        put32(fc, m_sequence++);
        put32(fc, static_cast<std::uint32_t>(rect.width));
        put32(fc, static_cast<std::uint32_t>(rect.height));
        put32(fc, static_cast<std::uint32_t>(rect.x));
        put32(fc, static_cast<std::uint32_t>(rect.y));
        put16(fc, static_cast<std::uint16_t>(storedDelayMs(AnimationFormat::Apng, delayMs)));
        put16(fc, 1000);
        fc.push_back(0);  // dispose: none
        fc.push_back(0);  // blend: source
        chunk("fcTL", fc);

        std::vector<std::uint8_t> data;
        if (m_frames > 0) put32(data, m_sequence++);
        const std::vector<std::uint8_t> z = compressRows(canvas, rect);
        data.insert(data.end(), z.begin(), z.end());
        chunk(m_frames == 0 ? "IDAT" : "fdAT", data);
        ++m_frames;
    }

    void chunk(const char* type, const std::vector<std::uint8_t>& data) {
        std::vector<std::uint8_t> bytes;
        png::chunk(bytes, type, data);
        m_sink.write(bytes.data(), bytes.size());
        m_written += bytes.size();
    }

    void start() {
        m_started = true;
        const std::vector<std::uint8_t> signature = png::signature();
        m_sink.write(signature.data(), signature.size());
        m_written += signature.size();
        std::vector<std::uint8_t> ihdr;
        put32(ihdr, static_cast<std::uint32_t>(m_width));
        put32(ihdr, static_cast<std::uint32_t>(m_height));
        ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
        chunk("IHDR", ihdr);
        m_actlOffset = m_written;
        chunk("acTL", actl(m_announced));
    }

    // The rectangle's rows with the "Sub" filter, which suits the shaded gradients.
    std::vector<std::uint8_t> compressRows(const std::vector<std::uint32_t>& canvas, const CanvasRect& rect) const {
        const std::size_t stride = static_cast<std::size_t>(rect.width) * 3 + 1;
        std::vector<std::uint8_t> raw(stride * static_cast<std::size_t>(rect.height));
        std::vector<std::uint8_t> rgb(static_cast<std::size_t>(rect.width) * 3);
        for (int y = 0; y < rect.height; ++y) {
            const std::uint32_t* src =
                &canvas[static_cast<std::size_t>(rect.y + y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(rect.x)];
            for (int x = 0; x < rect.width; ++x) {
                rgb[3 * static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(src[x] >> 16);
                rgb[3 * static_cast<std::size_t>(x) + 1] = static_cast<std::uint8_t>(src[x] >> 8);
                rgb[3 * static_cast<std::size_t>(x) + 2] = static_cast<std::uint8_t>(src[x]);
            }
            std::uint8_t* row = raw.data() + stride * static_cast<std::size_t>(y);
            row[0] = 1;
            for (std::size_t i = 0; i < rgb.size(); ++i)
                row[1 + i] = static_cast<std::uint8_t>(rgb[i] - (i >= 3 ? rgb[i - 3] : 0));
        }
        uLongf size = compressBound(static_cast<uLong>(raw.size()));
        std::vector<std::uint8_t> out(size);
        if (compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 6) != Z_OK)
            throw std::runtime_error("PNG: compression failed");
        out.resize(size);
        return out;
    }

    ByteSink& m_sink;
    bool m_started = false;
    std::uint64_t m_written = 0;
    std::uint64_t m_actlOffset = 0;
    std::uint32_t m_sequence = 0;
    int m_width;
    int m_height;
    int m_announced;                      // frames stated in acTL at the start; 0: patched at the end
    std::vector<std::uint32_t> m_last;    // the frame before
    std::vector<std::uint32_t> m_next;    // the frame being added
};

}  // namespace

std::unique_ptr<AnimationWriter> makeGifWriter(ByteSink& sink, int width, int height);

std::unique_ptr<AnimationWriter> makeAnimationWriter(AnimationFormat format, ByteSink& sink, int width, int height, int frames) {
    if (format == AnimationFormat::Gif) return makeGifWriter(sink, width, height);
    return std::make_unique<ApngWriter>(sink, width, height, frames);
}

}  // namespace vantor
