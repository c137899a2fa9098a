// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts with which a reader explains why it stopped before the end of a
// file. They end up in the application's error box, so they are the
// program's own Japanese.
#include <cstddef>
#include <string>

namespace vantor::formatMessages {

std::string tooManyVertices();
std::string tooManyFigures();
// A trailing piece shorter than a record, starting at byte `offset`.
std::string partialRecord(std::size_t offset);
// Record `index` (1-based) holds a coordinate that is not a finite number.
std::string badCoordinate(std::size_t index);
// Record `index` (1-based) names a figure outside the figure table.
std::string badFigureNumber(std::size_t index);
// Text line `lineNo` (1-based) could not be read; `reason` says what is wrong.
std::string badLine(std::size_t lineNo, const std::string& reason, const std::string& text);

// The problem of a read that stopped early, as a sentence naming the file.
std::string readStopped(const std::string& fileName, const std::string& problem);

// Joins two problems; either may be empty; the same problem twice is kept once.
std::string join(const std::string& first, const std::string& second);

}  // namespace vantor::formatMessages
