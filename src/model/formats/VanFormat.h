// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The version-1 text format: a line with the vertex count, then one line
// "x,y,link" per vertex with the coordinates rounded to integers.
#include <string>
#include <vector>

#include "model/formats/VertexRecord.h"
#include "platform/files/LineReader.h"

namespace vantor {

class FigureStore;

// The count line is not used; fewer than two lines give no vertex. Each
// further line gives one vertex: x and y as decimal numbers, link as an
// integer (its low 8 bits). A line with fewer than two commas, or a field
// that is not a number (or not finite in single precision), stops the
// parse with a problem naming the line; the vertices before it are kept.
// Blank lines at the end of the file are ignored; a blank line followed by
// more vertex lines stops the parse as a bad line. Stops at `room`
// vertices, without reading further.
ParsedVertices parseVan(const LineSource& lines, int room);
ParsedVertices parseVan(const std::vector<std::string>& lines, int room);

// The count line, then "x,y,link" per entry, x and y rounded half to even.
std::vector<std::string> encodeVan(const FigureStore& store);

}  // namespace vantor
