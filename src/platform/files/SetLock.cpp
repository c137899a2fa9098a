// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/SetLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "platform/files/FileSteps.h"
#include "platform/files/IoError.h"

namespace vantor {

const char* const SetBusyText = "このデータ一式はほかのプログラムが保存中です。しばらくしてからもう一度お試しください";
const char* const JournalInTheWayText = "保存の記録ファイルの名前がほかのファイルに使われているので保存できません";

namespace {

constexpr std::chrono::milliseconds Poll{10};

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

}  // namespace

// One attempt: the journal opened (created for a save) and checked to be the
// user's own regular file. False with `err` set when it cannot be.
bool SetLock::tryOpen(Purpose purpose, const std::string& shownName, int& err) {
    // A load creates the file too, to hold the set against a save that
    // would otherwise start renaming between its reads.
    int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0 && errno == ELOOP && purpose == Purpose::Save) {
        // A link planted at the journal's name is not a journal: it goes,
        // as any derived name's link is replaced.
        if (::unlink(m_path.c_str()) != 0) throw IoError(JournalInTheWayText, shownName);
        fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    }
    if (fd < 0) {
        err = errno;
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
        ::close(fd);
        err = EPERM;
        if (purpose == Purpose::Save) throw IoError(JournalInTheWayText, shownName);
        return false;
    }
    m_fd = fd;
    return true;
}

SetLock::SetLock(const std::string& journal, Purpose purpose, std::chrono::milliseconds wait,
                 const std::string& shownName)
    : m_path(journal) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        int err = 0;
        if (!tryOpen(purpose, shownName, err)) {
            if (purpose == Purpose::Save) throw IoError(std::strerror(err), shownName);
            return;  // no journal, or none this user may act on
        }
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            struct stat held {}, named {};
            // The holder before may have removed the file while this one waited.
            if (::fstat(m_fd, &held) == 0 && ::lstat(m_path.c_str(), &named) == 0 && sameFile(held, named)) return;
            ::close(m_fd);
            m_fd = -1;
            continue;
        }
        const int lockErr = errno;
        ::close(m_fd);
        m_fd = -1;
        if (lockErr != EWOULDBLOCK && lockErr != EINTR) {
            // A file system without locks: a save refuses with the cause; a
            // load reads the set unlocked, since it changes nothing.
            if (purpose == Purpose::Save) throw IoError(std::strerror(lockErr), shownName);
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            m_busy = true;
            if (purpose == Purpose::Save) throw IoError(SetBusyText, shownName);
            return;
        }
        std::this_thread::sleep_for(Poll);
    }
}

SetLock::~SetLock() {
    if (m_fd < 0) return;
    // A journal someone else wrote goes only once it is repaired (which
    // removes it) or when it holds nothing.
    struct stat st {};
    if (!m_keep && (m_written || (::fstat(m_fd, &st) == 0 && st.st_size == 0))) remove();
    ::close(m_fd);
}

int SetLock::remove() {
    if (m_fd < 0 || m_removed) return 0;
    m_removed = true;
    if (::unlink(m_path.c_str()) != 0) return errno;
    return m_written ? filesteps::syncFolder(filesteps::folderPart(m_path)) : 0;
}

bool SetLock::read(std::string& text) const {
    text.clear();
    if (m_fd < 0) return true;
    // Far above any set the program writes; a bigger file is not a journal.
    constexpr std::size_t MaxJournalSize = 1 << 20;
    char buf[8192];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(m_fd, buf, sizeof buf, at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        text.append(buf, static_cast<std::size_t>(n));
        at += n;
        if (text.size() > MaxJournalSize) return false;
    }
}

int SetLock::rewrite(const std::string& text) {
    if (::ftruncate(m_fd, 0) != 0) return errno;
    m_written = true;
    if (::lseek(m_fd, 0, SEEK_SET) < 0) return errno;
    return append(text);
}

int SetLock::append(const std::string& text) {
    m_written = true;
    if (::lseek(m_fd, 0, SEEK_END) < 0) return errno;
    if (const int err = filesteps::writeAll(m_fd, reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))
        return err;
    return ::fsync(m_fd) == 0 ? 0 : errno;
}

}  // namespace vantor
