// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formats/BinaryVertexFormats.h"

#include <algorithm>
#include <cmath>

#include "model/figures/FigureStore.h"
#include "model/formats/FormatMessages.h"
#include "platform/files/ByteReader.h"

namespace vantor {

namespace {
enum class WithFigure { No, Yes };

ParsedVertices parseRecords(const std::uint8_t* data, std::size_t size, int room, WithFigure withFigure) {
    const std::size_t recordSize = withFigure == WithFigure::Yes ? Va4RecordSize : Va2RecordSize;
    ParsedVertices out;
    ByteReader in(data, size);
    const std::size_t limit = room > 0 ? static_cast<std::size_t>(room) : 0;
    out.vertices.reserve(std::min(limit, size / recordSize));
    while (!in.atEnd()) {
        if (in.remaining() < recordSize) {
            out.problem = formatMessages::partialRecord(in.offset());
            break;
        }
        if (out.vertices.size() >= limit) {
            out.problem = formatMessages::tooManyVertices();
            break;
        }
        VertexRecord v;
        v.x = in.f32();
        v.y = in.f32();
        v.link = in.u8();
        in.skip(3);
        if (withFigure == WithFigure::Yes) v.figure = in.i32();
        if (!std::isfinite(v.x) || !std::isfinite(v.y)) {
            out.problem = formatMessages::badCoordinate(out.vertices.size() + 1);
            break;
        }
        out.vertices.push_back(v);
    }
    return out;
}

std::vector<std::uint8_t> encodeRecords(const FigureStore& store, WithFigure withFigure) {
    ByteWriter out;
    const std::size_t recordSize = withFigure == WithFigure::Yes ? Va4RecordSize : Va2RecordSize;
    out.bytes.reserve(recordSize * static_cast<std::size_t>(std::max(store.VertexCount, 0)));
    for (int k = 1; k <= store.VertexCount && k <= MaxVertices; ++k) {
        out.f32(store.x(k));
        out.f32(store.y(k));
        out.u8(store.link(k));
        out.zeros(3);
        if (withFigure == WithFigure::Yes) out.i32(store.figure(k));
    }
    return out.bytes;
}
}  // namespace

ParsedVertices parseVa4(const std::uint8_t* data, std::size_t size, int room) {
    return parseRecords(data, size, room, WithFigure::Yes);
}

ParsedVertices parseVa2(const std::uint8_t* data, std::size_t size, int room) {
    return parseRecords(data, size, room, WithFigure::No);
}

std::vector<std::uint8_t> encodeVa4(const FigureStore& store) { return encodeRecords(store, WithFigure::Yes); }

std::vector<std::uint8_t> encodeVa2(const FigureStore& store) { return encodeRecords(store, WithFigure::No); }

}  // namespace vantor
