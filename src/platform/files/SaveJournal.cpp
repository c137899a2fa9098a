// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/SaveJournal.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files/IoError.h"
#include "platform/files/FileSteps.h"
#include "platform/files/SetLock.h"

namespace vantor {

using namespace filesteps;

namespace {

constexpr const char* Header = "freevantor save journal 2\n";
constexpr const char* HeaderWithoutBackups = "freevantor save journal 1\n";
constexpr std::size_t NameMax = 255;

std::uint64_t fnv1a(const std::string& text) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (const char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ull;
    }
    return h;
}

std::string hex(std::uint64_t v) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

std::string counted(const std::string& s) { return std::to_string(s.size()) + ":" + s; }

// The target as the journal records it: bare beside the journal, else absolute.
std::string recordedTarget(const std::string& journal, const std::string& target) {
    if (folderPart(target) == folderPart(journal)) return lastPart(target);
    if (!target.empty() && target.front() == '/') return target;
    char cwd[4096];
    return ::getcwd(cwd, sizeof cwd) ? std::string(cwd) + "/" + target : target;
}

// A strict reader of the journal's text.
class Reader {
public:
    explicit Reader(const std::string& text) : m_text(text) {}
    std::size_t position() const { return m_pos; }
    bool atEnd() const { return m_pos == m_text.size(); }
    bool literal(const char* word) {
        const std::size_t n = std::strlen(word);
        if (m_text.compare(m_pos, n, word) != 0) return false;
        m_pos += n;
        return true;
    }
    bool number(std::uint64_t& v) {
        const std::size_t start = m_pos;
        v = 0;
        while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9' && m_pos - start < 19)
            v = v * 10 + static_cast<std::uint64_t>(m_text[m_pos++] - '0');
        return m_pos > start;
    }
    bool countedText(std::string& s) {
        std::uint64_t n;
        if (!number(n) || !literal(":") || n > m_text.size() - m_pos) return false;
        s = m_text.substr(m_pos, static_cast<std::size_t>(n));
        m_pos += static_cast<std::size_t>(n);
        return true;
    }
    bool hexWord(std::string& s) {
        if (m_text.size() - m_pos < 16) return false;
        s = m_text.substr(m_pos, 16);
        m_pos += 16;
        return true;
    }

private:
    const std::string& m_text;
    std::size_t m_pos = 0;
};

bool soundEntry(const std::string& journal, JournalEntry& e, const std::string& temp, const std::string& target,
                const std::string& backup) {
    if (!isTemporaryName(temp) || target.empty() || target.find('\0') != std::string::npos) return false;
    if (!backup.empty() && (!isTemporaryName(backup) || backup == temp)) return false;
    if (target.front() == '/') e.target = target;
    else if (target.find('/') == std::string::npos) e.target = folderPart(journal) + "/" + target;
    else return false;
    e.temporary = folderPart(e.target) + "/" + temp;
    if (!backup.empty()) e.backup = folderPart(e.target) + "/" + backup;
    return true;
}

// The user's own regular file, not a link: only such a file is acted on.
bool ownRegularFile(const std::string& path, struct stat& st) {
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

void removeBackups(const std::vector<JournalEntry>& entries) {
    for (const JournalEntry& e : entries)
        if (!e.backup.empty()) ::unlink(e.backup.c_str());
}

bool syncFolders(const std::vector<JournalEntry>& entries) {
    std::set<std::string> folders;
    for (const JournalEntry& e : entries) folders.insert(folderPart(e.target));
    bool ok = true;
    for (const std::string& folder : folders) ok = syncFolder(folder) == 0 && ok;
    return ok;
}

// The renames a committed save had not done yet; false when one fails.
bool rollForward(const std::vector<JournalEntry>& entries) {
    for (const JournalEntry& e : entries) {
        struct stat t {};
        // A temporary gone was renamed into place; one not the user's own
        // is not this program's and stays.
        if (!ownRegularFile(e.temporary, t)) continue;
        if (static_cast<std::uint64_t>(t.st_size) != e.size) ::unlink(e.temporary.c_str());
        else if (::rename(e.temporary.c_str(), e.target.c_str()) != 0) return false;
    }
    return true;
}

}  // namespace

ParsedJournal parseJournal(const std::string& journal, const std::string& text) {
    ParsedJournal p;
    Reader in(text);
    const bool withBackups = in.literal(Header);
    if (!withBackups && !in.literal(HeaderWithoutBackups)) return p;
    p.backups = withBackups;
    while (in.literal("file ")) {
        JournalEntry e;
        std::string temp, target, backup;
        if (!in.number(e.size) || !in.literal(" ") || !in.countedText(temp) || !in.literal(" ") ||
            !in.countedText(target) || (withBackups && (!in.literal(" ") || !in.countedText(backup))) ||
            !in.literal("\n") || !soundEntry(journal, e, temp, target, backup))
            return p;
        p.entries.push_back(std::move(e));
    }
    const std::size_t commitAt = in.position();
    std::uint64_t count;
    std::string sum;
    if (in.literal("commit ") && in.number(count) && in.literal(" ") && in.hexWord(sum) && in.literal("\n") &&
        count == p.entries.size() && sum == hex(fnv1a(text.substr(0, commitAt)))) {
        // After the commit line only the abort line may follow; cut short,
        // the undoing had not begun. Anything else is not this program's.
        const std::string rest = text.substr(in.position());
        const std::string abort = JournalAbortLine;
        p.committed = abort.compare(0, rest.size(), rest) == 0;
        p.aborted = rest == abort;
    }
    return p;
}

std::string journalPathFor(const std::string& path) {
    std::string name = lastPart(path);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    // A name near the length limit keeps its start and a hash of the rest.
    if (name.size() + 9 > NameMax) name = name.substr(0, 200) + "-" + hex(fnv1a(name));
    return folderPart(path) + "/." + name + ".journal";
}

std::string journalIntent(const std::string& journal, const std::vector<JournalEntry>& entries) {
    std::string text = Header;
    for (const JournalEntry& e : entries)
        text += "file " + std::to_string(e.size) + " " + counted(lastPart(e.temporary)) + " " +
                counted(recordedTarget(journal, e.target)) + " " +
                counted(e.backup.empty() ? std::string() : lastPart(e.backup)) + "\n";
    return text;
}

std::string journalCommitLine(const std::string& intent, std::size_t count) {
    return "commit " + std::to_string(count) + " " + hex(fnv1a(intent)) + "\n";
}

bool rollBack(const std::vector<JournalEntry>& entries) {
    bool ok = true;
    for (const JournalEntry& e : entries) {
        struct stat t {};
        if (ownRegularFile(e.temporary, t)) {
            // Never renamed: the target still holds its old content.
            ::unlink(e.temporary.c_str());
            if (!e.backup.empty()) ::unlink(e.backup.c_str());
        } else if (!e.backup.empty()) {
            if (exists(e.backup)) {
                if (::rename(e.backup.c_str(), e.target.c_str()) != 0) ok = false;
                // A rename onto the same file leaves both names.
                else ::unlink(e.backup.c_str());
            }
        } else if (::unlink(e.target.c_str()) != 0 && errno != ENOENT) {
            ok = false;
        }
    }
    return syncFolders(entries) && ok;
}

Repair repairHeldJournal(SetLock& lock) {
    if (!lock.held()) return Repair::None;
    std::string text;
    if (!lock.read(text)) {
        lock.keepJournal();
        return Repair::Incomplete;
    }
    if (text.empty()) return Repair::None;
    const ParsedJournal p = parseJournal(lock.path(), text);
    if (!p.committed) {
        for (const JournalEntry& e : p.entries) {
            struct stat t {};
            if (ownRegularFile(e.temporary, t)) ::unlink(e.temporary.c_str());
        }
        removeBackups(p.entries);
        syncFolders(p.entries);
        lock.remove();
        return Repair::Undone;
    }
    if (!p.aborted) {
        if (rollForward(p.entries)) {
            removeBackups(p.entries);
            syncFolders(p.entries);
            lock.remove();
            return Repair::Completed;
        }
        // The new set cannot be completed: the old one is put back.
        if (!p.backups || lock.append(JournalAbortLine) != 0) {
            lock.keepJournal();
            return Repair::Incomplete;
        }
    }
    if (rollBack(p.entries)) {
        lock.remove();
        return Repair::Undone;
    }
    lock.keepJournal();
    return Repair::Incomplete;
}

Repair repairInterruptedSave(const std::string& journal) {
    SetLock lock(journal, SetLock::Purpose::Look, SetLockWait, lastPart(journal));
    return repairHeldJournal(lock);
}

}  // namespace vantor
