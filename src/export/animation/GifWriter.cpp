// SPDX-License-Identifier: GPL-3.0-or-later
// GIF through giflib: GIF89a, a NETSCAPE2.0 block that loops for ever, and
// for each frame a graphic control block with its delay.
//
// The first frame's colours make the global colour table: its exact colours
// when it has at most 256, else libimagequant's palette of 255 (dithered
// only where that measures closer). Every later frame stores only the
// rectangle in which it differs from the frame before, over the frame
// before (disposal: leave in place), and within it the pixels the viewer
// already shows (or shows about as well) are the transparent index, which
// costs next to nothing to compress. The rectangle maps into the global
// table while that keeps its error small (see GlobalErrorAllowance; no
// error at all in a frame of at most 256 colours, which stays exact), else
// into a table of its own: exact when it has at most 256 colours, else
// quantized. A frame equal to the one before is a single transparent pixel
// (or, with a full table, a pixel of the colour shown).
#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <memory>
#include <stdexcept>

#include "export/animation/AnimationWriter.h"
#include "export/animation/FrameCanvas.h"
#include "export/animation/GifColours.h"

namespace vantor {

namespace {

// A rectangle is mapped into the global table, rather than given a table of
// its own (768 bytes), while its squared error stays within the larger of
// two bounds: this many times what the first frame lost, per pixel...
constexpr double GlobalErrorAllowance = 1.25;
// ... or this mean squared error spread over the whole canvas (0.1 is
// 58 dB, far below what the eye sees on a changed patch).
constexpr double CanvasErrorAllowance = 0.1;
// Squared distance (over the three channels) by which a shown colour may be
// further from the truth than a pixel's new colour and still be kept.
constexpr int ShownTolerance = 3;

int squaredDistance(std::uint32_t a, std::uint32_t b) {
    int sum = 0;
    for (int shift : {0, 8, 16}) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        sum += d * d;
    }
    return sum;
}

// A pixel whose shown colour is about as close to its true colour as the
// new mapping would be is left as shown: transparent pixels compress to
// almost nothing, and the picture loses at most `tolerance`.
bool keepsShown(std::uint32_t truth, std::uint32_t shown, std::uint32_t mapped, int tolerance) {
    return squaredDistance(truth, shown) <= squaredDistance(truth, mapped) + tolerance;
}

std::runtime_error gifError(int code) {
    const char* text = GifErrorString(code);
    return std::runtime_error(std::string("GIF: ") + (text ? text : "write failed"));
}

// A colour table of `colours` with room for `extra` entries more, padded to
// the power of two that GIF needs.
std::vector<GifColorType> tableOf(const std::vector<std::uint32_t>& colours, std::size_t extra) {
    std::size_t size = 2;
    while (size < colours.size() + extra) size *= 2;
    std::vector<GifColorType> table(size, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < colours.size(); ++i)
        table[i] = {static_cast<GifByteType>(colours[i] >> 16), static_cast<GifByteType>(colours[i] >> 8),
                    static_cast<GifByteType>(colours[i])};
    return table;
}

class GifWriter : public AnimationWriter {
public:
    GifWriter(ByteSink& sink, int width, int height) : m_sink(sink), m_width(width), m_height(height) {
        if (width <= 0 || height <= 0 || width > 65535 || height > 65535)
            throw std::runtime_error("GIF: frame size out of range");
    }

    ~GifWriter() override {
        if (m_gif) {
            int err = 0;
            EGifCloseFile(m_gif, &err);
        }
    }

    void addFrame(const Bitmap& input, int delayMs) override {
        canvasPixels(input, m_width, m_height, m_next);
        if (m_frames == 0) {
            putFirst(delayMs);
        } else {
            const CanvasRect rect = changedRect(m_next, m_last, m_width, m_height);
            if (rect.empty()) putUnchanged(delayMs);
            else putChanged(rect, delayMs);
        }
        m_last.swap(m_next);
        ++m_frames;
    }

