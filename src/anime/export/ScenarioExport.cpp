#include "anime/export/ScenarioExport.h"

#include <stdexcept>
#include <unordered_set>

#include "anime/FrameSource.h"
#include "platform/IoError.h"
#include "platform/files/Files.h"
#include "platform/pixels/Bitmap.h"

namespace vantor {

ScenarioExport exportScenario(const Files& files, const std::string& folder, const std::vector<std::string>& frames,
                              int delayMs, AnimationFormat format, const std::string& outPath) {
    ScenarioExport result;
    auto writer = makeAnimationWriter(format);
    FrameSource source(files, folder);
    std::unordered_set<std::string> reported;
    for (const std::string& name : frames) {
        const FrameSource::Frame frame = source.frame(name);
        if (!frame.picture) {
            // Named once, however often the scenario lists it.
            if (reported.insert(name).second) result.missing.push_back(name);
            continue;
        }
        try {
            writer->addFrame(*frame.picture, delayMs);
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
