// SPDX-License-Identifier: GPL-3.0-or-later
// The comma-separated text reader, and the writer's output read back.
#include "FuzzSupport.h"
#include "model/formats/CsvFormat.h"
#include "model/formats/DataSetFiles.h"
#include "platform/files/Files.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::fuzzTextReader(
        data, size,
        [](FigureStore& store, const std::vector<std::string>& lines) {
            Files files;
            DataSetFiles(store, files).readCSV(lines);
        },
        [](const FigureStore& store) { return encodeCsv(store); },
        [](const auto& lines, int capacity) { return parseCsv(lines, capacity); });
}
