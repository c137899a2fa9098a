// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bright band of the simulation on a 256-colour screen: one entry of the
// angle ramp shown 40 brighter per channel, moved along the ramp each tick.
// Only the palette changes; not a pixel of the picture is written, so a tick
// costs the same whatever the size of the model.
#include <cstdint>
#include <vector>

#include "render/shading/DisplayPalette.h"
#include "platform/pixels/Bitmap.h"

namespace vantor {

class PaletteBand {
public:
    static constexpr int RampEntries = 180;
    static constexpr std::uint8_t Lift = 40;

    // The band at entry h, not yet shown; the logical palette is the ramp.
    void start(const DisplayPalette& ramp, int h);
    int highlight() const { return m_h; }

    // Restores entry h from the ramp, moves h on by step / 2 (halved toward
    // zero) modulo 180, brightens the new entry (byte arithmetic), and gives
    // the bitmap a new palette of the 202 entries.
    void advance(const DisplayPalette& ramp, int step, Bitmap& bitmap);

    // The entry's colour with the lift added to each channel.
    static PaletteEntry brightened(PaletteEntry e);

private:
    int m_h = 0;
    std::vector<PaletteEntry> m_logical;
};

}  // namespace vantor
