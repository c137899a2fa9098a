// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <random>
#include <unistd.h>

#include "platform/files/IoError.h"
#include "platform/files/LineReader.h"

namespace vantor {

namespace fs = std::filesystem;

namespace {
std::string withoutTrailingSlash(std::string f) {
    while (f.size() > 1 && f.back() == '/') f.pop_back();
    return f.empty() ? "." : f;
}
std::string withTrailingSlash(std::string f) {
    if (f.empty()) return "./";
    if (f.back() != '/') f += '/';
    return f;
}
}  // namespace

Files::Files(std::string currentFolder, std::string programFolder)
    : m_current(withoutTrailingSlash(std::move(currentFolder))), m_program(withTrailingSlash(std::move(programFolder))) {}

void Files::setCurrentFolder(const std::string& folder) { m_current = withoutTrailingSlash(folder); }
void Files::setProgramFolder(const std::string& folder) { m_program = withTrailingSlash(folder); }

std::string Files::resolve(const std::string& name) const {
    if (!name.empty() && name.front() == '/') return name;
    return m_current + "/" + name;
}

bool Files::fileExists(const std::string& name) const {
    if (name.empty()) return false;
    std::error_code ec;
    return fs::is_regular_file(resolve(name), ec);
}

bool Files::folderExists(const std::string& name) const {
    if (name.empty()) return false;
    std::error_code ec;
    return fs::is_directory(resolve(name), ec);
}

bool Files::isSpecialFile(const std::string& name) const {
    if (name.empty()) return false;
    std::error_code ec;
    const fs::file_type type = fs::status(resolve(name), ec).type();
    return !ec && type != fs::file_type::not_found && type != fs::file_type::regular &&
           type != fs::file_type::directory;
}

bool Files::deleteFile(const std::string& name) const { return ::unlink(resolve(name).c_str()) == 0; }

std::vector<std::string> Files::findFiles(const std::string& pattern) const {
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::directory_iterator it(m_current, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ec2;
        if (!it->is_regular_file(ec2)) continue;
        std::string n = it->path().filename().string();
        if (wildcardMatch(pattern, n)) out.push_back(n);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::string> Files::findTakenNames(const std::string& pattern) const {
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::directory_iterator it(m_current, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ec2;
        if (it->symlink_status(ec2).type() == fs::file_type::directory || ec2) continue;
        std::string n = it->path().filename().string();
        if (wildcardMatch(pattern, n)) out.push_back(n);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::uint8_t> Files::readAll(const std::string& name) const {
    const InputFile file(resolve(name), name);
    return file.readAt(0, SIZE_MAX);
}

std::vector<std::uint8_t> Files::readBounded(const std::string& name, std::size_t maxBytes, Excess excess,
                                             const std::string& tooLarge) const {
    return vantor::readBounded(resolve(name), name, maxBytes, excess, tooLarge);
}

std::vector<std::string> Files::readLines(const std::string& name) const {
    LineReader reader(resolve(name), name);
    std::vector<std::string> lines;
    for (std::string line; reader.next(line);) lines.push_back(line);
    return lines;
}

void Files::writeAtomic(const std::string& name, const std::vector<std::uint8_t>& bytes, NameOrigin origin) const {
    replaceFile(resolve(name), bytes, name, origin, m_hooks);
}

void Files::writeLinesAtomic(const std::string& name, const std::vector<std::string>& lines) const {
    writeAtomic(name, joinLines(lines));
}

void Files::writeSetAtomic(const std::vector<NamedBytes>& set) const {
    std::vector<PendingFile> pending;
    pending.reserve(set.size());
    for (const NamedBytes& f : set) pending.push_back({resolve(f.name), f.name, f.bytes, f.origin});
    if (pending.empty()) return;
    replaceFiles(pending, journalPathFor(pending.front().path), m_hooks);
}

Repair Files::repairSet(const std::string& name) const {
    const std::unique_ptr<SetLock> lock = holdSet(name);
    return repairHeldJournal(*lock);
}

std::unique_ptr<SetLock> Files::holdSet(const std::string& name) const {
    return std::make_unique<SetLock>(journalPathFor(resolve(name)), SetLock::Purpose::Look, m_hooks.lockWait, name);
}

std::vector<std::uint8_t> joinLines(const std::vector<std::string>& lines) {
    std::vector<std::uint8_t> bytes;
    for (const auto& l : lines) {
        bytes.insert(bytes.end(), l.begin(), l.end());
        bytes.push_back('\r');
        bytes.push_back('\n');
    }
    return bytes;
}

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string baseNameOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    auto dot = file.find_last_of('.');
    return dot == std::string::npos ? file : file.substr(0, dot);
}

bool wildcardMatch(const std::string& pattern, const std::string& name) {
    // Iterative matcher with backtracking to the last star.
    std::size_t p = 0, n = 0, star = std::string::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::string executableFolder() {
    std::error_code ec;
    auto p = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    return withTrailingSlash(p.parent_path().string());
}

std::string userConfigFolder(const char* xdgConfigHome, const char* home) {
    // A relative XDG_CONFIG_HOME is invalid and ignored: it would put the
    // standard options wherever the program happens to be started.
    if (xdgConfigHome && xdgConfigHome[0] == '/') return std::string(xdgConfigHome) + "/freevantor";
    if (home && *home) return std::string(home) + "/.config/freevantor";
    return {};
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string cur;
    bool pending = false;  // text since the last break
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(cur);
            cur.clear();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            cur += c;
            pending = true;
        }
    }
    if (pending) lines.push_back(cur);
    return lines;
}

}  // namespace vantor
