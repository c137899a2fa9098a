#include "model/formats/DataSetLoad.h"

#include "model/figures/FigureStore.h"
#include "platform/files/Files.h"

namespace vantor {

namespace {
ReadResult loadSteps(FigureStore& store, const Files& files, DataFormat format, const std::string& path,
                     const std::string& stem, LoadMode mode,
                     const std::function<void(const std::string& optionFile)>& readOptions) {
    const Repair repaired = files.repairSet(path);
    if (mode == LoadMode::Replace) {
        if (readOptions && files.fileExists(stem + ".vop")) readOptions(stem + ".vop");
        store.clearVertices();
        store.LoadBase = 0;
        store.resetFigureTable();
    } else {
        store.LoadBase = store.VertexCount;
    }
    // Without a reader LoadedHighest would be stale: HighestFigure stays.
    if (format == DataFormat::Unknown) return {{}, repaired};
    ReadResult result = DataSetFiles(store, files).load(format, path, stem + ".zuk");
    store.HighestFigure = store.LoadedHighest;
    result.repaired = repaired;
    return result;
}
}  // namespace

ReadResult loadDataSet(FigureStore& store, const Files& files, DataFormat format, const std::string& path,
                       const std::string& stem, LoadMode mode,
                       const std::function<void(const std::string& optionFile)>& readOptions) {
    ReadResult result;
    try {
        result = loadSteps(store, files, format, path, stem, mode, readOptions);
    } catch (...) {
        // What was read before the failure stays in the store.
        store.announceLoaded();
        throw;
    }
    store.announceLoaded();
    return result;
}

}  // namespace vantor
