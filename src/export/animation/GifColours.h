// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colour tables of GIF frames: exact tables for pictures of few colours,
// libimagequant's palettes for the others, and the mapping of pixels to a
// table chosen earlier (the animation's global table).
#include <cstdint>
#include <vector>

namespace vantor::gif {

// Pixels are 0xRRGGBB.
using Pixels = std::vector<std::uint32_t>;

// A colour table and how the pixels of a picture map into it.
struct Mapped {
    std::vector<std::uint32_t> colours;  // at most 256
    std::vector<std::uint8_t> indices;   // one a pixel
    double squaredError = 0;             // summed over the pixels and their three channels
};

// At most `limit` distinct colours of `pixels` and each pixel's index among
// them; false as soon as one more turns up.
bool exactColours(const Pixels& pixels, std::size_t limit, Mapped& out);

// Summed squared error of `indices` into `colours` against `pixels`.
double squaredError(const Pixels& pixels, const std::vector<std::uint32_t>& colours, const std::vector<std::uint8_t>& indices);

// A palette of at most `maxColours` for the width x height `pixels` from
// libimagequant, and the pixels mapped to it. With `tryDither` the mapping
// is made with and without dithering and the one closer to the pixels is
// kept. Throws std::runtime_error.
void quantize(const Pixels& pixels, int width, int height, int maxColours, bool tryDither, Mapped& out);

// Maps pixels to the nearest colour of a fixed table (the animation's
// global table), remembering the answer for each colour met.
class NearestColours {
public:
    explicit NearestColours(std::vector<std::uint32_t> colours);
    void map(const Pixels& pixels, Mapped& out);
    const std::vector<std::uint32_t>& colours() const { return m_colours; }

private:
    std::uint8_t nearest(std::uint32_t colour) const;
    std::uint8_t lookup(std::uint32_t colour);

    std::vector<std::uint32_t> m_colours;
    // Open addressing; a key's top byte is 1 when the slot is taken.
    std::vector<std::uint32_t> m_keys;
    std::vector<std::uint8_t> m_values;
    std::size_t m_used = 0;
};

}  // namespace vantor::gif
