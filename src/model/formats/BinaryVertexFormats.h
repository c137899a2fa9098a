// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed-record vertex formats: .va4 (16-byte records with a figure
// number) and the older .va2 (12-byte records without one). Both are
// headerless, little-endian: x f32, y f32, link u8, 3 filler bytes, and in
// .va4 the figure number i32.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/formats/VertexRecord.h"

namespace vantor {

class FigureStore;

constexpr std::size_t Va4RecordSize = 16;
constexpr std::size_t Va2RecordSize = 12;

// At most `room` records are taken. Reading stops, with the reason in
// `problem`, at the first record past the room, at a record whose
// coordinates are not finite, or at a trailing partial record.
ParsedVertices parseVa4(const std::uint8_t* data, std::size_t size, int room);
ParsedVertices parseVa2(const std::uint8_t* data, std::size_t size, int room);

// Entries 1..VertexCount of the store, filler bytes zero.
std::vector<std::uint8_t> encodeVa4(const FigureStore& store);
std::vector<std::uint8_t> encodeVa2(const FigureStore& store);

}  // namespace vantor
