// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's "x, y" box for one vertex: whatever is typed, a vertex comes
// back only within the sheet's range, and the text the box proposes for
// any vertex it accepted reads back to the same vertex.
#include <cmath>
#include <string>

#include "FuzzSupport.h"
#include "platform/numbers/TextNumbers.h"
#include "windows/editor/operations/TypedVertex.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr long double MaxX = 302, MaxY = 122;
    const std::string typed(data, data + size);
    const auto v = parseTypedVertex(typed, MaxX, MaxY);
    if (!v) return 0;
    fuzz::require(v->x >= 0 && v->x <= MaxX && v->y >= -MaxY && v->y <= MaxY);
    const auto again = parseTypedVertex(shortestDecimal(v->x) + ", " + shortestDecimal(v->y), MaxX, MaxY);
    fuzz::require(again && again->x == v->x && again->y == v->y);
    return 0;
}
