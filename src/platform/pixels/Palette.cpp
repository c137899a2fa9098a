// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pixels/Palette.h"

#include <algorithm>
#include <limits>

namespace vantor {

Palette::Palette(std::vector<PaletteEntry> entries) : m_entries(std::move(entries)) {
    if (m_entries.size() > 256) m_entries.resize(256);
}

void Palette::animateEntries(int first, const std::vector<PaletteEntry>& entries) {
    bool any = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        int idx = first + static_cast<int>(i);
        if (idx < 0 || idx >= size()) continue;
        auto& e = m_entries[static_cast<std::size_t>(idx)];
        if (!e.reserved) continue;
        e.r = entries[i].r;
        e.g = entries[i].g;
        e.b = entries[i].b;
        any = true;
    }
    if (any) notify();
}

void Palette::setEntries(int first, const std::vector<PaletteEntry>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        int idx = first + static_cast<int>(i);
        if (idx < 0) continue;
        if (idx >= 256) break;
        if (idx >= size()) m_entries.resize(static_cast<std::size_t>(idx) + 1);
        m_entries[static_cast<std::size_t>(idx)] = entries[i];
    }
}

int Palette::nearestIndex(TColor color) const {
    int best = 0;
    long bestDist = std::numeric_limits<long>::max();
    for (int i = 0; i < size(); ++i) {
        const auto& e = m_entries[static_cast<std::size_t>(i)];
        long dr = long(e.r) - colorR(color), dg = long(e.g) - colorG(color), db = long(e.b) - colorB(color);
        long d = dr * dr + dg * dg + db * db;
        if (d < bestDist) {
            bestDist = d;
            best = i;
            if (d == 0) break;
        }
    }
    return best;
}

int Palette::subscribe(std::function<void()> listener) {
    m_listeners.emplace_back(m_nextId, std::move(listener));
    return m_nextId++;
}

void Palette::unsubscribe(int id) {
    std::erase_if(m_listeners, [id](const auto& l) { return l.first == id; });
}

void Palette::notify() {
    auto copy = m_listeners;
    for (auto& l : copy) l.second();
}

}  // namespace vantor
