// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// English texts that reach the screen from below the windows: the system's
// error texts, the picture reader's reasons, the mesh export's warnings. A
// Japanese interface shows them through this table; everything the windows
// themselves say is Japanese already.
//
// The table holds whole lines and templates (see TextTemplates.h), matched
// on their English side. A message of several lines ("\r" between them) is
// translated line by line; a line nothing is known of (a file name) stays.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "language/English.h"

namespace vantor {

std::span<const TextPair> japaneseTexts();

// The Japanese of an English text; nullopt when no line of it is known.
std::optional<std::string> japaneseFor(std::string_view english);

// True when the text holds a word of three or more Latin letters other than
// a name the program shows in either language (its title, BMP, ...) or a
// file extension: a text a Japanese screen must translate.
bool hasEnglish(std::string_view text);

}  // namespace vantor
