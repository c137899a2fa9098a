// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Animated pictures that any viewer plays: GIF (giflib, a global colour
// table and local ones where they gain, looping) and animated PNG (chunks
// written here with zlib: the distribution's libpng does not write APNG).
// Frames are Bitmaps of either format, placed on a canvas of a size fixed at
// the start as playback places them (see placeFrame). After the first, each
// frame stores only the rectangle in which it differs from the one before.
// Each frame is encoded and handed to a ByteSink as it is added, so neither
// the frames nor the whole file are ever held in memory at once.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/pixels/Bitmap.h"

namespace vantor {

enum class AnimationFormat { Gif, Apng };

// .gif -> Gif, .png/.apng -> Apng (case ignored); false for anything else.
bool animationFormatOfPath(const std::string& path, AnimationFormat& format);

// Where an animation's bytes go as they are made.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(const std::uint8_t* data, std::size_t size) = 0;
    // Replaces bytes already written: a header whose count is known only at the end.
    virtual void overwrite(std::uint64_t offset, const std::vector<std::uint8_t>& bytes) = 0;
    // False for a FIFO or device, whose bytes are gone once written.
    virtual bool canOverwrite() const { return true; }
};

class MemorySink : public ByteSink {
public:
    std::vector<std::uint8_t> bytes;
    void write(const std::uint8_t* data, std::size_t size) override { bytes.insert(bytes.end(), data, data + size); }
    void overwrite(std::uint64_t offset, const std::vector<std::uint8_t>& replacement) override;
};

class AnimationWriter {
public:
    virtual ~AnimationWriter() = default;
    // `delayMs` is how long the frame stays; the file holds
    // storedDelayMs(format, delayMs).
    virtual void addFrame(const Bitmap& frame, int delayMs) = 0;
    // The last frame added once more, for `delayMs`: a few bytes, and no
    // encoding. Throws std::runtime_error before the first frame.
    virtual void repeatFrame(int delayMs) = 0;
    // Writes the end of the file; the writer is spent afterwards. Throws
    // std::runtime_error when no frame was added.
    virtual void finish() = 0;
    int frameCount() const { return m_frames; }

protected:
    int m_frames = 0;
};

// A writer of a width x height animation into `sink`, which must outlive it.
// `frames`, when above 0, is the number of frames that will be added: an
// animated PNG then states it at the start and needs no overwrite (finish
// throws when another number was added); without it, a sink that cannot
// overwrite is refused. Throws std::runtime_error for a size the format
// cannot hold.
std::unique_ptr<AnimationWriter> makeAnimationWriter(AnimationFormat format, ByteSink& sink, int width, int height,
                                                     int frames = 0);

// The delay the format stores for a delay of `delayMs`. GIF stores
// hundredths of a second, rounded, and no shorter than 20 ms, since viewers
// play shorter delays at 100 ms; APNG stores whole milliseconds. Both hold
// at most 65535 units.
int storedDelayMs(AnimationFormat format, int delayMs);
// GIF delay in hundredths of a second for a delay in milliseconds.
int gifDelayCentiseconds(int delayMs);

// The picture area of playback, in which every frame is placed.
inline constexpr int FrameAreaWidth = 600;
inline constexpr int FrameAreaHeight = 400;

// How playback and export place a frame: a frame that fits the picture area
// keeps its size and lies at the top left; a larger one is scaled down, its
// proportions kept, until it just fits (each pixel taken from the nearest
// source pixel, so a palette frame keeps its palette).
struct FrameSize {
    int width = 0;
    int height = 0;
};
FrameSize placedSize(int width, int height);
// `frame` itself when it fits the area, else its scaled copy in `scratch`.
const Bitmap& placeFrame(const Bitmap& frame, Bitmap& scratch);

// The frame brought to width x height: cut, or padded with black at the
// right and bottom.
Bitmap fitFrame(const Bitmap& frame, int width, int height);

}  // namespace vantor
