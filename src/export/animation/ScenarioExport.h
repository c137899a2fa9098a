// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scenario's frames as one animated picture: the routine behind the
// scenario window's export button and `vantor-cli animate`.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "export/animation/AnimationWriter.h"

namespace vantor {

class Files;

struct ScenarioExport {
    int frames = 0;            // frames written
    std::uint64_t bytes = 0;   // size of the file written
    int width = 0;             // the picture's size
    int height = 0;
    int delayMs = 0;           // each frame's delay as the file stores it
    std::vector<std::string> missing;  // frames without a picture, left out; each name once
};

// Every frame of `frames` whose picture exists in `folder` becomes one frame
// of `delayMs` (as storedDelayMs holds it), in order; frames without a
// picture are left out, as opening a scenario drops them. The picture is as
// large as the largest frame as playback places it (see placeFrame), so it
// is at most the playback area; smaller frames lie at its top left on black.
// A picture that exists but cannot be read, or nothing left to write,
// throws IoError and writes nothing. The file is written frame by frame to a
// temporary that replaces `outPath` at the end (a FIFO or device is written
// into as the frames come). Each distinct picture is decoded once (see
// FrameSource), already scaled down to the playback area, and a frame that
// repeats the one before costs a few bytes.
ScenarioExport exportScenario(const Files& files, const std::string& folder, const std::vector<std::string>& frames,
                              int delayMs, AnimationFormat format, const std::string& outPath);

// An animation sink into a file that replaces `path` only when committed.
class StreamingReplace;
class FileSink : public ByteSink {
public:
    explicit FileSink(StreamingReplace& file) : m_file(file) {}
    void write(const std::uint8_t* data, std::size_t size) override;
    void overwrite(std::uint64_t offset, const std::vector<std::uint8_t>& bytes) override;
    bool canOverwrite() const override;

private:
    StreamingReplace& m_file;
};

}  // namespace vantor
