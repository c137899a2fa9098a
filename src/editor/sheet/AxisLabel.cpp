// The picture beside the axis line: the word for "axis of rotation", its
// three characters stacked, magenta on black. Drawn from small pixel masks
// so it needs no font.
#include "editor/TGEditF.h"

namespace vantor {

namespace {

using Glyph = const char* [16];

constexpr Glyph Kai = {
    "................", ".##############.", ".#............#.", ".#............#.",
    ".#............#.", ".#...######...#.", ".#...#....#...#.", ".#...#....#...#.",
    ".#...#....#...#.", ".#...#....#...#.", ".#...######...#.", ".#............#.",
    ".#............#.", ".#............#.", ".##############.", "................",
};

constexpr Glyph Ten = {
    "...#............", "#######..######.", "...#............", ".#####..........",
    ".#.#.#..########", ".#####.....##...", ".#.#.#....##....", ".#####....#.....",
    "...#.....##..#..", "#######..#....#.", "...#....########", "...#............",
    "...#............", "...#............", "...#............", "................",
};

constexpr Glyph Jiku = {
    "...#............", "#######.....#...", "...#........#...", ".#####..########",
    ".#.#.#..#..#...#", ".#####..#..#...#", ".#.#.#..#..#...#", ".#####..########",
    "...#....#..#...#", "#######.#..#...#", "...#....#..#...#", "...#....########",
    "...#............", "...#............", "...#............", "................",
};

}  // namespace

void TGEditF::drawAxisLabel() {
    Canvas c(jikuBitmap);
    c.brush = Brush{colors::Black, BrushStyle::Solid};
    c.fillRect({0, 0, jikuBitmap.width(), jikuBitmap.height()});
    const Glyph* glyphs[] = {&Kai, &Ten, &Jiku};
    int top = 2;
    for (const Glyph* g : glyphs) {
        for (int row = 0; row < 16; ++row)
            for (int col = 0; col < 16; ++col)
                if ((*g)[row][col] == '#') c.setPixel(2 + col, top + row, colors::Fuchsia);
        top += 18;
    }
    imgJiku.invalidate();
}

}  // namespace vantor
