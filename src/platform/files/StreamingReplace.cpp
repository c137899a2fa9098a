// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/StreamingReplace.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files/IoError.h"
#include "platform/files/FileSteps.h"
#include "platform/files/StaleTemporaries.h"

namespace vantor {

using namespace filesteps;

namespace {

// Small writes (an encoder's blocks of a few hundred bytes) are gathered
// into system calls of this size.
constexpr std::size_t BufferBytes = 1u << 16;

bool writeAllAt(int fd, const std::uint8_t* data, std::size_t size, off_t offset, bool append) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = append ? ::write(fd, data + done, size - done)
                                 : ::pwrite(fd, data + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

StreamingReplace::StreamingReplace(const std::string& path, std::string shownName, const WriteFault& fault)
    : m_shown(std::move(shownName)) {
    const Destination d = resolveDestination(path, NameOrigin::Chosen, m_shown, true);
    m_target = d.target;
    m_createdTarget = d.createdEmpty;
    if (d.kind == DestinationKind::Stream) {
        // A FIFO or device is written into as the bytes come (opened with
        // the first of them), never replaced; it cannot take back a byte.
        m_stream = true;
        if (fault)
            if (const int err = fault(m_target); err != 0) fail(err);
        m_buffer.reserve(BufferBytes);
        return;
    }
    std::mt19937_64 rng = seededRandom();
    const std::string folder = folderPart(m_target);
    removeStaleTemporaries(folder);
    for (int attempt = 0; m_fd < 0 && attempt < 100; ++attempt) {
        m_temp = temporaryName(folder, rng);
        m_fd = createTemporary(m_temp, d);
        if (m_fd < 0 && errno != EEXIST) break;
    }
    if (m_fd < 0) {
        const int err = errno;
        m_temp.clear();
        fail(err);
    }
    m_registered = cleanup::Registered(m_temp);
    if (fault)
        if (const int err = fault(m_target); err != 0) fail(err);
    m_buffer.reserve(BufferBytes);
}

StreamingReplace::~StreamingReplace() { abort(); }

void StreamingReplace::fail(int err) {
    abort();
    throw IoError(std::strerror(err), m_shown);
}

void StreamingReplace::flush() {
    if (m_stream && m_fd < 0) m_fd = openStream(m_target, m_shown);
    if (m_buffer.empty()) return;
    if (!writeAllAt(m_fd, m_buffer.data(), m_buffer.size(), 0, true)) fail(errno);
    m_buffer.clear();
}

void StreamingReplace::write(const std::uint8_t* data, std::size_t size) {
    if (m_fd < 0 && !m_stream) throw IoError(std::strerror(EBADF), m_shown);
    m_size += size;
    if (m_buffer.size() + size > BufferBytes) flush();
    if (size >= BufferBytes) {
        if (!writeAllAt(m_fd, data, size, 0, true)) fail(errno);
    } else {
        m_buffer.insert(m_buffer.end(), data, data + size);
    }
}

void StreamingReplace::overwrite(std::uint64_t offset, const std::vector<std::uint8_t>& bytes) {
    if (offset + bytes.size() > m_size) throw IoError(std::strerror(EINVAL), m_shown);
    if (m_stream) throw IoError(std::strerror(ESPIPE), m_shown);
    if (m_fd < 0) throw IoError(std::strerror(EBADF), m_shown);
    flush();
    if (!writeAllAt(m_fd, bytes.data(), bytes.size(), static_cast<off_t>(offset), false)) fail(errno);
}

void StreamingReplace::commit() {
    if (m_stream) {
        flush();
        const int fd = m_fd;
        m_fd = -1;
        m_stream = false;
        if (::close(fd) != 0) fail(errno);
        return;
    }
    if (m_fd < 0) throw IoError(std::strerror(EBADF), m_shown);
    flush();
    if (::fsync(m_fd) != 0) fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) fail(errno);
    if (::rename(m_temp.c_str(), m_target.c_str()) != 0) fail(errno);
    m_temp.clear();
    m_registered.disarm();
    m_createdTarget = false;
    if (const int err = syncFolder(folderPart(m_target))) throw IoError(std::strerror(err), m_shown);
}

void StreamingReplace::abort() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    if (!m_temp.empty()) ::unlink(m_temp.c_str());
    m_temp.clear();
    m_registered.disarm();
    // The target a dangling link pointed at was made only for this save.
    if (m_createdTarget) ::unlink(m_target.c_str());
    m_createdTarget = false;
    m_stream = false;
    m_buffer.clear();
}

}  // namespace vantor
