// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/FileSteps.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/files/IoError.h"

namespace vantor {

const char* const NotRegularFileText = "通常のファイルではないので保存できません";
const char* const NoReaderText = "この FIFO を読んでいるプロセスがないので書き込めません";

namespace filesteps {

namespace {

[[noreturn]] void fail(int err, const std::string& shownName) { throw IoError(std::strerror(err), shownName); }

// The path the kernel gives a user's link: its protection of links in
// shared sticky folders applies. A dangling link gets its target created,
// as a shell redirection would create it.
std::string resolveChosenLink(const std::string& path, const std::string& shownName, bool& createdEmpty) {
    int fd = ::open(path.c_str(), O_PATH | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0666);
        createdEmpty = fd >= 0;
    }
    if (fd < 0) fail(errno, shownName);
    Descriptor held(fd);
    char buf[PATH_MAX + 1];
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(proc.c_str(), buf, PATH_MAX);
    if (n > 0 && buf[0] == '/') return std::string(buf, static_cast<std::size_t>(n));
    // Without /proc: the kernel has approved the link; name its target.
    if (::realpath(path.c_str(), buf)) return buf;
    fail(errno, shownName);
}

}  // namespace

std::string folderPart(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string lastPart(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

Destination resolveDestination(const std::string& path, NameOrigin origin, const std::string& shownName,
                               bool streamsAllowed) {
    Destination d;
    d.target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return d;  // absent, or the creation will say why not
    d.entryExists = true;
    d.entryOwner = st.st_uid;
    if (S_ISLNK(st.st_mode)) {
        if (origin == NameOrigin::Derived) return d;  // the link itself is replaced
        d.target = resolveChosenLink(path, shownName, d.createdEmpty);
        d.entryExists = ::lstat(d.target.c_str(), &st) == 0;
        if (!d.entryExists) return d;
        d.entryOwner = st.st_uid;
    }
    if (S_ISREG(st.st_mode)) {
        d.kind = DestinationKind::Regular;
        d.old = st;
        return d;
    }
    if (S_ISDIR(st.st_mode)) fail(EISDIR, shownName);
    const bool stream = S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode);
    if (!stream || !streamsAllowed || origin == NameOrigin::Derived)
        throw IoError(NotRegularFileText, shownName);
    d.kind = DestinationKind::Stream;
    return d;
}

std::mt19937_64 seededRandom() {
    std::random_device seed;
    return std::mt19937_64((static_cast<std::uint64_t>(seed()) << 32) ^ seed() ^ static_cast<std::uint64_t>(::getpid()));
}

// A short name that cannot collide with a real file name's length limit:
// the destination's own name plays no part in it.
std::string temporaryName(const std::string& folder, std::mt19937_64& rng) {
    char name[32];
    std::snprintf(name, sizeof name, "/.vt%012llx.tmp", static_cast<unsigned long long>(rng() & 0xFFFFFFFFFFFFull));
    return folder + name;
}

bool isTemporaryName(const std::string& name) {
    if (name.size() != 19 || name.compare(0, 3, ".vt") != 0 || name.compare(15, 4, ".tmp") != 0) return false;
    for (std::size_t i = 3; i < 15; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(name[i])) || std::isupper(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

int createTemporary(const std::string& path, const Destination& destination) {
    const bool exists = destination.kind == DestinationKind::Regular;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, exists ? 0600 : 0666);
    if (fd < 0) return fd;
    // Held while the writer lives: a temporary whose lock is free is stale.
    (void)::flock(fd, LOCK_EX | LOCK_NB);
    if (!exists) return fd;
    const struct stat& old = destination.old;
    // Ownership first: changing it may clear the set-id bits the mode restores.
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)!::fchown(fd, old.st_uid, old.st_gid);
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(path.c_str());
        errno = err;
        return -1;
    }
    return fd;
}

int writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

int syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return 0;
    const int err = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return err == EINVAL || err == EROFS || err == ENOTSUP ? 0 : err;
}

int openStream(const std::string& path, const std::string& shownName) {
    // Never created, never truncated: only what is already there is opened.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENXIO) throw IoError(NoReaderText, shownName);
    if (fd < 0) fail(errno, shownName);
    Descriptor out(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0) fail(errno, shownName);
    if (!S_ISFIFO(st.st_mode) && !S_ISCHR(st.st_mode)) throw IoError(NotRegularFileText, shownName);
    // The reader sets the pace, as it would for a shell redirection.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    const int kept = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (kept < 0) fail(errno, shownName);
    return kept;
}

void writeIntoStream(const std::string& path, const std::vector<std::uint8_t>& bytes, const std::string& shownName) {
    Descriptor out(openStream(path, shownName));
    const int fd = out.get();
    if (const int err = writeAll(fd, bytes.data(), bytes.size()); err != 0) fail(err, shownName);
    if (const int err = out.close(); err != 0) fail(err, shownName);
}

int Descriptor::close() {
    if (m_fd < 0) return 0;
    const int r = ::close(m_fd);
    m_fd = -1;
    return r == 0 ? 0 : errno;
}

}  // namespace filesteps
}  // namespace vantor
