// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three files of one data set as the save tests write them, and what a
// folder holds afterwards.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files/Files.h"

namespace vantor::test {

// vase.va4 is the name the user chose; its .zuk and .vop are derived.
inline const std::vector<std::string> SetNames = {"vase.va4", "vase.zuk", "vase.vop"};

// The names in FOLDER, hidden ones included, in order.
inline std::vector<std::string> entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The set with CONTENT in each of its files.
inline std::vector<Files::NamedBytes> setOf(const std::string& content) {
    std::vector<Files::NamedBytes> set;
    for (const std::string& n : SetNames) set.push_back({n, std::vector<std::uint8_t>(content.begin(), content.end())});
    set.front().origin = NameOrigin::Chosen;
    return set;
}

}  // namespace vantor::test
