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

namespace vantor {

using namespace filesteps;

namespace {

constexpr const char* Header = "freevantor save journal 1\n";
// Far above any set the program writes; a bigger file is not a journal.
constexpr std::size_t MaxJournalSize = 1 << 20;
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

struct ParsedJournal {
    std::vector<JournalEntry> entries;  // every complete, sound entry line
    bool committed = false;
};

bool soundEntry(const std::string& journal, JournalEntry& e, const std::string& temp, const std::string& target) {
    if (!isTemporaryName(temp) || target.empty() || target.find('\0') != std::string::npos) return false;
    if (target.front() == '/') e.target = target;
    else if (target.find('/') == std::string::npos) e.target = folderPart(journal) + "/" + target;
    else return false;
    e.temporary = folderPart(e.target) + "/" + temp;
    return true;
}

ParsedJournal parse(const std::string& journal, const std::string& text) {
    ParsedJournal p;
    Reader in(text);
    if (!in.literal(Header)) return p;
    while (in.literal("file ")) {
        JournalEntry e;
        std::string temp, target;
        if (!in.number(e.size) || !in.literal(" ") || !in.countedText(temp) || !in.literal(" ") ||
            !in.countedText(target) || !in.literal("\n") || !soundEntry(journal, e, temp, target))
            return p;
        p.entries.push_back(std::move(e));
    }
    const std::size_t commitAt = in.position();
    std::uint64_t count;
    std::string sum;
    if (in.literal("commit ") && in.number(count) && in.literal(" ") && in.hexWord(sum) && in.literal("\n") &&
        in.atEnd() && count == p.entries.size() && sum == hex(fnv1a(text.substr(0, commitAt))))
        p.committed = true;
    return p;
}

// The user's own regular file, not a link: only such a file is acted on.
bool ownRegularFile(const std::string& path, struct stat& st) {
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

bool readJournal(const std::string& journal, std::string& text) {
    const int fd = ::open(journal.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    Descriptor in(fd);
    char buf[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        text.append(buf, static_cast<std::size_t>(n));
        if (text.size() > MaxJournalSize) return false;
    }
}

}  // namespace

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
                counted(recordedTarget(journal, e.target)) + "\n";
    return text;
}

std::string journalCommitLine(const std::string& intent, std::size_t count) {
    return "commit " + std::to_string(count) + " " + hex(fnv1a(intent)) + "\n";
}

Repair repairInterruptedSave(const std::string& journal) {
    struct stat st {};
    if (!ownRegularFile(journal, st)) return Repair::None;
    std::string text;
    const ParsedJournal p = readJournal(journal, text) ? parse(journal, text) : ParsedJournal{};
    std::set<std::string> folders;
    for (const JournalEntry& e : p.entries) {
        struct stat t {};
        // A temporary gone was renamed into place; one not the user's own
        // is not this program's and stays.
        if (!ownRegularFile(e.temporary, t)) continue;
        if (p.committed && static_cast<std::uint64_t>(t.st_size) == e.size) {
            if (::rename(e.temporary.c_str(), e.target.c_str()) != 0) throw IoError(std::strerror(errno), e.target);
        } else {
            ::unlink(e.temporary.c_str());
        }
        folders.insert(folderPart(e.target));
    }
    for (const std::string& folder : folders) syncFolder(folder);
    if (::unlink(journal.c_str()) != 0 && errno != ENOENT) throw IoError(std::strerror(errno), journal);
    syncFolder(folderPart(journal));
    return p.committed ? Repair::Completed : Repair::Undone;
}

}  // namespace vantor
