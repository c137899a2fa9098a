// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formats/CsvFormat.h"

#include <cmath>

#include "model/figures/FigureStore.h"
#include "platform/numbers/SharedRoutines.h"
#include "model/formats/FormatMessages.h"
#include "platform/numbers/TextNumbers.h"

namespace vantor {

namespace {
std::optional<float> csvValue(const std::string& field) {
    if (!isSignedDecimal(field)) return std::nullopt;
    auto v = parseDecimal(field, Exponent::Refused);
    if (!v) return std::nullopt;
    return toFiniteF32(*v);
}

// roundTo3 goes through a 32-bit integer and would clip values from
// 2147483.647 on. Single precision holds no thousandths there (its step is
// 0.25 or more), so such a value is already what the rounding would give.
float savedCoordinate(float v) {
    constexpr long double Limit = 2147483647.0L / 1000.0L;
    return std::fabs(static_cast<long double>(v)) < Limit ? roundTo3(v) : v;
}
}  // namespace

ParsedCsv parseCsv(const std::vector<std::string>& lines, int room) { return parseCsv(linesOf(lines), room); }

ParsedCsv parseCsv(const LineSource& lines, int room) {
    ParsedCsv out;
    const std::size_t limit = room > 0 ? static_cast<std::size_t>(room) : 0;
    std::string raw;
    for (bool first = true; lines(raw); first = false) {
        if (first) dropByteOrderMark(raw);
        const std::string line = removeSpaces(raw);
        if (line.empty()) continue;
        const std::size_t comma = line.find(',');
        const std::string field1 = line.substr(0, comma);
        if (field1.find('=') != std::string::npos) {
            if (out.vertices.empty()) out.endsPreviousFigure = true;
            else out.vertices.back().link = 0;
        }
        auto x = csvValue(field1);
        if (comma == std::string::npos) continue;
        const std::size_t next = line.find(',', comma + 1);
        const std::string field2 = line.substr(comma + 1, next == std::string::npos ? std::string::npos : next - comma - 1);
        auto y = csvValue(field2);
        if (!x || !y) continue;
        if (out.vertices.size() >= limit) {
            out.problem = formatMessages::tooManyVertices();
            break;
        }
        out.vertices.push_back({std::fabs(*x), *y, 1, 0});
    }
    return out;
}

std::vector<std::string> encodeCsv(const FigureStore& store) {
    std::vector<std::string> lines;
    for (int k = 1; k <= store.VertexCount && k <= MaxVertices; ++k) {
        lines.push_back(formatGeneral15(savedCoordinate(store.x(k))) + "," + formatGeneral15(savedCoordinate(store.y(k))));
        if (store.link(k) == 0) lines.push_back("=");
    }
    return lines;
}

}  // namespace vantor
