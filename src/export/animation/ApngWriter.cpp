// Animated PNG: IHDR, an acTL that loops for ever, then for each frame an
// fcTL with its delay in milliseconds and the frame's pixels as 8-bit RGB,
// the first in IDAT (what a viewer without animation shows) and the others
// in fdAT. Palette frames become RGB, since APNG frames share one palette.
// Each chunk goes to the sink when it is complete; the frame count in acTL
// is filled in at the end.
#include <zlib.h>

#include <algorithm>
#include <stdexcept>

#include "export/animation/AnimationWriter.h"
#include "platform/pixels/PngChunks.h"

namespace vantor {

namespace {

using png::put16;
using png::put32;

class ApngWriter : public AnimationWriter {
public:
    ApngWriter(ByteSink& sink, int width, int height) : m_sink(sink), m_width(width), m_height(height) {
        if (width <= 0 || height <= 0) throw std::runtime_error("PNG: empty frame");
    }

    void addFrame(const Bitmap& input, int delayMs) override {
        if (!m_started) start();
        Bitmap scaled;
        const Bitmap& placed = placeFrame(input, scaled);
        const Bitmap fitted = (placed.width() == m_width && placed.height() == m_height) ? Bitmap() : fitFrame(placed, m_width, m_height);
        const Bitmap& frame = fitted.isEmpty() ? placed : fitted;

        std::vector<std::uint8_t> fc;
        put32(fc, m_sequence++);
        put32(fc, static_cast<std::uint32_t>(m_width));
        put32(fc, static_cast<std::uint32_t>(m_height));
        put32(fc, 0);
        put32(fc, 0);
        put16(fc, static_cast<std::uint16_t>(storedDelayMs(AnimationFormat::Apng, delayMs)));
        put16(fc, 1000);
        fc.push_back(0);  // dispose: none
        fc.push_back(0);  // blend: source
        chunk("fcTL", fc);

        std::vector<std::uint8_t> data;
        if (m_frames > 0) put32(data, m_sequence++);
        const std::vector<std::uint8_t> z = compressRows(frame);
        data.insert(data.end(), z.begin(), z.end());
        chunk(m_frames == 0 ? "IDAT" : "fdAT", data);
        ++m_frames;
    }

    void finish() override {
        if (m_frames == 0) throw std::runtime_error("PNG: no frames");
        chunk("IEND", {});
        // The frame count is known only now.
        std::vector<std::uint8_t> actl;
        put32(actl, static_cast<std::uint32_t>(m_frames));
        put32(actl, 0);  // plays: for ever
        std::vector<std::uint8_t> patched;
        png::chunk(patched, "acTL", actl);
        m_sink.overwrite(m_actlOffset, patched);
    }

private:
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
        chunk("acTL", std::vector<std::uint8_t>(8, 0));
    }

    // Rows with the "Sub" filter, which suits the shaded gradients.
    std::vector<std::uint8_t> compressRows(const Bitmap& frame) const {
        const std::size_t stride = static_cast<std::size_t>(m_width) * 3 + 1;
        std::vector<std::uint8_t> raw(stride * static_cast<std::size_t>(m_height));
        std::vector<std::uint8_t> rgb(static_cast<std::size_t>(m_width) * 3);
        std::uint32_t lut[256] = {};
        if (frame.format() == PixelFormat::Indexed8)
            for (int i = 0; i < 256; ++i) {
                const PaletteEntry e = frame.colorTableEntry(i);
                lut[i] = (std::uint32_t(e.r) << 16) | (std::uint32_t(e.g) << 8) | e.b;
            }
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                const std::uint32_t c = frame.format() == PixelFormat::Indexed8 ? lut[frame.indexRow(y)[x]] : frame.rgbRow(y)[x];
                rgb[3 * static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(c >> 16);
                rgb[3 * static_cast<std::size_t>(x) + 1] = static_cast<std::uint8_t>(c >> 8);
                rgb[3 * static_cast<std::size_t>(x) + 2] = static_cast<std::uint8_t>(c);
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
};

}  // namespace

std::unique_ptr<AnimationWriter> makeGifWriter(ByteSink& sink, int width, int height);

std::unique_ptr<AnimationWriter> makeAnimationWriter(AnimationFormat format, ByteSink& sink, int width, int height) {
    if (format == AnimationFormat::Gif) return makeGifWriter(sink, width, height);
    return std::make_unique<ApngWriter>(sink, width, height);
}

}  // namespace vantor
