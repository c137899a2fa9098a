// GIF through giflib: GIF89a, a NETSCAPE2.0 block that loops for ever, and
// for each frame a graphic control block with its delay and its own colour
// table. Palette frames keep their colour table as it is; true-colour frames
// get an exact table when they use at most 256 colours, else giflib's
// median-cut quantizer.
#include <gif_lib.h>

#include <array>
#include <stdexcept>

#include "anime/export/AnimationWriter.h"

namespace vantor {

namespace {

std::runtime_error gifError(int code) {
    const char* text = GifErrorString(code);
    return std::runtime_error(std::string("GIF: ") + (text ? text : "write failed"));
}

// Up to 256 distinct colours of a true-colour frame, and each pixel's index
// among them; false as soon as a 257th colour turns up.
bool exactColours(const Bitmap& frame, std::vector<GifColorType>& colours, std::vector<GifByteType>& indices) {
    constexpr std::size_t TableSize = 1024;  // open addressing, at most a quarter full
    std::array<std::uint32_t, TableSize> keys;
    std::array<std::int16_t, TableSize> slot;
    slot.fill(-1);
    colours.clear();
    const std::size_t n = static_cast<std::size_t>(frame.width()) * frame.height();
    indices.resize(n);
    const std::uint32_t* px = frame.rgbData();
    std::uint32_t last = 0xFFFFFFFFu;
    GifByteType lastIndex = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t c = px[i] & 0xFFFFFFu;
        if (c != last) {
            std::size_t h = (c * 2654435761u) >> 22;
            while (slot[h] >= 0 && keys[h] != c) h = (h + 1) & (TableSize - 1);
            if (slot[h] < 0) {
                if (colours.size() == 256) return false;
                keys[h] = c;
                slot[h] = static_cast<std::int16_t>(colours.size());
                colours.push_back({static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8),
                                   static_cast<GifByteType>(c)});
            }
            last = c;
            lastIndex = static_cast<GifByteType>(slot[h]);
        }
        indices[i] = lastIndex;
    }
    return true;
}

void quantize(const Bitmap& frame, std::vector<GifColorType>& colours, std::vector<GifByteType>& indices) {
    const std::size_t n = static_cast<std::size_t>(frame.width()) * frame.height();
    std::vector<GifByteType> r(n), g(n), b(n);
    const std::uint32_t* px = frame.rgbData();
    for (std::size_t i = 0; i < n; ++i) {
        r[i] = static_cast<GifByteType>(px[i] >> 16);
        g[i] = static_cast<GifByteType>(px[i] >> 8);
        b[i] = static_cast<GifByteType>(px[i]);
    }
    int size = 256;
    colours.assign(256, GifColorType{0, 0, 0});
    indices.resize(n);
    if (GifQuantizeBuffer(static_cast<unsigned>(frame.width()), static_cast<unsigned>(frame.height()), &size, r.data(),
                          g.data(), b.data(), indices.data(), colours.data()) == GIF_ERROR)
        throw std::runtime_error("GIF: colour quantization failed");
    colours.resize(256);  // giflib's tables have a power-of-two size
}

class GifWriter : public AnimationWriter {
public:
    ~GifWriter() override {
        if (m_gif) {
            int err = 0;
            EGifCloseFile(m_gif, &err);
        }
    }

    void addFrame(const Bitmap& input, int delayMs) override {
        if (!m_gif) start(input.width(), input.height());
        const Bitmap fitted = (input.width() == m_width && input.height() == m_height) ? Bitmap() : fitFrame(input, m_width, m_height);
        const Bitmap& frame = fitted.isEmpty() ? input : fitted;

        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSE_DO_NOT;
        gcb.UserInputFlag = false;
        gcb.DelayTime = gifDelayCentiseconds(delayMs);
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        check(EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, 4, ext));

        std::vector<GifColorType> colours;
        std::vector<GifByteType> indices;
        const GifByteType* rows = nullptr;
        if (frame.format() == PixelFormat::Indexed8) {
            colours.resize(256);
            for (int i = 0; i < 256; ++i) {
                const PaletteEntry e = frame.colorTableEntry(i);
                colours[static_cast<std::size_t>(i)] = {e.r, e.g, e.b};
            }
            rows = frame.indexData();
        } else {
            if (!exactColours(frame, colours, indices)) quantize(frame, colours, indices);
            int bits = 1;
            while ((1u << bits) < colours.size()) ++bits;
            colours.resize(std::size_t{1} << bits, GifColorType{0, 0, 0});
            rows = indices.data();
        }
        ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
        if (!map) throw std::runtime_error("GIF: no memory for a colour table");
        const int put = EGifPutImageDesc(m_gif, 0, 0, m_width, m_height, false, map);
        GifFreeMapObject(map);
        check(put);
        for (int y = 0; y < m_height; ++y)
            check(EGifPutLine(m_gif, const_cast<GifByteType*>(rows + static_cast<std::size_t>(y) * m_width), m_width));
        ++m_frames;
    }

    std::vector<std::uint8_t> finish() override {
        if (!m_gif) throw std::runtime_error("GIF: no frames");
        int err = 0;
        const int closed = EGifCloseFile(m_gif, &err);
        m_gif = nullptr;
        if (closed == GIF_ERROR) throw gifError(err);
        return std::move(m_bytes);
    }

private:
    static int output(GifFileType* gif, const GifByteType* data, int length) {
        auto* self = static_cast<GifWriter*>(gif->UserData);
        self->m_bytes.insert(self->m_bytes.end(), data, data + length);
        return length;
    }

    void check(int result) {
        if (result == GIF_ERROR) throw gifError(m_gif ? m_gif->Error : 0);
    }

    void start(int width, int height) {
        if (width <= 0 || height <= 0 || width > 65535 || height > 65535)
            throw std::runtime_error("GIF: frame size out of range");
        m_width = width;
        m_height = height;
        int err = 0;
        m_gif = EGifOpen(this, &GifWriter::output, &err);
        if (!m_gif) throw gifError(err);
        EGifSetGifVersion(m_gif, true);
        check(EGifPutScreenDesc(m_gif, width, height, 8, 0, nullptr));
        // Loop for ever.
        static const GifByteType app[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        static const GifByteType loop[] = {1, 0, 0};
        check(EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE));
        check(EGifPutExtensionBlock(m_gif, sizeof app, app));
        check(EGifPutExtensionBlock(m_gif, sizeof loop, loop));
        check(EGifPutExtensionTrailer(m_gif));
    }

    GifFileType* m_gif = nullptr;
    std::vector<std::uint8_t> m_bytes;
    int m_width = 0;
    int m_height = 0;
};

}  // namespace

std::unique_ptr<AnimationWriter> makeGifWriter() { return std::make_unique<GifWriter>(); }

}  // namespace vantor
