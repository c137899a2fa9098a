// SPDX-License-Identifier: GPL-3.0-or-later
// The figure-attribute reader, appending after a HighestFigure taken from the
// input, up to the table's end.
#include "FuzzSupport.h"
#include "platform/files/IoError.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    fuzz::Fixture f(0);
    // Start anywhere in the table, including right at its end.
    f.store.HighestFigure = (data[0] | (data[1] << 8)) % (MaxFigures + 1);
    const std::int32_t start = f.store.HighestFigure;
    const std::vector<std::uint8_t> bytes(data + 2, data + size);
    try {
        const bool complete = f.store.readFigureBytes(bytes, "fuzz.zuk");
        fuzz::require(f.store.LoadedHighest >= start && f.store.LoadedHighest <= MaxFigures);
        if (complete)
            fuzz::require(bytes.size() % FigureRecordSize == 0 &&
                          f.store.LoadedHighest - start == static_cast<std::int32_t>(bytes.size() / FigureRecordSize));
        else
            fuzz::require(f.store.LoadedHighest == MaxFigures);
    } catch (const IoError&) {
        fuzz::require(bytes.size() % FigureRecordSize != 0);
    }
    return 0;
}