    void repeatFrame(int delayMs) override {
        if (m_frames == 0) throw std::runtime_error("GIF: no frame to repeat");
        putUnchanged(delayMs);
        ++m_frames;
    }

    void finish() override {
        if (!m_gif) throw std::runtime_error("GIF: no frames");
        int err = 0;
        const int closed = EGifCloseFile(m_gif, &err);
        m_gif = nullptr;
        if (m_failure) std::rethrow_exception(m_failure);
        if (closed == GIF_ERROR) throw gifError(err);
    }

private:
    static int output(GifFileType* gif, const GifByteType* data, int length) {
        auto* self = static_cast<GifWriter*>(gif->UserData);
        // giflib has no way to carry an exception: keep it for check().
        try {
            self->m_sink.write(data, static_cast<std::size_t>(length));
        } catch (...) {
            if (!self->m_failure) self->m_failure = std::current_exception();
            return 0;
        }
        return length;
    }

    void check(int result) {
        if (m_failure) std::rethrow_exception(m_failure);
        if (result == GIF_ERROR) throw gifError(m_gif ? m_gif->Error : 0);
    }

    // The header with the global table, and the first frame whole.
    void putFirst(int delayMs) {
        gif::Mapped first;
        const std::size_t pixels = m_next.size();
        if (!gif::exactColours(m_next, 256, first)) gif::quantize(m_next, m_width, m_height, 255, true, first);
        m_firstError = first.squaredError / static_cast<double>(pixels);
        m_globalSlot = first.colours.size() < 256 ? static_cast<int>(first.colours.size()) : -1;
        m_global = std::make_unique<gif::NearestColours>(first.colours);

        int err = 0;
        m_gif = EGifOpen(this, &GifWriter::output, &err);
        if (!m_gif) throw gifError(err);
        EGifSetGifVersion(m_gif, true);
        const std::vector<GifColorType> table = tableOf(first.colours, m_globalSlot >= 0 ? 1 : 0);
        m_globalTableSize = table.size();
        ColorMapObject* map = GifMakeMapObject(static_cast<int>(table.size()), table.data());
        if (!map) throw std::runtime_error("GIF: no memory for a colour table");
        const int put = EGifPutScreenDesc(m_gif, m_width, m_height, 8, 0, map);
        GifFreeMapObject(map);
        check(put);
        // Loop for ever.
        static const GifByteType app[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        static const GifByteType loop[] = {1, 0, 0};
        check(EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE));
        check(EGifPutExtensionBlock(m_gif, sizeof app, app));
        check(EGifPutExtensionBlock(m_gif, sizeof loop, loop));
        check(EGifPutExtensionTrailer(m_gif));

        m_shown.resize(pixels);
        for (std::size_t i = 0; i < pixels; ++i) m_shown[i] = first.colours[first.indices[i]];
        putImage({0, 0, m_width, m_height}, m_width, first.indices.data(), nullptr, NO_TRANSPARENT_COLOR, delayMs);
    }

    // The rectangle's true pixels mapped into the global table or a table
    // of their own, whichever keeps them closer at the smaller cost.
    void mapRect(const gif::Pixels& truth, const CanvasRect& rect, bool exactFrame, gif::Mapped& out, bool& ownTable) {
        m_global->map(truth, out);
        ownTable = false;
        const double allowed = exactFrame ? 0.0 : std::max(GlobalErrorAllowance * m_firstError * static_cast<double>(truth.size()),
                                        CanvasErrorAllowance * 3.0 * static_cast<double>(m_next.size()));
        if (out.squaredError <= allowed) return;
        gif::Mapped own;
        if (gif::exactColours(truth, 256, own)) {
            out = std::move(own);
            ownTable = true;
            return;
        }
        gif::quantize(truth, rect.width, rect.height, 255, true, own);
        if (own.squaredError < out.squaredError) {
            out = std::move(own);
            ownTable = true;
        }
    }

