#include "platform/files/AtomicReplace.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <unistd.h>

#include "platform/files/IoError.h"
#include "platform/files/FileSteps.h"
#include "platform/files/SaveJournal.h"

namespace vantor {

using namespace filesteps;

namespace {

// Everything a save has created so far; removed unless the save completed
// or a test stopped it the way a kill would.
class Leftovers {
public:
    std::vector<std::string> temporaries;
    std::vector<std::string> createdTargets;
    std::string journal;
    bool keep = false;
    ~Leftovers() {
        if (keep) return;
        // The journal first: a committed journal whose temporaries were
        // gone would tell the repair they had been renamed.
        if (!journal.empty()) ::unlink(journal.c_str());
        for (const std::string& t : temporaries) ::unlink(t.c_str());
        for (const std::string& t : createdTargets) ::unlink(t.c_str());
    }
};

// Stops the save here when the test hook asks for it.
void checkpoint(const SaveHooks& hooks, Leftovers& left, SaveStep step, const std::string& path) {
    if (!hooks.interrupt || !hooks.interrupt(step, path)) return;
    left.keep = true;
    throw SaveKilled();
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
    Leftovers left;
    if (d.createdEmpty) left.createdTargets.push_back(d.target);
    std::mt19937_64 rng = seededRandom();
    const std::string folder = folderPart(d.target);
    int fd = -1;
    std::string temp;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = temporaryName(folder, rng);
        fd = createTemporary(temp, d);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) fail(errno, shownName);
    left.temporaries.push_back(temp);
    Descriptor out(fd);
    int err = fillTemporary(fd, bytes, d, hooks, left);
    if (const int closeErr = out.close(); err == 0) err = closeErr;
    if (err != 0) fail(err, shownName);
    if (::rename(temp.c_str(), d.target.c_str()) != 0) fail(errno, shownName);
    left.temporaries.clear();
    left.createdTargets.clear();
    syncFolder(folder);
}

void replaceFiles(const std::vector<PendingFile>& set, const std::string& journal, const SaveHooks& hooks) {
    // What a killed save of this set left behind goes first.
    repairInterruptedSave(journal);

    Leftovers left;
    std::vector<Destination> dests;
    std::vector<JournalEntry> entries;
    std::mt19937_64 rng = seededRandom();
    for (const PendingFile& file : set) {
        dests.push_back(resolveDestination(file.path, file.origin, file.shownName, false));
        if (dests.back().createdEmpty) left.createdTargets.push_back(dests.back().target);
        checkRenameAllowed(dests.back(), file.shownName);
        entries.push_back({file.bytes.size(), temporaryName(folderPart(dests.back().target), rng), dests.back().target});
    }

    // The journal is on disk before any temporary exists, so that a kill
    // leaves no temporary it does not name.
    const std::string intent = journalIntent(journal, entries);
    checkpoint(hooks, left, SaveStep::Journal, journal);
    const int jfd = ::open(journal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (jfd < 0) fail(errno, journal);
    left.journal = journal;
    Descriptor journalOut(jfd);
    if (int err = writeAll(jfd, reinterpret_cast<const std::uint8_t*>(intent.data()), intent.size());
        err != 0 || (err = ::fsync(jfd) == 0 ? 0 : errno) != 0)
        fail(err, journal);
    syncFolder(folderPart(journal));

    std::set<std::string> folders;
    for (std::size_t i = 0; i < set.size(); ++i) {
        checkpoint(hooks, left, SaveStep::Temporary, dests[i].target);
        const int fd = createTemporary(entries[i].temporary, dests[i]);
        if (fd < 0) fail(errno, set[i].shownName);
        left.temporaries.push_back(entries[i].temporary);
        Descriptor out(fd);
        int err = fillTemporary(fd, set[i].bytes, dests[i], hooks, left);
        if (const int closeErr = out.close(); err == 0) err = closeErr;
        if (err != 0) fail(err, set[i].shownName);
        folders.insert(folderPart(dests[i].target));
    }
    for (const std::string& folder : folders) syncFolder(folder);

    // From the commit line on, the repair finishes this save instead of undoing it.
    checkpoint(hooks, left, SaveStep::Commit, journal);
    const std::string commit = journalCommitLine(intent, entries.size());
    if (int err = writeAll(jfd, reinterpret_cast<const std::uint8_t*>(commit.data()), commit.size());
        err != 0 || (err = ::fsync(jfd) == 0 ? 0 : errno) != 0 || (err = journalOut.close()) != 0)
        fail(err, journal);

    for (std::size_t i = 0; i < set.size(); ++i) {
        checkpoint(hooks, left, SaveStep::Rename, dests[i].target);
        if (::rename(entries[i].temporary.c_str(), dests[i].target.c_str()) != 0) {
            // Once a file is new, the journal and the temporaries stay, so
            // that the next load or save finishes the commit.
            const int err = errno;
            left.keep = i > 0;
            fail(err, set[i].shownName);
        }
    }
    for (const std::string& folder : folders) syncFolder(folder);
    left.temporaries.clear();
    left.createdTargets.clear();
    checkpoint(hooks, left, SaveStep::JournalRemoval, journal);
    if (::unlink(journal.c_str()) != 0) fail(errno, journal);
    left.journal.clear();
    syncFolder(folderPart(journal));
}

}  // namespace vantor
