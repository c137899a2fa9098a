// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display's palette store for 256-colour screens: 202 reserved entries,
// 0..200 a ramp (brightness in the still display, angle in the simulation)
// and 201 the background. The tables persist between rebuilds: the
// simulation ramp leaves entries 180..200 of the last brightness ramp alone.
#include <array>
#include <cstdint>
#include <memory>

#include "model/options/DisplayOptions.h"
#include "platform/pixels/Bitmap.h"
#include "platform/pixels/Palette.h"

namespace vantor {

class DisplayPalette {
public:
    static constexpr int EntryCount = 202;

    // Entries 0..200: k * brightStep * window tint per channel, clamped at
    // 255; entry 201: the background colour.
    void buildStillRamp(double brightStep, const DisplayOptions& o);
    // Entries 0..179: (110 + k) * tint rising to entry 90, mirrored after it;
    // entry 201: the background; 180..200 unchanged.
    void buildAngleRamp(const DisplayOptions& o);

    PaletteEntry entry(int k) const;
    // A new palette of the 202 entries, every one reserved.
    std::shared_ptr<Palette> makePalette() const;

    // SetPaletteOfWindow's hand-over: a new palette whose entries are
    // animated to the tables, then attached to the bitmap.
    void attachStill(Bitmap& bitmap) const;
    // animSetPaletteOfWindow's hand-over: attached first, then animated.
    void attachAngle(Bitmap& bitmap) const;

private:
    std::array<std::uint8_t, 204> m_red{};
    std::array<std::uint8_t, 204> m_green{};
    std::array<std::uint8_t, 204> m_blue{};
};

}  // namespace vantor
