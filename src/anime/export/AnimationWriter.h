#pragma once
// Animated pictures that any viewer plays: GIF (giflib, one colour table per
// frame, looping) and animated PNG (chunks written here with zlib: the
// distribution's libpng does not write APNG). Frames are Bitmaps of either
// format; the first frame sets the size of the picture, later frames of
// another size are cut or padded with black at the right and bottom.
// Frames are added one at a time, so a long animation is never held as
// bitmaps all at once.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/pixels/Bitmap.h"

namespace vantor {

enum class AnimationFormat { Gif, Apng };

// .gif -> Gif, .png/.apng -> Apng (case ignored); false for anything else.
bool animationFormatOfPath(const std::string& path, AnimationFormat& format);

class AnimationWriter {
public:
    virtual ~AnimationWriter() = default;
    // `delayMs` is how long the frame stays; GIF stores hundredths of a
    // second and is written no shorter than 20 ms (viewers play shorter
    // delays at 100 ms).
    virtual void addFrame(const Bitmap& frame, int delayMs) = 0;
    // The whole file; the writer is spent afterwards. Throws
    // std::runtime_error when no frame was added.
    virtual std::vector<std::uint8_t> finish() = 0;
    int frameCount() const { return m_frames; }

protected:
    int m_frames = 0;
};

std::unique_ptr<AnimationWriter> makeAnimationWriter(AnimationFormat format);

// GIF delay in hundredths of a second for a delay in milliseconds.
int gifDelayCentiseconds(int delayMs);

// The frame brought to width x height (cut, or padded with black).
Bitmap fitFrame(const Bitmap& frame, int width, int height);

}  // namespace vantor
