// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pixels/Bitmap.h"

#include <algorithm>
#include <stdexcept>

namespace vantor {

Bitmap::Bitmap(int width, int height, PixelFormat format) { resize(width, height, format); }

void Bitmap::resize(int width, int height, PixelFormat format) {
    if (width < 0 || height < 0) throw std::invalid_argument("negative bitmap size");
    m_width = width;
    m_height = height;
    m_format = format;
    std::size_t n = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    m_index.assign(format == PixelFormat::Indexed8 ? n : 0, 0);
    m_rgb.assign(format == PixelFormat::Rgb32 ? n : 0, 0);
}

void Bitmap::attachPalette(std::shared_ptr<Palette> palette) { m_palette = std::move(palette); }

PaletteEntry Bitmap::colorTableEntry(int index) const {
    if (m_palette && index >= 0 && index < m_palette->size()) return m_palette->entry(index);
    return PaletteEntry{};
}

std::uint32_t Bitmap::rawPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
    std::size_t i = static_cast<std::size_t>(y) * m_width + x;
    return m_format == PixelFormat::Indexed8 ? m_index[i] : m_rgb[i];
}

void Bitmap::setRawPixel(int x, int y, std::uint32_t value) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    std::size_t i = static_cast<std::size_t>(y) * m_width + x;
    if (m_format == PixelFormat::Indexed8) m_index[i] = static_cast<std::uint8_t>(value);
    else m_rgb[i] = value & 0xFFFFFFu;
}

TColor Bitmap::pixelColor(int x, int y) const {
    std::uint32_t raw = rawPixel(x, y);
    if (m_format == PixelFormat::Indexed8) {
        PaletteEntry e = colorTableEntry(static_cast<int>(raw));
        return rgb(e.r, e.g, e.b);
    }
    return rgb((raw >> 16) & 0xFF, (raw >> 8) & 0xFF, raw & 0xFF);
}

std::uint32_t Bitmap::rawFor(TColor color) const {
    if (m_format == PixelFormat::Indexed8) {
        if (isPaletteIndex(color)) return color & 0xFF;
        return m_palette ? static_cast<std::uint32_t>(m_palette->nearestIndex(color)) : 0;
    }
    if (isPaletteIndex(color)) {
        PaletteEntry e = colorTableEntry(static_cast<int>(color & 0xFF));
        color = rgb(e.r, e.g, e.b);
    }
    return (std::uint32_t(colorR(color)) << 16) | (std::uint32_t(colorG(color)) << 8) | colorB(color);
}

}  // namespace vantor
