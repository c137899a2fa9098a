// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminalLanguage.h"

#include "CommandLine.h"
#include "language/Japanese.h"
#include "language/TextTemplates.h"
#include "platform/files/EscapedText.h"

namespace vantor::cli {

namespace {

bool isJapaneseLocale(std::string_view value) {
    if (value.substr(0, 2) != "ja") return false;
    return value.size() == 2 || value[2] == '_' || value[2] == '.' || value[2] == '@';
}

std::optional<std::string> japaneseWhole(std::string_view line);

// A part of a template that holds no English (a range such as "0 ... 255")
// stands as it is.
std::optional<std::string> japanesePart(std::string_view part) {
    if (!hasEnglish(part)) return std::string(part);
    return japaneseWhole(part);
}

// The command's own texts first, then the program's English ones.
std::optional<std::string> japaneseWhole(std::string_view line) {
    for (const TerminalText& t : japaneseTerminalTexts())
        if (auto japanese = applyTemplate(line, t.english, t.japanese, japanesePart)) return japanese;
    return japaneseFor(line);
}

// As for English: the tail after "vantor-cli COMMAND: FILE: " may be the
// only part with a translation.
std::optional<std::string> japaneseLine(std::string_view line) {
    if (auto japanese = japaneseWhole(line)) return japanese;
    for (std::size_t colon = line.find(": "); colon != std::string_view::npos; colon = line.find(": ", colon + 1))
        if (auto japanese = japaneseWhole(line.substr(colon + 2)))
            return std::string(line.substr(0, colon + 2)) + *japanese;
    return std::nullopt;
}

// The program's Japanese texts come after the command's "vantor-cli
// COMMAND: FILE: " prefix; the longest tail that has English is translated.
std::string englishLine(std::string_view line) {
    if (!hasJapanese(line)) return std::string(line);
    if (auto english = englishFor(line)) return *english;
    for (std::size_t colon = line.find(": "); colon != std::string_view::npos; colon = line.find(": ", colon + 1))
        if (auto english = englishFor(line.substr(colon + 2)))
            return std::string(line.substr(0, colon + 2)) + *english;
    return std::string(line);
}

}  // namespace

Language terminalLanguage(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* v : {lcAll, lcMessages, lang})
        if (v && *v) return isJapaneseLocale(v) ? Language::Japanese : Language::English;
    return Language::English;
}

std::string spokenLine(std::string_view line, Language language) {
    if (language == Language::English) return englishLine(line);
    if (!hasEnglish(line)) return std::string(line);
    return japaneseLine(line).value_or(std::string(line));
}

SpokenBuffer::~SpokenBuffer() {
    if (!m_line.empty()) passLine(false);
    m_target.flush();
}

SpokenBuffer::int_type SpokenBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    if (traits_type::to_char_type(c) == '\n') passLine(true);
    else m_line += traits_type::to_char_type(c);
    return c;
}

int SpokenBuffer::sync() {
    if (!m_line.empty()) passLine(false);
    m_target.flush();
    return 0;
}

void SpokenBuffer::passLine(bool withBreak) {
    // The last guard for every byte that came from outside: no control
    // character reaches the terminal, whichever message forgot to escape.
    m_target << withoutControls(spokenLine(m_line, m_language));
    if (withBreak) m_target << '\n';
    m_line.clear();
}

int runProgramIn(Language language, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SpokenBuffer outBuffer(out, language), errBuffer(err, language);
    std::ostream spokenOut(&outBuffer), spokenErr(&errBuffer);
    return runProgram(args, spokenOut, spokenErr);
}

}  // namespace vantor::cli
