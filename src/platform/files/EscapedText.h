#pragma once
// File content quoted in a message, made harmless to show: a terminal obeys
// the control characters of a line printed raw (ESC sequences set its title
// or clear it), and a message box shows them as garbage. Every message that
// quotes what a file holds passes it through escapedText.
#include <cstddef>
#include <string>
#include <string_view>

namespace vantor {

// Printable ASCII and well-formed UTF-8 stay as they are. Escaped: "\\" as
// "\\\\"; NUL, tab, LF and CR as "\0", "\t", "\n", "\r"; other control bytes
// and bytes that are not UTF-8 as "\xNN"; the C1 controls and the
// bidirectional overrides, which terminals obey or which reorder the text
// shown, as "\uNNNN". Text beyond `maxBytes` bytes of input is cut at a
// character boundary and marked with "...".
std::string escapedText(std::string_view text, std::size_t maxBytes = 80);

}  // namespace vantor
