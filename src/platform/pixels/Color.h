// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as the logic sees them: r + 256*g + 65536*b. A palette-index colour
// (0x01000000 | index) names an entry of the bitmap's palette instead.
#include <cstdint>

namespace vantor {

using TColor = std::uint32_t;

constexpr TColor rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr TColor paletteIndex(std::uint8_t index) { return 0x01000000u | index; }
constexpr bool isPaletteIndex(TColor c) { return (c & 0xFF000000u) == 0x01000000u; }
constexpr std::uint8_t colorR(TColor c) { return c & 0xFF; }
constexpr std::uint8_t colorG(TColor c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t colorB(TColor c) { return (c >> 16) & 0xFF; }

namespace colors {
constexpr TColor Black = rgb(0, 0, 0);
constexpr TColor White = rgb(255, 255, 255);
constexpr TColor Red = rgb(255, 0, 0);
constexpr TColor Lime = rgb(0, 255, 0);
constexpr TColor Blue = rgb(0, 0, 255);
constexpr TColor Navy = rgb(0, 0, 128);
constexpr TColor Green = rgb(0, 128, 0);
constexpr TColor Maroon = rgb(128, 0, 0);
constexpr TColor Olive = rgb(128, 128, 0);
constexpr TColor Purple = rgb(128, 0, 128);
constexpr TColor Teal = rgb(0, 128, 128);
constexpr TColor Gray = rgb(128, 128, 128);
constexpr TColor Silver = rgb(192, 192, 192);
constexpr TColor Yellow = rgb(255, 255, 0);
constexpr TColor Fuchsia = rgb(255, 0, 255);
constexpr TColor Aqua = rgb(0, 255, 255);
constexpr TColor BtnFace = rgb(192, 192, 192);
}  // namespace colors

struct IntPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const IntPoint&, const IntPoint&) = default;
};

// Half-open: left <= x < right, top <= y < bottom.
struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const IntRect&, const IntRect&) = default;
};

}  // namespace vantor
