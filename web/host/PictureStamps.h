// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A number for each image control that changes whenever its picture may
// have: the control announced a change, its bitmap or the bitmap's palette
// did, it shows another bitmap, or the palette's colours differ (the
// palette may be rewritten without an announcement). The page repaints a
// canvas only when its number changed.
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace vantor {
class Bitmap;
class Image;
class Palette;
}  // namespace vantor

namespace vantor::web {

class PictureStamps {
public:
    std::uint32_t stamp(Image& image);

private:
    struct Watch {
        // Shared with the listeners, which may outlive this object inside
        // the models they listen to.
        std::shared_ptr<std::uint64_t> changes = std::make_shared<std::uint64_t>(0);
        const Bitmap* bitmap = nullptr;
        const Palette* palette = nullptr;
        bool subscribed = false;
    };
    std::unordered_map<const Image*, Watch> m_watches;
};

// A checksum of the palette's colours (0 without one).
std::uint64_t paletteChecksum(const Palette* palette);

}  // namespace vantor::web
