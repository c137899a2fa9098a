// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The optional English interface. The program's logic speaks Japanese; the
// host shows each caption, message and prompt through shownText(), which in
// English looks the text up by its Japanese wording.
//
// Lookup, in this order:
//  1. a whole-text entry of the table (may span lines, "\r" between them);
//  2. for a one-line text, the first pattern that matches it. A pattern is a
//     Japanese template with placeholders and its English counterpart:
//     "{0}" is data (a file name, a number) and is copied unchanged;
//     "{0*}" is one of the program's own texts and is itself translated
//     (the pattern does not match when it cannot be);
//  3. for a text of several lines, each line by 1 and 2; a line with neither
//     (a file name, a line quoted from a file) stays as it is.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantor {

enum class Language { Japanese, English };

struct TextPair {
    std::string_view japanese;
    std::string_view english;
};

// The table: whole texts, and patterns in the order they are tried.
std::span<const TextPair> englishTexts();
std::span<const TextPair> englishPatterns();

// The English of a text the program shows; nullopt when nothing of it is
// known (data such as a file name, or a text missing from the table).
std::optional<std::string> englishFor(std::string_view japanese);

// The text as the interface in `language` shows it: in English the table's
// wording; in Japanese the program's own texts unchanged and the English
// ones from below the windows (system errors, the picture reader) through
// the Japanese table (Japanese.h); the text itself when a table has none.
std::string shownText(const std::string& text, Language language);

// True when the text contains kana, kanji, Japanese punctuation or
// full-width forms: a text the English interface must translate.
bool hasJapanese(std::string_view text);

// "en" and "ja" as given to --lang; nullopt for anything else.
std::optional<Language> languageNamed(std::string_view name);

// The language the locale asks for, as vantor-cli chooses it: the first set
// of LC_ALL, LC_MESSAGES and LANG decides (null or empty means unset).
// Japanese for "ja" and "ja_*" (with any ".charset" or "@modifier"); English
// for every other locale, "C" and "POSIX" included, and when none is set.
Language languageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);

}  // namespace vantor