    void putChanged(CanvasRect rect, int delayMs) {
        const gif::Pixels truth = cutRect(m_next, m_width, rect);
        gif::Mapped mapped;
        bool ownTable = false;
        // A frame of at most 256 colours is stored exactly: a palette
        // would only lose what a GIF can already hold.
        gif::Mapped whole;
        const bool exactFrame = gif::exactColours(m_next, 256, whole);
        mapRect(truth, rect, exactFrame, mapped, ownTable);
        const int tolerance = exactFrame ? 0 : ShownTolerance;
        const std::vector<std::uint8_t> plain = mapped.indices;
        const int slot = ownTable ? (mapped.colours.size() < 256 ? static_cast<int>(mapped.colours.size()) : -1) : m_globalSlot;
        // Pixels the viewer already shows, or whose frame did not change,
        // become transparent; the rest is what the viewer shows next.
        CanvasRect drawn{rect.x + rect.width, rect.y + rect.height, 0, 0};
        int right = rect.x - 1, bottom = rect.y - 1;
        for (int y = 0; y < rect.height; ++y) {
            const std::size_t row = static_cast<std::size_t>(rect.y + y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(rect.x);
            std::uint8_t* index = &mapped.indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(rect.width)];
            for (int x = 0; x < rect.width; ++x) {
                const std::size_t p = row + static_cast<std::size_t>(x);
                const std::uint32_t colour = mapped.colours[index[x]];
                if (slot >= 0 && (m_next[p] == m_last[p] || keepsShown(m_next[p], m_shown[p], colour, tolerance))) {
                    index[x] = static_cast<std::uint8_t>(slot);
                    continue;
                }
                m_shown[p] = colour;
                drawn.x = std::min(drawn.x, rect.x + x);
                drawn.y = std::min(drawn.y, rect.y + y);
                right = std::max(right, rect.x + x);
                bottom = std::max(bottom, rect.y + y);
            }
        }
        const std::vector<std::uint32_t>* table = ownTable ? &mapped.colours : nullptr;
        if (slot < 0) return putImage(rect, rect.width, mapped.indices.data(), table, slot, delayMs);
        if (right < drawn.x) return putUnchanged(delayMs);
        drawn.width = right - drawn.x + 1;
        drawn.height = bottom - drawn.y + 1;
        const std::uint8_t* start = &mapped.indices[static_cast<std::size_t>(drawn.y - rect.y) * static_cast<std::size_t>(rect.width) +
                                                    static_cast<std::size_t>(drawn.x - rect.x)];
        // Transparent pixels scattered among changed ones can break the
        // runs that LZW packs: the rectangle without them is stored when
        // that measures smaller.
        const int bits = tableBits(ownTable ? mapped.colours.size() + 1 : m_globalTableSize);
        if (encodedSize(rect, rect.width, plain.data(), bits) < encodedSize(drawn, rect.width, start, bits)) {
            for (int y = 0; y < rect.height; ++y)
                for (int x = 0; x < rect.width; ++x)
                    m_shown[static_cast<std::size_t>(rect.y + y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(rect.x + x)] =
                        mapped.colours[plain[static_cast<std::size_t>(y) * static_cast<std::size_t>(rect.width) + static_cast<std::size_t>(x)]];
            return putImage(rect, rect.width, plain.data(), table, slot, delayMs);
        }
        putImage(drawn, rect.width, start, table, slot, delayMs);
    }

    static int tableBits(std::size_t entries) {
        int bits = 1;
        while ((std::size_t{1} << bits) < entries) ++bits;
        return bits;
    }

    // The bytes giflib makes of the rectangle's indices with a table of
    // 2^bits entries (and the same few bytes of header for every call).
    static std::size_t encodedSize(const CanvasRect& rect, int stride, const std::uint8_t* indices, int bits) {
        std::size_t count = 0;
        int err = 0;
        GifFileType* gif = EGifOpen(&count, [](GifFileType* g, const GifByteType*, int length) {
            *static_cast<std::size_t*>(g->UserData) += static_cast<std::size_t>(length);
            return length;
        }, &err);
        if (!gif) return SIZE_MAX;
        std::vector<GifColorType> colours(std::size_t{1} << bits, GifColorType{0, 0, 0});
        ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
        bool ok = map && EGifPutScreenDesc(gif, rect.width, rect.height, 8, 0, map) == GIF_OK &&
                  EGifPutImageDesc(gif, 0, 0, rect.width, rect.height, false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < rect.height; ++y)
            ok = EGifPutLine(gif, const_cast<GifByteType*>(indices + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride)),
                             rect.width) == GIF_OK;
        if (map) GifFreeMapObject(map);
        EGifCloseFile(gif, &err);
        return ok ? count : SIZE_MAX;
    }

