// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts built around data, matched against a template in one language and
// rewritten in another. In a template "{0}" is data (a file name, a number)
// and is copied unchanged; "{0*}" is one of the program's own texts and is
// itself translated. A placeholder takes the shortest non-empty text after
// which the rest of the template still matches.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// Translates one of the program's own texts; nullopt when it cannot.
using InnerTranslation = std::function<std::optional<std::string>(std::string_view)>;

// `line` rewritten from template `from` to template `to`; nullopt when the
// line does not match `from` (or a "{n*}" part cannot be translated).
std::optional<std::string> applyTemplate(std::string_view line, std::string_view from, std::string_view to,
                                         const InnerTranslation& inner);

// A text of several lines ("\r" between them) with each line translated by
// `line`; a line it has nothing for stays as it is. Nullopt when no line had
// a translation.
std::optional<std::string> translateEachLine(std::string_view text, const InnerTranslation& line);

}  // namespace vantor
