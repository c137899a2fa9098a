// GIF through giflib: GIF89a, a NETSCAPE2.0 block that loops for ever, and
// for each frame a graphic control block with its delay and its own colour
// table. Palette frames keep their colour table as it is; true-colour frames
// get an exact table when they use at most 256 colours, else libimagequant's
// palette. Each frame goes to the sink as giflib encodes it.
#include <gif_lib.h>
#include <libimagequant.h>

#include <array>
#include <memory>
#include <exception>
#include <stdexcept>

#include "export/animation/AnimationWriter.h"

namespace vantor {

namespace {

// libimagequant's trade of time for quality, 1 (slowest) to 10.
constexpr int QuantizerSpeed = 4;
// The palette stops growing at this quality (0 ... 100, a scale of mean
// square error): on shaded solids it keeps about 50 dB, and the fewer
// colours make smaller files than a full palette would.
constexpr int QuantizerQuality = 95;

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

template <typename T, void (*Destroy)(T*)>
struct LiqDeleter {
    void operator()(T* p) const {
        if (p) Destroy(p);
    }
};
template <typename T, void (*Destroy)(T*)>
using LiqPtr = std::unique_ptr<T, LiqDeleter<T, Destroy>>;

// A palette of at most 256 colours for a frame of more, chosen with
// full-precision channels, and each pixel mapped to its nearest entry. No
// dithering: the shaded surfaces are smooth gradients where dither noise
// would cost both fidelity and file size.
void quantize(const Bitmap& frame, std::vector<GifColorType>& colours, std::vector<GifByteType>& indices) {
    const std::size_t n = static_cast<std::size_t>(frame.width()) * frame.height();
    std::vector<liq_color> rgba(n);
    const std::uint32_t* px = frame.rgbData();
    for (std::size_t i = 0; i < n; ++i)
        rgba[i] = {static_cast<unsigned char>(px[i] >> 16), static_cast<unsigned char>(px[i] >> 8),
                   static_cast<unsigned char>(px[i]), 255};
    LiqPtr<liq_attr, liq_attr_destroy> attr(liq_attr_create());
    if (!attr) throw std::runtime_error("GIF: no memory for colour quantization");
    liq_set_max_colors(attr.get(), 256);
    liq_set_speed(attr.get(), QuantizerSpeed);
    liq_set_quality(attr.get(), 0, QuantizerQuality);
    LiqPtr<liq_image, liq_image_destroy> image(
        liq_image_create_rgba(attr.get(), rgba.data(), frame.width(), frame.height(), 0));
    liq_result* raw = nullptr;
    if (!image || liq_image_quantize(image.get(), attr.get(), &raw) != LIQ_OK)
        throw std::runtime_error("GIF: colour quantization failed");
    LiqPtr<liq_result, liq_result_destroy> result(raw);
    liq_set_dithering_level(result.get(), 0.0f);
    indices.resize(n);
    if (liq_write_remapped_image(result.get(), image.get(), indices.data(), n) != LIQ_OK)
        throw std::runtime_error("GIF: colour quantization failed");
    const liq_palette* palette = liq_get_palette(result.get());
    colours.clear();
    for (unsigned i = 0; i < palette->count; ++i)
        colours.push_back({palette->entries[i].r, palette->entries[i].g, palette->entries[i].b});
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
        if (!m_gif) start();
        Bitmap scaled;
        const Bitmap& placed = placeFrame(input, scaled);
        const Bitmap fitted = (placed.width() == m_width && placed.height() == m_height) ? Bitmap() : fitFrame(placed, m_width, m_height);
        const Bitmap& frame = fitted.isEmpty() ? placed : fitted;

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

    void start() {
        int err = 0;
        m_gif = EGifOpen(this, &GifWriter::output, &err);
        if (!m_gif) throw gifError(err);
        EGifSetGifVersion(m_gif, true);
        check(EGifPutScreenDesc(m_gif, m_width, m_height, 8, 0, nullptr));
        // Loop for ever.
        static const GifByteType app[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        static const GifByteType loop[] = {1, 0, 0};
        check(EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE));
        check(EGifPutExtensionBlock(m_gif, sizeof app, app));
        check(EGifPutExtensionBlock(m_gif, sizeof loop, loop));
        check(EGifPutExtensionTrailer(m_gif));
    }

    ByteSink& m_sink;
    std::exception_ptr m_failure;
    GifFileType* m_gif = nullptr;
    int m_width = 0;
    int m_height = 0;
};

}  // namespace

std::unique_ptr<AnimationWriter> makeGifWriter(ByteSink& sink, int width, int height) {
    return std::make_unique<GifWriter>(sink, width, height);
}

}  // namespace vantor
