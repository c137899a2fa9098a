// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/EscapedText.h"

#include <cstdint>
#include <cstdio>

namespace vantor {

namespace {

// Length of the well-formed UTF-8 sequence at text[i] and its code point;
// 0 when the bytes there are not one (overlong forms and surrogates
// included).
std::size_t utf8Sequence(std::string_view text, std::size_t i, std::uint32_t& cp) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    std::size_t len = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) len = 2, cp = b0 & 0x1Fu;
    else if (b0 >= 0xE0 && b0 <= 0xEF) len = 3, cp = b0 & 0x0Fu;
    else if (b0 >= 0xF0 && b0 <= 0xF4) len = 4, cp = b0 & 0x07u;
    else return 0;
    if (i + len > text.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3Fu);
    }
    const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

bool shownEscaped(std::uint32_t cp) {
    return (cp >= 0x80 && cp <= 0x9F) || (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069) ||
           cp == 0x200E || cp == 0x200F || cp == 0x061C;
}

void appendHex(std::string& out, const char* format, unsigned value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, format, value);
    out += buf;
}

// The one routine behind every escaping: `keepBackslash` leaves "\\" as it
// is, for whole lines whose own text is not to change.
std::string escaped(std::string_view text, std::size_t maxBytes, bool keepBackslash) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::uint32_t cp = 0;
        const std::size_t len = utf8Sequence(text, i, cp);
        if (i + (len ? len : 1) > maxBytes) break;
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (len > 0) {
            if (shownEscaped(cp)) appendHex(out, "\\u%04x", cp);
            else out.append(text.substr(i, len));
            i += len;
            continue;
        }
        ++i;
        switch (c) {
            case '\\': out += keepBackslash ? "\\" : "\\\\"; continue;
            case '\0': out += "\\0"; continue;
            case '\t': out += "\\t"; continue;
            case '\n': out += "\\n"; continue;
            case '\r': out += "\\r"; continue;
            default: break;
        }
        if (c >= 0x20 && c < 0x7F) out += static_cast<char>(c);
        else appendHex(out, "\\x%02x", c);
    }
    if (i < text.size()) out += "...";
    return out;
}

}  // namespace

std::string escapedText(std::string_view text, std::size_t maxBytes) { return escaped(text, maxBytes, false); }

std::string shownName(std::string_view name) { return escaped(name, SIZE_MAX, false); }

std::string withoutControls(std::string_view line) { return escaped(line, SIZE_MAX, true); }

}  // namespace vantor
