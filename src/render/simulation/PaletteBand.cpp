// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/simulation/PaletteBand.h"

#include <memory>

namespace vantor {

namespace {
int wrapEntry(long long v) {
    const long long m = v % PaletteBand::RampEntries;
    return static_cast<int>(m < 0 ? m + PaletteBand::RampEntries : m);
}
}  // namespace

void PaletteBand::start(const DisplayPalette& ramp, int h) {
    m_h = wrapEntry(h);
    m_logical.resize(DisplayPalette::EntryCount);
    for (int k = 0; k < DisplayPalette::EntryCount; ++k) m_logical[static_cast<std::size_t>(k)] = ramp.entry(k);
}

PaletteEntry PaletteBand::brightened(PaletteEntry e) {
    e.r = static_cast<std::uint8_t>(e.r + Lift);
    e.g = static_cast<std::uint8_t>(e.g + Lift);
    e.b = static_cast<std::uint8_t>(e.b + Lift);
    e.reserved = true;
    return e;
}

void PaletteBand::advance(const DisplayPalette& ramp, int step, Bitmap& bitmap) {
    if (m_logical.size() != DisplayPalette::EntryCount) start(ramp, m_h);
    m_logical[static_cast<std::size_t>(m_h)] = ramp.entry(m_h);
    m_h = wrapEntry(static_cast<long long>(m_h) + step / 2);
    m_logical[static_cast<std::size_t>(m_h)] = brightened(ramp.entry(m_h));
    auto palette = std::make_shared<Palette>(m_logical);
    bitmap.attachPalette(palette);
    palette->animateEntries(0, m_logical);
}

}  // namespace vantor
