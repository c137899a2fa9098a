// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/Dialogs.h"

namespace vantor {

std::vector<std::pair<std::string, std::string>> FileDialog::filterPairs() const {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    std::vector<std::pair<std::string, std::string>> out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) out.emplace_back(parts[i], parts[i + 1]);
    return out;
}

std::string FileDialog::withDefaultExt(const std::string& name) const {
    auto slash = name.find_last_of('/');
    auto dot = name.find_last_of('.');
    bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    if (hasExt || defaultExt.empty() || name.empty()) return name;
    return name + "." + defaultExt;
}

}  // namespace vantor
