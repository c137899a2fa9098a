// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal that makes a set of files commit as one.
//
// A set save first writes, beside the set's first file, a hidden journal
// listing every temporary it is about to write and the file each will
// replace, and flushes it and its folder. Then it writes and flushes every
// temporary and flushes their folders, appends the commit line to the
// journal and flushes it, renames the temporaries over their files, flushes
// the folders and removes the journal.
//
// Before the commit line, every file that is to be replaced also gets a
// backup: a hard link to it (a copy where a link is refused) under another
// temporary name, so that the old set stays recoverable until the new one is
// complete.
//
// Whatever moment a kill (or a power cut) stops that, the journal says how
// far it got. Without a valid commit line no file has been renamed yet: the
// repair removes the temporaries, the backups and the journal, and the old
// set is whole. With it, every temporary was complete on disk before the
// first rename, and a rename removes a temporary's name in the same step
// that gives the file its new content; so each temporary still present is a
// rename not yet done, and the repair does it: the new set is whole. When a
// rename cannot be done (the file was made immutable, the disk fails), the
// save -- or the repair -- appends the abort line and puts every backup back:
// the old set is whole. The repair itself may be stopped at any point and
// done again. The journal is also the set's lock (SetLock.h): only a journal
// whose writer is gone is repaired.
//
// Format, text with "\n" after each line:
//   freevantor save journal 2
//   file SIZE LEN:TEMPORARY LEN:TARGET LEN:BACKUP   (one per file; BACKUP
//                                                    empty for a new file)
//   commit COUNT CHECKSUM                  (FNV-1a 64 of all the text before it, in hex)
//   abort                                  (the save is being undone)
// TEMPORARY and BACKUP are names in their target's folder; TARGET is a bare
// name beside the journal or an absolute path. Version 1 journals, written
// without backups, are still repaired. A journal that is not the user's own
// regular file is never acted on.
#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

struct JournalEntry {
    std::uint64_t size = 0;
    std::string temporary;  // full path
    std::string target;     // full path
    std::string backup;     // full path; empty when the target did not exist
};

struct ParsedJournal {
    std::vector<JournalEntry> entries;  // every complete, sound entry line
    bool committed = false;
    bool aborted = false;  // committed, then being undone
    bool backups = false;  // written with backups: a commit can be undone
};

// Reads a journal's text, strictly: the entries up to the first line that is
// not sound; committed only with a commit line that matches them.
ParsedJournal parseJournal(const std::string& journal, const std::string& text);

// The journal of the set whose first file is `path`: ".NAME.journal" beside
// it, NAME being the file's name without its extension.
std::string journalPathFor(const std::string& path);

// The journal text up to (not including) the commit line, and that line.
std::string journalIntent(const std::string& journal, const std::vector<JournalEntry>& entries);
std::string journalCommitLine(const std::string& intent, std::size_t count);
inline constexpr const char* JournalAbortLine = "abort\n";

enum class Repair {
    None,       // no interrupted save
    Completed,  // the interrupted save was finished: the whole new set is in place
    Undone,     // the interrupted save was undone: the whole previous set is in place
    Incomplete, // the repair could not finish (a rename failed); the journal stays for the next try
};

class SetLock;

// Finishes or undoes the set save that the journal held by `lock` records,
// removing its temporaries, backups and the journal. Never throws.
Repair repairHeldJournal(SetLock& lock);

// Puts back the old set of a save being undone: temporaries removed, each
// replaced file's backup renamed over it, each new file removed. False when
// a step failed (the rest is still done).
bool rollBack(const std::vector<JournalEntry>& entries);

// repairHeldJournal under a lock of its own, taken with `wait`; None when the
// set is not this program's to repair now (another program holds it, or the
// folder cannot be written).
Repair repairInterruptedSave(const std::string& journal);

}  // namespace vantor
