// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/animation/ScenarioExport.h"

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

#include "model/scenario/FrameSource.h"
#include "model/scenario/Scenario.h"
#include "platform/files/IoError.h"
#include "platform/files/Files.h"
#include "platform/files/StreamingReplace.h"
#include "platform/pixels/Bitmap.h"
#include "platform/pixels/Bmp.h"

namespace vantor {

namespace {

std::uint32_t le(const std::uint8_t* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

// A BMP's width and height from its header alone, without reading the
// pixels; nothing for a file that is not a regular file with a plausible
// header (reading it whole later reports the problem).
std::optional<FrameSize> bmpHeaderSize(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::array<std::uint8_t, 26> h{};
    struct stat st {};
    ssize_t got = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) got = ::read(fd, h.data(), h.size());
    ::close(fd);
    if (got < 22 || h[0] != 'B' || h[1] != 'M') return std::nullopt;
    const std::uint32_t header = le(&h[14], 4);
    std::int64_t w = 0, hgt = 0;
    if (header == 12) {
        w = le(&h[18], 2);
        hgt = le(&h[20], 2);
    } else if (got == 26) {
        w = static_cast<std::int32_t>(le(&h[18], 4));
        hgt = static_cast<std::int32_t>(le(&h[22], 4));
        if (hgt < 0) hgt = -hgt;  // top-down rows
    }
    if (w <= 0 || hgt <= 0 || w > INT32_MAX || hgt > INT32_MAX) return std::nullopt;
    return placedSize(static_cast<int>(w), static_cast<int>(hgt));
}

}  // namespace

void FileSink::write(const std::uint8_t* data, std::size_t size) { m_file.write(data, size); }

void FileSink::overwrite(std::uint64_t offset, const std::vector<std::uint8_t>& bytes) { m_file.overwrite(offset, bytes); }

bool FileSink::canOverwrite() const { return !m_file.isStream(); }

ScenarioExport exportScenario(const Files& files, const std::string& folder, const std::vector<std::string>& frames,
                              int delayMs, AnimationFormat format, const std::string& outPath) {
    ScenarioExport result;
    // The picture's size must be known before the first frame is written:
    // the headers give it without decoding any picture. A name listed many
    // times is looked at once.
    std::vector<const std::string*> present;
    present.reserve(frames.size());
    std::unordered_map<std::string, bool> seen;  // name -> has a picture
    for (const std::string& name : frames) {
        auto [at, first] = seen.try_emplace(name, false);
        if (first) {
            const std::string path = framePath(folder, name, ".bmp");
            at->second = files.fileExists(path);
            if (!at->second) {
                // Named once, however often the scenario lists it.
                result.missing.push_back(name);
            } else if (const std::optional<FrameSize> size = bmpHeaderSize(files.resolve(path))) {
                result.width = std::max(result.width, size->width);
                result.height = std::max(result.height, size->height);
            }
        }
        if (at->second) present.push_back(&name);
    }
    if (present.empty()) throw IoError("書き出すコマがありません", outPath);
    // Pictures larger than the playback area are scaled down as they are
    // read, so a huge header costs no more than the area.
    FrameSource source(files, folder, FrameSource::DefaultBudgetBytes,
                       [](const Files& in, const std::string& from, const std::string& name) {
                           const std::string path = framePath(from, name, ".bmp");
                           return readBmpFileFitted(in.resolve(path), path, [](int w, int h) {
                               const FrameSize size = placedSize(w, h);
                               return std::pair<int, int>(size.width, size.height);
                           });
                       });
    if (result.width == 0) {
        // No header could be read: the first picture reports why, or gives the size.
        const FrameSource::Frame first = source.frame(*present.front());
        if (!first.picture) throw IoError("書き出すコマがありません", outPath);
        const FrameSize size = placedSize(first.picture->width(), first.picture->height());
        result.width = size.width;
        result.height = size.height;
    }
    result.delayMs = storedDelayMs(format, delayMs);

    StreamingReplace file(files.resolve(outPath), outPath);
    FileSink sink(file);
    try {
        auto writer = makeAnimationWriter(format, sink, result.width, result.height, static_cast<int>(present.size()));
        // Each distinct picture is decoded once (see FrameSource), and a
        // picture that follows itself is not even looked at again.
        std::optional<std::size_t> lastId;
        for (const std::string* name : present) {
            const FrameSource::Frame frame = source.frame(*name);
            if (!frame.picture) throw IoError("書き出すコマがありません", outPath);
            if (lastId == frame.id) writer->repeatFrame(delayMs);
            else writer->addFrame(*frame.picture, delayMs);
            lastId = frame.id;
        }
        writer->finish();
        result.frames = writer->frameCount();
    } catch (const IoError&) {
        throw;
    } catch (const std::runtime_error& e) {
        throw IoError(e.what(), outPath);
    }
    result.bytes = file.size();
    file.commit();
    return result;
}
}  // namespace vantor
