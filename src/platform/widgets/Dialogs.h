// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Models of the common file and colour dialogs; the Desktop runs them.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/pixels/Color.h"

namespace vantor {

enum class FileDialogKind { Open, Save };

class FileDialog {
public:
    FileDialog(FileDialogKind kind, std::string filter, std::string defaultExt)
        : kind(kind), filter(std::move(filter)), defaultExt(std::move(defaultExt)) {}

    FileDialogKind kind;
    // "Description|pattern|Description|pattern..."
    std::string filter;
    // 1-based, as the toolkit counts.
    int filterIndex = 1;
    std::string defaultExt;
    std::string fileName;
    std::string title;
    std::string initialDir;
    // Called by the desktop when the user picks another file type.
    std::function<void()> onTypeChange;

    // Pairs of (description, pattern) from the filter.
    std::vector<std::pair<std::string, std::string>> filterPairs() const;
    // The chosen name with defaultExt appended when it has no extension.
    std::string withDefaultExt(const std::string& name) const;
};

class ColorDialog {
public:
    TColor color = colors::Black;
    bool fullOpen = false;
};

}  // namespace vantor
