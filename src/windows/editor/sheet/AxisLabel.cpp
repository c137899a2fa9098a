// SPDX-License-Identifier: GPL-3.0-or-later
// The picture beside the axis line: the word for "axis of rotation" in the
// interface's language, its characters stacked, magenta on black. Drawn
// from small pixel masks so it needs no font.
#include "language/English.h"
#include "windows/shared/Workspace.h"
#include "windows/editor/EditorWindow.h"

namespace vantor {

namespace {

using Glyph = const char* [16];

constexpr Glyph GlyphTurn = {
    "................", ".##############.", ".#............#.", ".#............#.",
    ".#............#.", ".#...######...#.", ".#...#....#...#.", ".#...#....#...#.",
    ".#...#....#...#.", ".#...#....#...#.", ".#...######...#.", ".#............#.",
    ".#............#.", ".#............#.", ".##############.", "................",
};

constexpr Glyph GlyphRoll = {
    "...#............", "#######..######.", "...#............", ".#####..........",
    ".#.#.#..########", ".#####.....##...", ".#.#.#....##....", ".#####....#.....",
    "...#.....##..#..", "#######..#....#.", "...#....########", "...#............",
    "...#............", "...#............", "...#............", "................",
};

constexpr Glyph GlyphAxis = {
    "...#............", "#######.....#...", "...#........#...", ".#####..########",
    ".#.#.#..#..#...#", ".#####..#..#...#", ".#.#.#..#..#...#", ".#####..########",
    "...#....#..#...#", "#######.#..#...#", "...#....#..#...#", "...#....########",
    "...#............", "...#............", "...#............", "................",
};

// The English word, four letters of 12 × 12 so that they fit the same
// picture.
using Letter = const char* [12];

constexpr Letter A = {
    "....####....", "...##..##...", "..##....##..", "..##....##..", ".##......##.", ".##......##.",
    ".##########.", ".##......##.", ".##......##.", ".##......##.", ".##......##.", "............",
};
constexpr Letter X = {
    ".##......##.", "..##....##..", "...##..##...", "....####....", ".....##.....", ".....##.....",
    "....####....", "...##..##...", "..##....##..", ".##......##.", ".##......##.", "............",
};
constexpr Letter I = {
    "..########..", ".....##.....", ".....##.....", ".....##.....", ".....##.....", ".....##.....",
    ".....##.....", ".....##.....", ".....##.....", ".....##.....", "..########..", "............",
};
constexpr Letter S = {
    "...######...", "..##....##..", ".##.........", ".##.........", "..##........", "...######...",
    "........##..", ".........##.", ".........##.", "..##....##..", "...######...", "............",
};

template <typename Mask>
void drawMask(Canvas& c, const Mask& mask, int size, int left, int top) {
    for (int row = 0; row < size; ++row)
        for (int col = 0; col < size; ++col)
            if (mask[row][col] == '#') c.setPixel(left + col, top + row, colors::Fuchsia);
}

}  // namespace

void EditorWindow::drawAxisLabel() {
    Canvas c(axisBitmap);
    c.brush = Brush{colors::Black, BrushStyle::Solid};
    c.fillRect({0, 0, axisBitmap.width(), axisBitmap.height()});
    if (m_workspace.config.language == Language::English) {
        const Letter* letters[] = {&A, &X, &I, &S};
        int top = 2;
        for (const Letter* l : letters) {
            drawMask(c, *l, 12, 4, top);
            top += 13;
        }
    } else {
        const Glyph* glyphs[] = {&GlyphTurn, &GlyphRoll, &GlyphAxis};
        int top = 2;
        for (const Glyph* g : glyphs) {
            drawMask(c, *g, 16, 2, top);
            top += 18;
        }
    }
    imgAxis.invalidate();
}

}  // namespace vantor