    // One pixel that leaves the picture as it is.
    void putUnchanged(int delayMs) {
        if (m_globalSlot >= 0) {
            const std::uint8_t index = static_cast<std::uint8_t>(m_globalSlot);
            putImage({0, 0, 1, 1}, 1, &index, nullptr, m_globalSlot, delayMs);
            return;
        }
        const std::vector<std::uint32_t> colours{m_shown[0]};
        const std::uint8_t index = 0;
        putImage({0, 0, 1, 1}, 1, &index, &colours, NO_TRANSPARENT_COLOR, delayMs);
    }

    // `indices`: the rectangle's rows, `stride` apart; `colours` its own
    // table, or null for the global one.
    void putImage(const CanvasRect& rect, int stride, const std::uint8_t* indices, const std::vector<std::uint32_t>* colours,
                  int transparent, int delayMs) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSE_DO_NOT;
        gcb.UserInputFlag = false;
        gcb.DelayTime = gifDelayCentiseconds(delayMs);
        gcb.TransparentColor = transparent;
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        check(EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, 4, ext));
        ColorMapObject* map = nullptr;
        if (colours) {
            const std::vector<GifColorType> table = tableOf(*colours, transparent >= 0 ? 1 : 0);
            map = GifMakeMapObject(static_cast<int>(table.size()), table.data());
            if (!map) throw std::runtime_error("GIF: no memory for a colour table");
        }
        // giflib keeps a copy of the last local table and, given none, drops
        // its pointer without freeing it: the copy is freed here first.
        if (!map && m_gif->Image.ColorMap) {
            GifFreeMapObject(m_gif->Image.ColorMap);
            m_gif->Image.ColorMap = nullptr;
        }
        const int put = EGifPutImageDesc(m_gif, rect.x, rect.y, rect.width, rect.height, false, map);
        if (map) GifFreeMapObject(map);
        check(put);
        for (int y = 0; y < rect.height; ++y)
            check(EGifPutLine(m_gif, const_cast<GifByteType*>(indices + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride)),
                              rect.width));
    }

    ByteSink& m_sink;
    std::exception_ptr m_failure;
    GifFileType* m_gif = nullptr;
    int m_width = 0;
    int m_height = 0;
    std::unique_ptr<gif::NearestColours> m_global;
    std::size_t m_globalTableSize = 0;
    int m_globalSlot = -1;       // the global table's transparent index, -1 when it is full
    double m_firstError = 0;     // the first frame's mean squared error a pixel
    std::vector<std::uint32_t> m_last;   // the frame before, as it was given
    std::vector<std::uint32_t> m_next;   // the frame being added
    std::vector<std::uint32_t> m_shown;  // what a viewer shows after the frames so far
};

}  // namespace

std::unique_ptr<AnimationWriter> makeGifWriter(ByteSink& sink, int width, int height) {
    return std::make_unique<GifWriter>(sink, width, height);
}

}  // namespace vantor
