#pragma once
// A scenario's frames as one animated picture: the routine behind the
// scenario window's export button and `vantor-cli animate`.
#include <cstddef>
#include <string>
#include <vector>

#include "anime/export/AnimationWriter.h"

namespace vantor {

class Files;

struct ScenarioExport {
    int frames = 0;            // frames written
    std::size_t bytes = 0;     // size of the file written
    std::vector<std::string> missing;  // frames without a picture, left out; each name once
};

// Every frame of `frames` whose picture exists in `folder` becomes one frame
// of `delayMs`, in order; frames without a picture are left out, as opening a
// scenario drops them. A picture that exists but cannot be read, or nothing
// left to write, throws IoError and writes nothing. The file is written
// atomically to `outPath`. Each distinct picture is decoded once (see
// FrameSource).
ScenarioExport exportScenario(const Files& files, const std::string& folder, const std::vector<std::string>& frames,
                              int delayMs, AnimationFormat format, const std::string& outPath);

}  // namespace vantor
