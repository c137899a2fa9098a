// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formats/DataSetLoad.h"

#include "model/figures/FigureStore.h"
#include "platform/files/Files.h"
#include "platform/files/SetLock.h"

namespace vantor {

namespace {
ReadResult loadSteps(FigureStore& store, const Files& files, DataFormat format, const std::string& path,
                     const std::string& stem, LoadMode mode,
                     const std::function<void(const std::string& optionFile)>& readOptions) {
    // Held to the end of the read: no save renames files between its reads.
    const auto held = files.holdSet(path);
    const Repair repaired = repairHeldJournal(*held);
    if (mode == LoadMode::Replace) {
        // A FIFO or device named like the option file is refused by its reader.
        if (readOptions && (files.fileExists(stem + ".vop") || files.isSpecialFile(stem + ".vop")))
            readOptions(stem + ".vop");
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
