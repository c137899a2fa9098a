// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of the editor's "x, y" box for one vertex, apart from the window
// so that it can be tested and fuzzed on its own.
#include <optional>
#include <string>

namespace vantor {

struct TypedVertex {
    float x = 0;
    float y = 0;
};

// "x, y" with blanks anywhere, each part a plain signed decimal, x within
// 0 ... maxX and y within -maxY ... maxY; nothing for any other text.
std::optional<TypedVertex> parseTypedVertex(const std::string& typed, long double maxX, long double maxY);

}  // namespace vantor
