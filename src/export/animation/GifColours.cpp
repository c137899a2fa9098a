// SPDX-License-Identifier: GPL-3.0-or-later
// libimagequant runs its loops on OpenMP threads. Threads that finished
// their share would spin, waiting for the next loop, for as long as they
// burned when working (a third of an export's time); the quantizer runs
// them on the calling thread alone, where nothing waits.
#include "export/animation/GifColours.h"

#include <libimagequant.h>
#include <omp.h>

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>

namespace vantor::gif {

namespace {

// libimagequant's trade of time for quality, 1 (slowest) to 10.
constexpr int QuantizerSpeed = 4;
// Slots of NearestColours' memory of answers (5 bytes each) at most.
constexpr std::size_t MaxRemembered = std::size_t(1) << 20;

// Runs OpenMP loops started on this thread with one thread while alive.
class SingleThreaded {
public:
    SingleThreaded() : m_before(omp_get_max_threads()) { omp_set_num_threads(1); }
    ~SingleThreaded() { omp_set_num_threads(m_before); }
    SingleThreaded(const SingleThreaded&) = delete;
    SingleThreaded& operator=(const SingleThreaded&) = delete;

private:
    int m_before;
};

template <typename T, void (*Destroy)(T*)>
struct LiqDeleter {
    void operator()(T* p) const {
        if (p) Destroy(p);
    }
};
template <typename T, void (*Destroy)(T*)>
using LiqPtr = std::unique_ptr<T, LiqDeleter<T, Destroy>>;

std::vector<liq_color> rgba(const Pixels& pixels) {
    std::vector<liq_color> out(pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i)
        out[i] = {static_cast<unsigned char>(pixels[i] >> 16), static_cast<unsigned char>(pixels[i] >> 8),
                  static_cast<unsigned char>(pixels[i]), 255};
    return out;
}

[[noreturn]] void failed() { throw std::runtime_error("GIF: colour quantization failed"); }

}  // namespace

bool exactColours(const Pixels& pixels, std::size_t limit, Mapped& out) {
    constexpr std::size_t TableSize = 1024;  // open addressing, at most a quarter full
    std::array<std::uint32_t, TableSize> keys;
    std::array<std::int16_t, TableSize> slot;
    slot.fill(-1);
    out.colours.clear();
    out.indices.resize(pixels.size());
    out.squaredError = 0;
    std::uint32_t last = 0xFFFFFFFFu;
    std::uint8_t lastIndex = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t c = pixels[i];
        if (c != last) {
            std::size_t h = (c * 2654435761u) >> 22;
            while (slot[h] >= 0 && keys[h] != c) h = (h + 1) & (TableSize - 1);
            if (slot[h] < 0) {
                if (out.colours.size() == limit) return false;
                keys[h] = c;
                slot[h] = static_cast<std::int16_t>(out.colours.size());
                out.colours.push_back(c);
            }
            last = c;
            lastIndex = static_cast<std::uint8_t>(slot[h]);
        }
        out.indices[i] = lastIndex;
    }
    return true;
}

double squaredError(const Pixels& pixels, const std::vector<std::uint32_t>& colours, const std::vector<std::uint8_t>& indices) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t a = pixels[i], b = colours[indices[i]];
        for (int shift : {0, 8, 16}) {
            const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
            sum += static_cast<std::uint64_t>(d * d);
        }
    }
    return static_cast<double>(sum);
}

namespace {

void remap(liq_result* result, liq_image* image, float dither, const Pixels& pixels, Mapped& out) {
    liq_set_dithering_level(result, dither);
    out.indices.resize(pixels.size());
    if (liq_write_remapped_image(result, image, out.indices.data(), out.indices.size()) != LIQ_OK) failed();
    // Mapping refines the palette: it is read afterwards.
    const liq_palette* palette = liq_get_palette(result);
    out.colours.clear();
    for (unsigned i = 0; i < palette->count; ++i)
        out.colours.push_back((std::uint32_t(palette->entries[i].r) << 16) | (std::uint32_t(palette->entries[i].g) << 8) |
                              palette->entries[i].b);
    out.squaredError = squaredError(pixels, out.colours, out.indices);
}

}  // namespace

