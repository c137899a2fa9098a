// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/BoundedRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "platform/files/IoError.h"

namespace vantor {

namespace {
constexpr std::size_t ChunkBytes = 64 * 1024;

[[noreturn]] void systemError(int err, const std::string& name) { throw IoError(std::strerror(err), name); }
}  // namespace

std::string tooLargeMessage(std::uint64_t maxBytes) {
    constexpr std::uint64_t Mega = 1 << 20;
    return "ファイルが大きすぎます（" + std::to_string((maxBytes + Mega - 1) / Mega) + " MB まで）";
}

InputFile::InputFile(const std::string& path, const std::string& shownName) : m_name(shownName) {
    // O_NONBLOCK: opening a FIFO without a writer returns at once instead of
    // waiting; the file type check below then refuses it.
    m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (m_fd < 0) systemError(errno, shownName);
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) {
        const int err = errno;
        ::close(m_fd);
        systemError(err, shownName);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(m_fd);
        if (S_ISDIR(st.st_mode)) systemError(EISDIR, shownName);
        throw IoError(NotRegularFileMessage, shownName);
    }
    m_size = static_cast<std::uint64_t>(st.st_size);
}

InputFile::~InputFile() {
    if (m_fd >= 0) ::close(m_fd);
}

std::vector<std::uint8_t> InputFile::readAt(std::uint64_t offset, std::size_t count) const {
    std::vector<std::uint8_t> bytes;
    // Grow by chunks rather than trusting the reported size: what is
    // allocated follows what was actually read.
    while (bytes.size() < count) {
        const std::size_t have = bytes.size();
        const std::size_t want = std::min(ChunkBytes, count - have);
        bytes.resize(have + want);
        const ssize_t n = ::pread(m_fd, bytes.data() + have, want, static_cast<off_t>(offset + have));
        if (n < 0 && errno == EINTR) {
            bytes.resize(have);
            continue;
        }
        if (n < 0) systemError(errno, m_name);
        bytes.resize(have + static_cast<std::size_t>(n));
        if (n == 0) break;
    }
    return bytes;
}

std::vector<std::uint8_t> readBounded(const std::string& path, const std::string& shownName, std::size_t maxBytes,
                                      Excess excess, const std::string& tooLarge) {
    const InputFile file(path, shownName);
    if (excess == Excess::Refused && file.size() > maxBytes) throw IoError(tooLarge, shownName);
    // One byte more than the limit tells a file that grew, or whose size the
    // system does not report, from one that fits.
    const std::size_t probe = excess == Excess::Refused && maxBytes < SIZE_MAX ? maxBytes + 1 : maxBytes;
    std::vector<std::uint8_t> bytes = file.readAt(0, probe);
    if (bytes.size() > maxBytes) {
        if (excess == Excess::Refused) throw IoError(tooLarge, shownName);
        bytes.resize(maxBytes);
    }
    return bytes;
}

}  // namespace vantor
