// SPDX-License-Identifier: GPL-3.0-or-later
// The .va2 reader on a store that may already hold figures.
#include "FuzzSupport.h"
#include "model/formats/BinaryVertexFormats.h"
#include "model/formats/DataSetFiles.h"
#include "platform/files/Files.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    fuzz::Fixture f(data[0] % 8);
    Files files;
    DataSetFiles(f.store, files).readV2(std::vector<std::uint8_t>(data + 1, data + size));
    f.store.HighestFigure = f.store.LoadedHighest;
    fuzz::checkStore(f.store);
    const auto again = encodeVa2(f.store);
    fuzz::require(parseVa2(again.data(), again.size(), MaxVertices).vertices.size() == static_cast<std::size_t>(f.store.VertexCount));
    return 0;
}
