#include "anime/export/ScenarioExport.h"

#include <stdexcept>

#include "anime/Scenario.h"
#include "platform/IoError.h"
#include "platform/files/Files.h"
#include "platform/pixels/Bitmap.h"

namespace vantor {

ScenarioExport exportScenario(const Files& files, const std::string& folder, const std::vector<std::string>& frames,
                              int delayMs, AnimationFormat format, const std::string& outPath) {
    ScenarioExport result;
    auto writer = makeAnimationWriter(format);
    for (const std::string& name : frames) {
        if (!files.fileExists(framePath(folder, name, ".bmp"))) {
            result.missing.push_back(name);
            continue;
        }
        try {
            writer->addFrame(loadFramePicture(files, folder, name), delayMs);
        } catch (const IoError&) {
            throw;
        } catch (const std::runtime_error& e) {
            throw IoError(e.what(), outPath);
        }
    }
    if (writer->frameCount() == 0) throw IoError("書き出すコマがありません", outPath);
    std::vector<std::uint8_t> bytes;
    try {
        bytes = writer->finish();
    } catch (const std::runtime_error& e) {
        throw IoError(e.what(), outPath);
    }
    files.writeAtomic(outPath, bytes);
    result.frames = writer->frameCount();
    result.bytes = bytes.size();
    return result;
}

}  // namespace vantor
