// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language vantor-cli speaks: Japanese under a Japanese locale, English
// under any other. The commands write their own texts in English and pass
// on the program's texts, which are Japanese; every line is turned into the
// terminal's language on its way out, by the same tables the windows use.
#include <ostream>
#include <span>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "language/English.h"

namespace vantor::cli {

// The first set of LC_ALL, LC_MESSAGES and LANG decides (null or empty means
// unset): Japanese for "ja" and "ja_*", English for everything else.
Language terminalLanguage(const char* lcAll, const char* lcMessages, const char* lang);

// One line as a terminal in `language` shows it; a line nothing is known of
// (a file name, a number) stays as it is.
std::string spokenLine(std::string_view line, Language language);

// A text of the command-line tool's own, and its Japanese: a whole line or
// a template of one (see TextTemplates.h).
struct TerminalText {
    std::string_view english;
    std::string_view japanese;
};
std::span<const TerminalText> japaneseTerminalTexts();

// Passes complete lines, each in `language` and with every control
// character escaped (withoutControls), on to `target`; a last line
// without a line break goes on when the buffer is synced or destroyed.
class SpokenBuffer : public std::streambuf {
public:
    SpokenBuffer(std::ostream& target, Language language) : m_target(target), m_language(language) {}
    ~SpokenBuffer() override;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    void passLine(bool withBreak);
    std::ostream& m_target;
    Language m_language;
    std::string m_line;
};

// The whole program with its output in `language`.
int runProgramIn(Language language, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vantor::cli
