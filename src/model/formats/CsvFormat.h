// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Comma-separated text: one line "x,y" per vertex in list order and a line
// "=" after the last vertex of every figure.
#include <string>
#include <vector>

#include "model/formats/VertexRecord.h"
#include "platform/files/LineReader.h"

namespace vantor {

class FigureStore;

struct ParsedCsv : ParsedVertices {
    // An "=" line came before the first vertex of the file: it ends the
    // figure of the last vertex already in the list.
    bool endsPreviousFigure = false;
};

// Lines are taken without their line breaks. Spaces are ignored; a line
// whose first field is not a plain signed decimal, or that has a comma but
// a second field that is not one, is skipped; a negative x is taken as
// positive. Every vertex comes with link 1 except those that an "=" line
// ended; the caller ends the last figure. Values beyond single precision
// make the line invalid too. A UTF-8 byte-order mark before the first line
// is not part of it. Stops at `room` vertices, without reading further.
ParsedCsv parseCsv(const LineSource& lines, int room);
ParsedCsv parseCsv(const std::vector<std::string>& lines, int room);

// Lines of entries 1..VertexCount, coordinates through roundTo3 in the
// general format of up to 15 significant digits.
std::vector<std::string> encodeCsv(const FigureStore& store);

}  // namespace vantor
