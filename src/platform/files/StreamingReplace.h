// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file replaced atomically while it is written piece by piece, for output
// too large to hold in memory. The destination is a name the user chose and
// is resolved as replaceFile resolves one (AtomicReplace.h). The bytes go to
// a fresh temporary beside it (created exclusively, never through a symbolic
// link, with the old file's permissions); commit() flushes it, renames it
// over the destination and flushes the folder. Until then the destination
// keeps its previous content, and a writer destroyed or aborted without
// commit removes its temporary. A FIFO or character device named as the
// destination is written into as the bytes come, never replaced; it cannot
// be overwritten.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files/AtomicReplace.h"
#include "platform/files/CleanupOnSignal.h"

namespace vantor {

class StreamingReplace {
public:
    // `path` is the destination; `shownName` names it in errors. `fault` is asked once, before
    // the first byte is written. Throws IoError.
    StreamingReplace(const std::string& path, std::string shownName, const WriteFault& fault = {});
    ~StreamingReplace();
    StreamingReplace(const StreamingReplace&) = delete;
    StreamingReplace& operator=(const StreamingReplace&) = delete;

    // Appends; throws IoError.
    void write(const std::uint8_t* data, std::size_t size);
    void write(const std::vector<std::uint8_t>& bytes) { write(bytes.data(), bytes.size()); }
    // Overwrites bytes already written (a header completed at the end);
    // IoError for a stream.
    void overwrite(std::uint64_t offset, const std::vector<std::uint8_t>& bytes);
    // A FIFO or device: written as the bytes come, no overwrite.
    bool isStream() const { return m_stream; }
    // Bytes written so far.
    std::uint64_t size() const { return m_size; }

    // Puts the file in place; throws IoError, and the destination stays.
    void commit();
    // Removes the temporary; the destination stays. Idempotent.
    void abort();

private:
    void flush();
    [[noreturn]] void fail(int err);

    std::string m_target;
    std::string m_temp;
    std::string m_shown;
    int m_fd = -1;
    std::uint64_t m_size = 0;
    std::vector<std::uint8_t> m_buffer;
    bool m_stream = false;         // a FIFO or device, opened with the first bytes
    bool m_createdTarget = false;  // a dangling link's target made for this save
    cleanup::Registered m_registered;  // the temporary, removed by an interrupt
};

}  // namespace vantor
