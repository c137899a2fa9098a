// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the display colours its picture, chosen once from the screen's colour
// depth: palette indices and palette animation on a 256-colour screen, RGB
// colours on any other.
#include <cstdint>

namespace vantor {

enum class ColourPath : std::uint8_t {
    TrueColour,
    Palette,
};

}  // namespace vantor
