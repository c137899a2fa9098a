// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureStamps.h"

#include "platform/pixels/Bitmap.h"
#include "platform/pixels/Palette.h"
#include "platform/widgets/Image.h"

namespace vantor::web {

std::uint64_t paletteChecksum(const Palette* palette) {
    if (!palette) return 0;
    // FNV-1a over the colours.
    std::uint64_t h = 14695981039346656037ull;
    for (const PaletteEntry& e : palette->entries()) {
        for (const std::uint8_t byte : {e.r, e.g, e.b}) {
            h ^= byte;
            h *= 1099511628211ull;
        }
    }
    return h;
}

std::uint32_t PictureStamps::stamp(Image& image) {
    Watch& w = m_watches[&image];
    const auto bump = [changes = w.changes] { ++*changes; };
    if (!w.subscribed) {
        image.subscribe(bump);
        w.subscribed = true;
    }
    Bitmap* bitmap = image.picture();
    Palette* palette = bitmap ? bitmap->palette().get() : nullptr;
    if (bitmap != w.bitmap) {
        // A bitmap shown before keeps its listener: it may be gone, so it
        // is never touched again; its announcements only cost a repaint.
        if (bitmap) bitmap->subscribe(bump);
        w.bitmap = bitmap;
        ++*w.changes;
    }
    if (palette != w.palette) {
        if (palette) palette->subscribe(bump);
        w.palette = palette;
        ++*w.changes;
    }
    // Folded to 32 bits, which JavaScript's numbers hold exactly.
    const std::uint64_t mixed = *w.changes * 0x9E3779B97F4A7C15ull + paletteChecksum(palette);
    return static_cast<std::uint32_t>(mixed ^ (mixed >> 32));
}

}  // namespace vantor::web
