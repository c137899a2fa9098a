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
// Whatever moment a kill (or a power cut) stops that, the journal says how
// far it got. Without a valid commit line no file has been renamed yet: the
// repair removes the temporaries and the journal, and the old set is whole.
// With it, every temporary was complete on disk before the first rename,
// and a rename removes a temporary's name in the same step that gives the
// file its new content; so each temporary still present is a rename not yet
// done, and the repair does it: the new set is whole. The repair itself may
// be stopped at any point and done again.
//
// Format, text with "\n" after each line:
//   freevantor save journal 1
//   file SIZE LEN:TEMPORARY LEN:TARGET     (one per file)
//   commit COUNT CHECKSUM                  (FNV-1a 64 of all the text before it, in hex)
// TEMPORARY is the temporary's name in its target's folder; TARGET is a bare
// name beside the journal or an absolute path. A journal that is not the
// user's own regular file is never acted on.
#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

struct JournalEntry {
    std::uint64_t size = 0;
    std::string temporary;  // full path
    std::string target;     // full path
};

// The journal of the set whose first file is `path`: ".NAME.journal" beside
// it, NAME being the file's name without its extension.
std::string journalPathFor(const std::string& path);

// The journal text up to (not including) the commit line, and that line.
std::string journalIntent(const std::string& journal, const std::vector<JournalEntry>& entries);
std::string journalCommitLine(const std::string& intent, std::size_t count);

enum class Repair {
    None,       // no interrupted save
    Completed,  // the interrupted save was finished: the whole new set is in place
    Undone,     // the interrupted save was undone: the whole previous set is in place
};

// Finishes or undoes the set save that `journal` records, removing its
// temporaries and the journal. Throws IoError when a rename fails.
Repair repairInterruptedSave(const std::string& journal);

}  // namespace vantor
