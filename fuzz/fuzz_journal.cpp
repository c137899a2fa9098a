// SPDX-License-Identifier: GPL-3.0-or-later
// The save journal's reader: any text yields only sound entries (a
// temporary's name beside a target that is a bare name or an absolute
// path), and a journal written from them reads back alike.
#include <string>

#include "FuzzSupport.h"
#include "platform/files/FileSteps.h"
#include "platform/files/SaveJournal.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string journal = "/set/.vase.journal";
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ParsedJournal p = parseJournal(journal, text);
    fuzz::require(!p.aborted || p.committed);
    for (const JournalEntry& e : p.entries) {
        fuzz::require(!e.target.empty() && e.target.front() == '/');
        fuzz::require(filesteps::isTemporaryName(filesteps::lastPart(e.temporary)));
        fuzz::require(filesteps::folderPart(e.temporary) == filesteps::folderPart(e.target));
        fuzz::require(e.backup.empty() || filesteps::isTemporaryName(filesteps::lastPart(e.backup)));
    }
    if (!p.backups) return 0;
    const std::string intent = journalIntent(journal, p.entries);
    const ParsedJournal again = parseJournal(journal, intent + journalCommitLine(intent, p.entries.size()));
    fuzz::require(again.committed && !again.aborted && again.entries.size() == p.entries.size());
    for (std::size_t i = 0; i < p.entries.size(); ++i) {
        fuzz::require(again.entries[i].target == p.entries[i].target);
        fuzz::require(again.entries[i].temporary == p.entries[i].temporary);
        fuzz::require(again.entries[i].backup == p.entries[i].backup);
        fuzz::require(again.entries[i].size == p.entries[i].size);
    }
    return 0;
}
