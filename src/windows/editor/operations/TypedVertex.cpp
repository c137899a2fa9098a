// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/editor/operations/TypedVertex.h"

#include "platform/numbers/SharedRoutines.h"
#include "platform/numbers/TextNumbers.h"

namespace vantor {

std::optional<TypedVertex> parseTypedVertex(const std::string& typed, long double maxX, long double maxY) {
    const std::string answer = removeSpaces(typed);
    const std::size_t comma = answer.find(',');
    if (comma == std::string::npos || answer.find(',', comma + 1) != std::string::npos) return std::nullopt;
    const std::string xs = answer.substr(0, comma);
    const std::string ys = answer.substr(comma + 1);
    if (!isSignedDecimal(xs) || !isSignedDecimal(ys)) return std::nullopt;
    const std::optional<long double> px = parseDecimal(xs, Exponent::Refused);
    const std::optional<long double> py = parseDecimal(ys, Exponent::Refused);
    if (!px || !py) return std::nullopt;
    const long double vx = *px, vy = *py;
    if (!(vx >= 0 && vx <= maxX && vy >= -maxY && vy <= maxY)) return std::nullopt;
    return TypedVertex{static_cast<float>(vx), static_cast<float>(vy)};
}

}  // namespace vantor
