// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File content quoted in a message, made harmless to show: a terminal obeys
// the control characters of a line printed raw (ESC sequences set its title
// or clear it), and a message box shows them as garbage. Every message that
// quotes what a file holds passes it through escapedText.
#include <cstddef>
#include <string>
#include <cstdint>
#include <string_view>

namespace vantor {

// Printable ASCII and well-formed UTF-8 stay as they are. Escaped: "\\" as
// "\\\\"; NUL, tab, LF and CR as "\0", "\t", "\n", "\r"; other control bytes
// and bytes that are not UTF-8 as "\xNN"; the C1 controls and the
// bidirectional overrides, which terminals obey or which reorder the text
// shown, as "\uNNNN". Text beyond `maxBytes` bytes of input is cut at a
// character boundary and marked with "...".
std::string escapedText(std::string_view text, std::size_t maxBytes = 80);

// A name or value from outside (a file name, an option's value) as a
// message shows it: escaped as escapedText escapes, never cut.
std::string shownName(std::string_view name);

// A whole line on its way to a terminal: every C0 control (line breaks
// included), DEL, C1 control (as a UTF-8 character or as a lone byte) and
// byte that is not UTF-8 is escaped as escapedText escapes it; a backslash
// stays as it is, so the program's own text never changes.
std::string withoutControls(std::string_view line);

}  // namespace vantor
