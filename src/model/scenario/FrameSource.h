// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of a scenario's frames, each decoded once however often the
// scenario lists it. A scenario may name one frame thousands of times; with
// this in front of the decoder the work grows with the distinct frames and
// only a lookup per repetition.
//
// Decoded pictures are kept up to a memory budget, the least recently used
// given up first; the most recent picture is always kept, so a frame that
// repeats in a row is never decoded twice, whatever its size.
#include <cstddef>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/pixels/Bitmap.h"

namespace vantor {

class Files;

class FrameSource {
public:
    static constexpr std::size_t DefaultBudgetBytes = std::size_t(16) << 20;

    // How a picture is read: loadFramePicture unless another is given
    // (one that reads it already scaled down, say).
    using Loader = std::function<Bitmap(const Files& files, const std::string& folder, const std::string& name)>;

    // Frames are looked up as name + ".bmp" in `folder` (see framePath).
    FrameSource(const Files& files, std::string folder, std::size_t budgetBytes = DefaultBudgetBytes, Loader load = {});

    struct Frame {
        // The same number for every occurrence of one name, counting the
        // distinct names from 0 in the order they were first asked for: a
        // writer may encode a frame once and repeat it by this number.
        std::size_t id = 0;
        // Null when the frame has no picture file.
        std::shared_ptr<const Bitmap> picture;
    };

    // IoError when the name is not a frame name of the folder or the
    // picture exists but cannot be read.
    Frame frame(const std::string& name);

    // Pictures decoded so far (each decode reads a file).
    std::size_t decodes() const { return m_decodes; }

private:
    struct Entry {
        std::size_t id = 0;
        bool exists = false;
        std::shared_ptr<const Bitmap> picture;
        std::list<std::string>::iterator recent;  // valid while `picture` is kept
    };
    void keep(const std::string& name, Entry& entry);

    const Files& m_files;
    std::string m_folder;
    std::size_t m_budget;
    Loader m_load;
    std::size_t m_keptBytes = 0;
    std::size_t m_decodes = 0;
    std::unordered_map<std::string, Entry> m_entries;
    std::list<std::string> m_recent;  // names with a kept picture, most recent first
};

// Bytes of a decoded picture's pixels.
std::size_t pictureBytes(const Bitmap& picture);

}  // namespace vantor
