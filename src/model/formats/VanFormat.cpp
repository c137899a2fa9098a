// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formats/VanFormat.h"

#include <charconv>
#include <cmath>

#include "model/figures/FigureStore.h"
#include "platform/numbers/SharedRoutines.h"
#include "model/formats/FormatMessages.h"
#include "platform/numbers/TextNumbers.h"
#include "platform/numbers/Numbers.h"

namespace vantor {

namespace {
// From 2^23 on single precision holds whole numbers only; they are written
// digit for digit, since rounding through a 64-bit integer would clip the
// largest of them.
std::string savedInteger(float v) {
    if (std::fabs(v) < 8388608.0f) return std::to_string(roundHalfEven(v));
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(v), std::chars_format::fixed, 0);
    return std::string(buf, res.ptr);
}
}  // namespace

ParsedVertices parseVan(const std::vector<std::string>& lines, int room) { return parseVan(linesOf(lines), room); }

ParsedVertices parseVan(const LineSource& lines, int room) {
    ParsedVertices out;
    const std::size_t limit = room > 0 ? static_cast<std::size_t>(room) : 0;
    std::string line;
    if (!lines(line)) return out;  // the count line is not used
    std::size_t firstBlank = 0;  // a blank line is harmless only when nothing but blanks follows it
    for (std::size_t lineNo = 2; lines(line); ++lineNo) {
        if (removeSpaces(line).empty()) {
            if (firstBlank == 0) firstBlank = lineNo;
            continue;
        }
        if (firstBlank != 0) {
            out.problem = formatMessages::badLine(firstBlank, "「,」で区切られた三つの値がありません", "");
            break;
        }
        if (out.vertices.size() >= limit) {
            out.problem = formatMessages::tooManyVertices();
            break;
        }
        const std::size_t c1 = line.find(',');
        const std::size_t c2 = c1 == std::string::npos ? std::string::npos : line.find(',', c1 + 1);
        if (c2 == std::string::npos) {
            out.problem = formatMessages::badLine(lineNo, "「,」で区切られた三つの値がありません", line);
            break;
        }
        auto xv = parseDecimal(std::string_view(line).substr(0, c1), Exponent::Allowed);
        auto yv = parseDecimal(std::string_view(line).substr(c1 + 1, c2 - c1 - 1), Exponent::Allowed);
        auto link = parseInteger(std::string_view(line).substr(c2 + 1));
        std::optional<float> x = xv ? toFiniteF32(*xv) : std::nullopt;
        std::optional<float> y = yv ? toFiniteF32(*yv) : std::nullopt;
        if (!x || !y || !link) {
            out.problem = formatMessages::badLine(lineNo, "数値として読めない値があります", line);
            break;
        }
        out.vertices.push_back({*x, *y, static_cast<std::uint8_t>(*link & 0xFF), 0});
    }
    return out;
}

std::vector<std::string> encodeVan(const FigureStore& store) {
    std::vector<std::string> lines;
    lines.push_back(std::to_string(store.VertexCount));
    for (int k = 1; k <= store.VertexCount && k <= MaxVertices; ++k) {
        lines.push_back(savedInteger(store.x(k)) + "," + savedInteger(store.y(k)) + "," + std::to_string(store.link(k)));
    }
    return lines;
}

}  // namespace vantor