void quantize(const Pixels& pixels, int width, int height, int maxColours, bool tryDither, Mapped& out) {
    const SingleThreaded one;
    LiqPtr<liq_attr, liq_attr_destroy> attr(liq_attr_create());
    if (!attr) throw std::runtime_error("GIF: no memory for colour quantization");
    liq_set_max_colors(attr.get(), maxColours);
    liq_set_speed(attr.get(), QuantizerSpeed);
    std::vector<liq_color> data = rgba(pixels);
    LiqPtr<liq_image, liq_image_destroy> image(liq_image_create_rgba(attr.get(), data.data(), width, height, 0));
    liq_result* raw = nullptr;
    if (!image || liq_image_quantize(image.get(), attr.get(), &raw) != LIQ_OK) failed();
    LiqPtr<liq_result, liq_result_destroy> result(raw);
    remap(result.get(), image.get(), 0.0f, pixels, out);
    if (!tryDither) return;
    // Dither noise pleases the eye on wide gradients but usually moves
    // pixels further from their colours: kept only when it measures closer.
    Mapped dithered;
    remap(result.get(), image.get(), 1.0f, pixels, dithered);
    if (dithered.squaredError < out.squaredError) out = std::move(dithered);
}

NearestColours::NearestColours(std::vector<std::uint32_t> colours)
    : m_colours(std::move(colours)), m_keys(1 << 12, 0), m_values(1 << 12, 0) {}

std::uint8_t NearestColours::nearest(std::uint32_t c) const {
    const int r = static_cast<int>((c >> 16) & 0xFF), g = static_cast<int>((c >> 8) & 0xFF), b = static_cast<int>(c & 0xFF);
    int best = 0, bestDistance = 1 << 30;
    for (std::size_t i = 0; i < m_colours.size(); ++i) {
        const std::uint32_t p = m_colours[i];
        const int dr = r - static_cast<int>((p >> 16) & 0xFF), dg = g - static_cast<int>((p >> 8) & 0xFF),
                  db = b - static_cast<int>(p & 0xFF);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return static_cast<std::uint8_t>(best);
}

std::uint8_t NearestColours::lookup(std::uint32_t colour) {
    const std::uint32_t key = colour | 0x01000000u;
    std::size_t mask = m_keys.size() - 1;
    std::size_t h = (colour * 2654435761u) & mask;
    while (m_keys[h] != 0 && m_keys[h] != key) h = (h + 1) & mask;
    if (m_keys[h] == key) return m_values[h];
    const std::uint8_t index = nearest(colour);
    if (2 * (m_used + 1) > m_keys.size() && m_keys.size() >= MaxRemembered) {
        // Bounded memory: start remembering afresh.
        std::fill(m_keys.begin(), m_keys.end(), 0);
        m_used = 0;
        h = (colour * 2654435761u) & mask;
    } else if (2 * (m_used + 1) > m_keys.size()) {
        // Grow to keep the table at most half full.
        std::vector<std::uint32_t> keys(m_keys.size() * 2, 0);
        std::vector<std::uint8_t> values(keys.size(), 0);
        mask = keys.size() - 1;
        for (std::size_t i = 0; i < m_keys.size(); ++i) {
            if (m_keys[i] == 0) continue;
            std::size_t k = ((m_keys[i] & 0xFFFFFFu) * 2654435761u) & mask;
            while (keys[k] != 0) k = (k + 1) & mask;
            keys[k] = m_keys[i];
            values[k] = m_values[i];
        }
        m_keys.swap(keys);
        m_values.swap(values);
        h = (colour * 2654435761u) & mask;
        while (m_keys[h] != 0) h = (h + 1) & mask;
    }
    m_keys[h] = key;
    m_values[h] = index;
    ++m_used;
    return index;
}

void NearestColours::map(const Pixels& pixels, Mapped& out) {
    out.colours = m_colours;
    out.indices.resize(pixels.size());
    std::uint32_t last = 0xFFFFFFFFu;
    std::uint8_t lastIndex = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] != last) {
            last = pixels[i];
            lastIndex = lookup(last);
        }
        out.indices[i] = lastIndex;
    }
    out.squaredError = squaredError(pixels, out.colours, out.indices);
}

}  // namespace vantor::gif
