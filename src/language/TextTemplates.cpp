// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/TextTemplates.h"

#include <array>
#include <vector>

namespace vantor {

namespace {

// One piece of a template: literal text, or a placeholder.
struct Piece {
    std::string_view literal;
    int index = -1;
    bool translated = false;
};

std::vector<Piece> parseTemplate(std::string_view t) {
    std::vector<Piece> out;
    std::size_t i = 0;
    while (i < t.size()) {
        const std::size_t open = t.find('{', i);
        if (open == std::string_view::npos) {
            out.push_back({t.substr(i)});
            break;
        }
        if (open > i) out.push_back({t.substr(i, open - i)});
        const std::size_t close = t.find('}', open);
        std::string_view inside = t.substr(open + 1, close - open - 1);
        Piece p;
        p.translated = !inside.empty() && inside.back() == '*';
        if (p.translated) inside.remove_suffix(1);
        p.index = 0;
        for (char c : inside) p.index = p.index * 10 + (c - '0');
        out.push_back(p);
        i = close + 1;
    }
    return out;
}

using Captures = std::array<std::string, 10>;

// Matches text[pos..] against pieces[k..]; a placeholder takes the shortest
// non-empty text after which the rest still matches.
bool matchFrom(std::string_view text, std::size_t pos, const std::vector<Piece>& pieces, std::size_t k, Captures& captures,
               const InnerTranslation& inner) {
    if (k == pieces.size()) return pos == text.size();
    const Piece& p = pieces[k];
    if (p.index < 0) {
        if (text.substr(pos, p.literal.size()) != p.literal) return false;
        return matchFrom(text, pos + p.literal.size(), pieces, k + 1, captures, inner);
    }
    const auto tryEnd = [&](std::size_t end) {
        const std::string_view part = text.substr(pos, end - pos);
        if (p.translated) {
            std::optional<std::string> translated = inner(part);
            if (!translated) return false;
            captures[static_cast<std::size_t>(p.index)] = std::move(*translated);
        } else {
            captures[static_cast<std::size_t>(p.index)] = std::string(part);
        }
        return matchFrom(text, end, pieces, k + 1, captures, inner);
    };
    if (k + 1 == pieces.size()) return pos < text.size() && tryEnd(text.size());
    // Only ends where the next literal follows can succeed.
    const std::string_view next = pieces[k + 1].literal;
    for (std::size_t end = text.find(next, pos + 1); end != std::string_view::npos; end = text.find(next, end + 1))
        if (tryEnd(end)) return true;
    return false;
}

std::string fill(std::string_view target, const Captures& captures) {
    std::string out;
    for (const Piece& p : parseTemplate(target))
        out += p.index < 0 ? std::string(p.literal) : captures[static_cast<std::size_t>(p.index)];
    return out;
}

}  // namespace

std::optional<std::string> applyTemplate(std::string_view line, std::string_view from, std::string_view to,
                                         const InnerTranslation& inner) {
    Captures captures;
    if (!matchFrom(line, 0, parseTemplate(from), 0, captures, inner)) return std::nullopt;
    return fill(to, captures);
}

std::optional<std::string> translateEachLine(std::string_view text, const InnerTranslation& line) {
    std::string out;
    bool any = false;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\r', start);
        const std::string_view part = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (std::optional<std::string> translated = line(part)) {
            out += *translated;
            any = true;
        } else {
            out += part;
        }
        if (end == std::string_view::npos) break;
        out += '\r';
        start = end + 1;
    }
    if (!any) return std::nullopt;
    return out;
}

}  // namespace vantor
