// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/AtomicReplace.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <set>
#include <unistd.h>

#include "platform/files/CleanupOnSignal.h"
#include "platform/files/IoError.h"
#include "platform/files/FileSteps.h"
#include "platform/files/SaveJournal.h"
#include "platform/files/StaleTemporaries.h"

namespace vantor {

using namespace filesteps;

namespace {

// Everything a save has created so far; removed unless the save completed
// or a test stopped it the way a kill would. Each path is also registered
// for removal by an interrupt.
class Leftovers {
public:
    explicit Leftovers(SetLock* lock = nullptr) : m_lock(lock) {}
    Leftovers(const Leftovers&) = delete;
    Leftovers& operator=(const Leftovers&) = delete;
    ~Leftovers() {
        for (const int fd : m_open) ::close(fd);
        if (keep) {
            if (m_lock) m_lock->keepJournal();
            return;
        }
        // The journal first: a committed journal whose temporaries were
        // gone would tell the repair they had been renamed.
        if (m_lock) m_lock->remove();
        for (const std::string& t : m_paths) ::unlink(t.c_str());
    }
    // A file of this save's own, removed on failure.
    void add(const std::string& path) {
        m_paths.push_back(path);
        m_registered.emplace_back(path);
    }
    void registerJournal() {
        if (m_lock) m_registered.emplace_back(m_lock->path());
    }
    // A descriptor held (with its lock) until the save ends.
    void hold(int fd) { m_open.push_back(fd); }
    // The save has taken over: nothing is removed, by this object or by an interrupt.
    void release() {
        m_paths.clear();
        m_registered.clear();
    }
    bool keep = false;

private:
    SetLock* m_lock;
    std::vector<std::string> m_paths;
    std::vector<cleanup::Registered> m_registered;
    std::vector<int> m_open;
};

// Stops the save here when the test hook asks for it.
void checkpoint(const SaveHooks& hooks, Leftovers& left, SaveStep step, const std::string& path) {
    if (!hooks.interrupt || !hooks.interrupt(step, path)) return;
    left.keep = true;
    throw SaveKilled();
}

int injected(const SaveHooks& hooks, SaveStep step, const std::string& path) {
    return hooks.stepFault ? hooks.stepFault(step, path) : 0;
}

// Writes and flushes one temporary; the error number, or 0.
int fillTemporary(int fd, const std::vector<std::uint8_t>& bytes, const Destination& d, const SaveHooks& hooks,
                  Leftovers& left) {
    if (hooks.fault)
        if (const int err = hooks.fault(d.target); err != 0) return err;
    const std::size_t half = bytes.size() / 2;
    if (const int err = writeAll(fd, bytes.data(), half); err != 0) return err;
    checkpoint(hooks, left, SaveStep::TemporaryHalf, d.target);
    if (const int err = writeAll(fd, bytes.data() + half, bytes.size() - half); err != 0) return err;
    return ::fsync(fd) == 0 ? 0 : errno;
}

[[noreturn]] void fail(int err, const std::string& shownName) { throw IoError(std::strerror(err), shownName); }

// A rename over another user's file or link in a sticky folder (such as
// /tmp) is refused by the system; finding that out before the first rename
// keeps a set from committing half-way.
void checkRenameAllowed(const Destination& d, const std::string& shownName) {
    if (!d.entryExists || ::geteuid() == 0 || d.entryOwner == ::geteuid()) return;
    struct stat folder {};
    if (::stat(folderPart(d.target).c_str(), &folder) == 0 && (folder.st_mode & S_ISVTX) &&
        folder.st_uid != ::geteuid())
        fail(EPERM, shownName);
}

// A copy of a regular file, for a backup the system will not make a link
// for (a file of another user under protected hard links); the error
// number, or 0. The copy is left open, and locked, in `fd`.
int copyBackup(const std::string& target, const std::string& backup, int& fd) {
    const int in = ::open(target.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (in < 0) return errno;
    Descriptor source(in);
    struct stat st {};
    if (::fstat(in, &st) != 0) return errno;
    if (!S_ISREG(st.st_mode)) return EPERM;
    Destination like;
    like.kind = DestinationKind::Regular;
    like.old = st;
    fd = createTemporary(backup, like);
    if (fd < 0) return errno;
    std::vector<std::uint8_t> buf(1 << 16);
    for (;;) {
        const ssize_t n = ::read(in, buf.data(), buf.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) break;
        if (const int err = writeAll(fd, buf.data(), static_cast<std::size_t>(n))) return err;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Keeps the target's current directory entry under `backup`: a hard link
// (of the link itself for a derived name's link), else a copy.
int makeBackup(const std::string& target, const std::string& backup, Leftovers& left) {
    if (::link(target.c_str(), backup.c_str()) == 0) {
        left.add(backup);
        return 0;
    }
    const int linkErr = errno;
    if (linkErr != EPERM && linkErr != EMLINK) return linkErr;
    int fd = -1;
    const int err = copyBackup(target, backup, fd);
    if (fd >= 0) {
        left.hold(fd);
        left.add(backup);
    }
    return err;
}

}  // namespace

void replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes, const std::string& shownName,
                 NameOrigin origin, const SaveHooks& hooks) {
    const Destination d = resolveDestination(path, origin, shownName, true);
    if (d.kind == DestinationKind::Stream) {
        if (hooks.fault)
            if (const int err = hooks.fault(d.target); err != 0) fail(err, shownName);
        writeIntoStream(d.target, bytes, shownName);
        return;
    }
    const std::string folder = folderPart(d.target);
    removeStaleTemporaries(folder);
    Leftovers left;
    if (d.createdEmpty) left.add(d.target);
    std::mt19937_64 rng = seededRandom();
    int fd = -1;
    std::string temp;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = temporaryName(folder, rng);
        fd = createTemporary(temp, d);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) fail(errno, shownName);
    left.add(temp);
    Descriptor out(fd);
    int err = fillTemporary(fd, bytes, d, hooks, left);
    if (const int closeErr = out.close(); err == 0) err = closeErr;
    if (err != 0) fail(err, shownName);
    if (::rename(temp.c_str(), d.target.c_str()) != 0) fail(errno, shownName);
    left.release();
    if (const int err = syncFolder(folder)) fail(err, shownName);
}

void replaceFiles(const std::vector<PendingFile>& set, const std::string& journal, const SaveHooks& hooks) {
    if (set.empty()) return;
    const std::string& shown = set.front().shownName;
    std::vector<Destination> dests;
    std::set<std::string> folders;
    for (const PendingFile& file : set) {
        dests.push_back(resolveDestination(file.path, file.origin, file.shownName, false));
        checkRenameAllowed(dests.back(), file.shownName);
        folders.insert(folderPart(dests.back().target));
    }
    for (const std::string& folder : folders) removeStaleTemporaries(folder);

    // Declared before what it guards: an interrupt held back during the
    // commit arrives only after the journal is gone.
    std::optional<cleanup::SignalsHeld> held;
    // One writer at a time; what a killed save of this set left goes first.
    SetLock lock(journal, SetLock::Purpose::Save, hooks.lockWait, shown);
    if (repairHeldJournal(lock) == Repair::Incomplete) fail(EIO, shown);

    Leftovers left(&lock);
    std::vector<JournalEntry> entries;
    std::mt19937_64 rng = seededRandom();
    for (std::size_t i = 0; i < set.size(); ++i) {
        // A dangling chosen link may have got its target just now.
        if (dests[i].createdEmpty) left.add(dests[i].target);
        const std::string folder = folderPart(dests[i].target);
        JournalEntry e{set[i].bytes.size(), temporaryName(folder, rng), dests[i].target, ""};
        if (dests[i].entryExists && !dests[i].createdEmpty) {
            do e.backup = temporaryName(folder, rng);
            while (e.backup == e.temporary);
        }
        entries.push_back(std::move(e));
    }

    // The journal is on disk before any temporary exists, so that a kill
    // leaves no temporary it does not name.
    const std::string intent = journalIntent(journal, entries);
    checkpoint(hooks, left, SaveStep::Journal, journal);
    left.registerJournal();
    if (const int err = lock.rewrite(intent)) fail(err, shown);
    if (const int err = syncFolder(folderPart(journal))) fail(err, shown);

    for (std::size_t i = 0; i < set.size(); ++i) {
        checkpoint(hooks, left, SaveStep::Temporary, dests[i].target);
        const int fd = createTemporary(entries[i].temporary, dests[i]);
        if (fd < 0) fail(errno, set[i].shownName);
        left.add(entries[i].temporary);
        left.hold(fd);
        if (const int err = fillTemporary(fd, set[i].bytes, dests[i], hooks, left)) fail(err, set[i].shownName);
    }
    for (std::size_t i = 0; i < set.size(); ++i) {
        if (entries[i].backup.empty()) continue;
        checkpoint(hooks, left, SaveStep::Backup, dests[i].target);
        int err = injected(hooks, SaveStep::Backup, dests[i].target);
        if (err == 0) err = makeBackup(dests[i].target, entries[i].backup, left);
        if (err != 0) fail(err, set[i].shownName);
    }
    for (const std::string& folder : folders)
        if (const int err = syncFolder(folder)) fail(err, shown);

    // From the commit line on, the repair finishes this save instead of
    // undoing it, and an interrupt waits for the end.
    checkpoint(hooks, left, SaveStep::Commit, journal);
    held.emplace();
    if (const int err = lock.append(journalCommitLine(intent, entries.size()))) fail(err, shown);
    left.release();
    for (std::size_t i = 0; i < set.size(); ++i) {
        checkpoint(hooks, left, SaveStep::Rename, dests[i].target);
        int err = injected(hooks, SaveStep::Rename, dests[i].target);
        if (err == 0 && ::rename(entries[i].temporary.c_str(), dests[i].target.c_str()) != 0) err = errno;
        if (err == 0) continue;
        // The old set goes back; the journal stays only if it cannot.
        if (lock.append(JournalAbortLine) != 0 || !rollBack(entries)) left.keep = true;
        fail(err, set[i].shownName);
    }
    int syncErr = 0;
    for (const std::string& folder : folders)
        if (const int err = syncFolder(folder); err != 0 && syncErr == 0) syncErr = err;
    for (const JournalEntry& e : entries)
        if (!e.backup.empty()) ::unlink(e.backup.c_str());
    checkpoint(hooks, left, SaveStep::JournalRemoval, journal);
    if (const int err = lock.remove(); err != 0 && syncErr == 0) syncErr = err;
    // Every file is new; the disk could not confirm that it keeps them.
    if (syncErr != 0) fail(syncErr, shown);
}

}  // namespace vantor
