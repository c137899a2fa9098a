// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts for the terminal: the program's texts break lines with "\r" (as
// message boxes show them), a terminal wants "\n"; and one way for every
// command to report a failure.
#include <exception>
#include <ostream>
#include <string>

#include "platform/files/EscapedText.h"
#include "platform/files/IoError.h"

namespace vantor::cli {

// Line breaks become "\n"; any other control character left in a text
// (file content should already be quoted with escapedText) is shown as
// "\xNN" rather than obeyed by the terminal. Every line is escaped once more
// on its way out (see SpokenBuffer).
inline std::string forTerminal(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r') out += '\n';
        else if ((u < 0x20 && c != '\n' && c != '\t') || u == 0x7F) {
            constexpr const char* Hex = "0123456789abcdef";
            out += "\\x";
            out += Hex[u >> 4];
            out += Hex[u & 0xF];
        } else out += c;
    }
    return out;
}

// Runs a command's work. A failure becomes the message
// "vantor-cli COMMAND: what went wrong", then `after`, and exit code 1.
// The file an IoError names is shown escaped (see shownName), line breaks
// in it included.
template <typename Work>
int reportingFailure(const char* command, std::ostream& err, Work work, const char* after = "") {
    try {
        return work();
    } catch (const IoError& e) {
        std::string text = e.what();
        if (const std::size_t at = e.fileName().empty() ? std::string::npos : text.rfind(e.fileName());
            at != std::string::npos)
            text = forTerminal(text.substr(0, at)) + shownName(e.fileName()) +
                   forTerminal(text.substr(at + e.fileName().size()));
        else text = forTerminal(text);
        err << "vantor-cli " << command << ": " << text << '\n' << after;
    } catch (const std::exception& e) {
        err << "vantor-cli " << command << ": " << forTerminal(e.what()) << '\n' << after;
    }
    return 1;
}

}  // namespace vantor::cli
