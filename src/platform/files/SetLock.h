// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One program at a time on a data set: the set's journal (SaveJournal.h) is
// also its lock file. A save, a load and a repair each hold an exclusive
// advisory lock (flock) on it for as long as they touch the set's files, so
// a load never reads a set half renamed and never takes a live save's
// journal for an interrupted one: a journal that still holds text when its
// lock is taken was left by a writer that is gone.
//
// The holder removes the journal before it lets go. Whoever was waiting on
// the removed file finds that the name no longer leads to the file it
// locked, and starts again on the name.
#include <chrono>
#include <string>

namespace vantor {

// The message when another program keeps the set for longer than the wait.
extern const char* const SetBusyText;
// ... when the journal's name is taken by something that is not this
// user's own journal.
extern const char* const JournalInTheWayText;

// How long a save or a load waits for another program's save of the set.
inline constexpr std::chrono::milliseconds SetLockWait{5000};

class SetLock {
public:
    enum class Purpose {
        Save,  // throws IoError naming `shownName` when it cannot lock
        Look,  // a load or a repair: never throws; held() false when it cannot
               // lock (a read-only folder, a busy set, a name in the way)
    };
    SetLock(const std::string& journal, Purpose purpose, std::chrono::milliseconds wait, const std::string& shownName);
    // Removes the journal when this lock wrote it or it is empty, unless
    // kept; then unlocks.
    ~SetLock();
    SetLock(const SetLock&) = delete;
    SetLock& operator=(const SetLock&) = delete;

    bool held() const { return m_fd >= 0; }
    // Another program held the set for the whole wait.
    bool busy() const { return m_busy; }
    const std::string& path() const { return m_path; }
    int fd() const { return m_fd; }

    // What the journal holds (empty: no interrupted save); false when it cannot be read.
    bool read(std::string& text) const;
    // Replaces the journal's text / appends to it, flushed to disk; the error number, or 0.
    int rewrite(const std::string& text);
    int append(const std::string& text);
    // The journal stays on disk when the lock goes (a repair that could not finish).
    void keepJournal() { m_keep = true; }
    // Removes the journal now, still holding the lock; the error number of
    // the removal, or 0. Only the holder removes it: after the lock goes the
    // name may already lead to another program's journal.
    int remove();

private:
    bool tryOpen(Purpose purpose, const std::string& shownName, int& err);
    std::string m_path;
    int m_fd = -1;
    bool m_busy = false;
    bool m_keep = false;
    bool m_written = false;
    bool m_removed = false;
};

}  // namespace vantor
