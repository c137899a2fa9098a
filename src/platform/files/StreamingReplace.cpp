#include "platform/files/StreamingReplace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/IoError.h"

namespace vantor {

namespace {

// Small writes (an encoder's blocks of a few hundred bytes) are gathered
// into system calls of this size.
constexpr std::size_t BufferBytes = 1u << 16;

std::string folderPart(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

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
    : m_target(followLinks(path)), m_shown(std::move(shownName)) {
    struct stat old {};
    const bool exists = ::stat(m_target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) throw IoError(std::strerror(EISDIR), m_shown);
    std::random_device seed;
    std::mt19937_64 rng((static_cast<std::uint64_t>(seed()) << 32) ^ seed() ^ static_cast<std::uint64_t>(::getpid()));
    const std::string folder = folderPart(m_target);
    for (int attempt = 0; m_fd < 0 && attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "/.vt%012llx.tmp", static_cast<unsigned long long>(rng() & 0xFFFFFFFFFFFFull));
        m_temp = folder + name;
        m_fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, exists ? 0600 : 0666);
        if (m_fd < 0 && errno != EEXIST) break;
    }
    if (m_fd < 0) {
        const int err = errno;
        m_temp.clear();
        throw IoError(std::strerror(err), m_shown);
    }
    int err = 0;
    if (exists) {
        // Ownership first: changing it may clear the set-id bits the mode restores.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)!::fchown(m_fd, old.st_uid, old.st_gid);
        if (::fchmod(m_fd, old.st_mode & 07777) != 0) err = errno;
    }
    if (err == 0 && fault) err = fault(m_target);
    if (err != 0) fail(err);
    m_buffer.reserve(BufferBytes);
}

StreamingReplace::~StreamingReplace() { abort(); }

void StreamingReplace::fail(int err) {
    abort();
    throw IoError(std::strerror(err), m_shown);
}

void StreamingReplace::flush() {
    if (m_buffer.empty()) return;
    if (!writeAllAt(m_fd, m_buffer.data(), m_buffer.size(), 0, true)) fail(errno);
    m_buffer.clear();
}

void StreamingReplace::write(const std::uint8_t* data, std::size_t size) {
    if (m_fd < 0) throw IoError(std::strerror(EBADF), m_shown);
    m_size += size;
    if (m_buffer.size() + size > BufferBytes) flush();
    if (size >= BufferBytes) {
        if (!writeAllAt(m_fd, data, size, 0, true)) fail(errno);
    } else {
        m_buffer.insert(m_buffer.end(), data, data + size);
    }
}

void StreamingReplace::overwrite(std::uint64_t offset, const std::vector<std::uint8_t>& bytes) {
    if (m_fd < 0) throw IoError(std::strerror(EBADF), m_shown);
    if (offset + bytes.size() > m_size) throw IoError(std::strerror(EINVAL), m_shown);
    flush();
    if (!writeAllAt(m_fd, bytes.data(), bytes.size(), static_cast<off_t>(offset), false)) fail(errno);
}

void StreamingReplace::commit() {
    if (m_fd < 0) throw IoError(std::strerror(EBADF), m_shown);
    flush();
    if (::fsync(m_fd) != 0) fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) fail(errno);
    if (::rename(m_temp.c_str(), m_target.c_str()) != 0) fail(errno);
    m_temp.clear();
    const int dir = ::open(folderPart(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        // Some file systems cannot flush a folder; the rename itself succeeded.
        ::fsync(dir);
        ::close(dir);
    }
}

void StreamingReplace::abort() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    if (!m_temp.empty()) ::unlink(m_temp.c_str());
    m_temp.clear();
    m_buffer.clear();
}

}  // namespace vantor
