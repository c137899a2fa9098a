// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Off-screen picture. Indexed8 keeps one byte per pixel and a 256-entry
// colour table that comes from an attached Palette (shared, so palette
// animation shows at once); Rgb32 keeps one uint32 0x00RRGGBB per pixel, so
// the Qt host can wrap the pixels without copying.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/pixels/Color.h"
#include "platform/pixels/Palette.h"
#include "platform/signals/Observable.h"

namespace vantor {

enum class PixelFormat { Indexed8, Rgb32 };

class Bitmap : public Observable {
public:
    Bitmap() = default;
    Bitmap(int width, int height, PixelFormat format);

    int width() const { return m_width; }
    int height() const { return m_height; }
    PixelFormat format() const { return m_format; }
    bool isEmpty() const { return m_width == 0 || m_height == 0; }

    // Reallocates; contents become 0 (index 0 / black).
    void resize(int width, int height, PixelFormat format);

    // Indexed8 only: 256 entries; without an attached palette all black.
    void attachPalette(std::shared_ptr<Palette> palette);
    const std::shared_ptr<Palette>& palette() const { return m_palette; }
    PaletteEntry colorTableEntry(int index) const;

    // Raw access: Indexed8 -> index byte, Rgb32 -> 0x00RRGGBB. Callers clip.
    std::uint8_t* indexRow(int y) { return m_index.data() + static_cast<std::size_t>(y) * m_width; }
    const std::uint8_t* indexRow(int y) const { return m_index.data() + static_cast<std::size_t>(y) * m_width; }
    std::uint32_t* rgbRow(int y) { return m_rgb.data() + static_cast<std::size_t>(y) * m_width; }
    const std::uint32_t* rgbRow(int y) const { return m_rgb.data() + static_cast<std::size_t>(y) * m_width; }
    const std::uint32_t* rgbData() const { return m_rgb.data(); }
    const std::uint8_t* indexData() const { return m_index.data(); }

    // The raw value of a pixel (index or 0x00RRGGBB); 0 outside.
    std::uint32_t rawPixel(int x, int y) const;
    void setRawPixel(int x, int y, std::uint32_t value);
    // The colour a pixel shows, as TColor, whatever the format; 0 outside.
    TColor pixelColor(int x, int y) const;

    // Raw value that stands for a TColor on this bitmap: palette-index colours
    // map to their index (Indexed8) or the palette entry's colour (Rgb32, if a
    // palette is attached); RGB colours to the nearest palette entry (Indexed8)
    // or 0x00RRGGBB (Rgb32).
    std::uint32_t rawFor(TColor color) const;

    // Host repaint hook: callers that change pixels call changed() once when
    // done. Copies of a bitmap start without listeners.
    void changed() { Observable::changed(); }

private:
    int m_width = 0;
    int m_height = 0;
    PixelFormat m_format = PixelFormat::Rgb32;
    std::vector<std::uint8_t> m_index;
    std::vector<std::uint32_t> m_rgb;
    std::shared_ptr<Palette> m_palette;
};

}  // namespace vantor
