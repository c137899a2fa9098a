// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A logical palette: up to 256 entries, each may be flagged reserved
// (animatable). Animation changes entries in place; every bitmap the palette
// is attached to shows the new colours without being redrawn.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/pixels/Color.h"

namespace vantor {

struct PaletteEntry {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool reserved = false;
    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

class Palette {
public:
    explicit Palette(std::vector<PaletteEntry> entries);

    int size() const { return static_cast<int>(m_entries.size()); }
    const PaletteEntry& entry(int index) const { return m_entries.at(static_cast<std::size_t>(index)); }
    const std::vector<PaletteEntry>& entries() const { return m_entries; }

    // Replaces entries first..first+n-1 (only reserved ones change, as the
    // platform animates only reserved entries) and notifies listeners.
    void animateEntries(int first, const std::vector<PaletteEntry>& entries);
    // Replaces entries unconditionally (like SetPaletteEntries) without notifying.
    void setEntries(int first, const std::vector<PaletteEntry>& entries);

    // Index of the nearest entry by squared RGB distance, lowest index on ties.
    int nearestIndex(TColor color) const;

    int subscribe(std::function<void()> listener);
    void unsubscribe(int id);

private:
    void notify();
    std::vector<PaletteEntry> m_entries;
    std::vector<std::pair<int, std::function<void()>>> m_listeners;
    int m_nextId = 1;
};

}  // namespace vantor
