// SPDX-License-Identifier: GPL-3.0-or-later
// The .va4 reader, with and without a figure-attribute file, on a store that
// may already hold figures (an add).
#include <algorithm>

#include "FuzzSupport.h"
#include "model/formats/BinaryVertexFormats.h"
#include "model/formats/DataSetFiles.h"
#include "platform/files/Files.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const int before = data[0] % 8;
    const bool withZuk = data[1] & 1;
    const std::size_t split = std::min<std::size_t>(size - 3, data[2] * 4u);
    std::vector<std::uint8_t> va4(data + 3, data + size - split);
    std::vector<std::uint8_t> zuk(data + size - split, data + size);

    fuzz::Fixture f(before);
    Files files;
    DataSetFiles(f.store, files).readV4(va4, withZuk ? &zuk : nullptr, "fuzz.zuk");
    f.store.HighestFigure = f.store.LoadedHighest;
    fuzz::checkStore(f.store);

    // What was read writes back to the same records.
    const auto again = encodeVa4(f.store);
    const auto parsed = parseVa4(again.data(), again.size(), MaxVertices);
    fuzz::require(parsed.complete() && static_cast<int>(parsed.vertices.size()) == f.store.VertexCount);
    return 0;
}
