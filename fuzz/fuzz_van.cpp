// SPDX-License-Identifier: GPL-3.0-or-later
// The version-1 text reader, and the writer's output read back.
#include "FuzzSupport.h"
#include "model/formats/DataSetFiles.h"
#include "model/formats/VanFormat.h"
#include "platform/files/Files.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::fuzzTextReader(
        data, size,
        [](FigureStore& store, const std::vector<std::string>& lines) {
            Files files;
            DataSetFiles(store, files).readV1(lines);
        },
        [](const FigureStore& store) { return encodeVan(store); },
        [](const auto& lines, int capacity) { return parseVan(lines, capacity); });
}
