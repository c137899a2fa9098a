// The comma-separated text reader, and the writer's output read back.
#include "FuzzSupport.h"
#include "control/formats/CsvFormat.h"
#include "control/formats/DataSetFiles.h"
#include "platform/files/Files.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    fuzz::Fixture f(data[0] % 8);
    Files files;
    const auto lines = splitLines(std::string(data + 1, data + size));
    DataSetFiles(f.store, files).readCSV(lines);
    f.store.HighestFigure = f.store.LoadedHighest;
    fuzz::checkStore(f.store, false);
    // Every vertex written comes back, one line each.
    const auto parsed = parseCsv(encodeCsv(f.store), MaxVertices);
    fuzz::require(parsed.complete() && static_cast<int>(parsed.vertices.size()) == f.store.VertexCount);
    return 0;
}
