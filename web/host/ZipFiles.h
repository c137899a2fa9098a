// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Several files as one zip archive, for the page to hand over as one
// download instead of a burst of them.
#include <string>
#include <vector>

namespace vantor::web {

struct ZipEntry {
    std::string name;  // its name in the archive
    std::string path;  // the file it is read from
};

// Writes the archive at `archive` (replacing it) with every entry
// compressed. Answers the error's text, empty on success; a failed archive
// is removed.
std::string writeZip(const std::string& archive, const std::vector<ZipEntry>& entries);

}  // namespace vantor::web
