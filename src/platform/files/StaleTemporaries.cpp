// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/StaleTemporaries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/files/FileSteps.h"
#include "platform/files/SaveJournal.h"
#include "platform/files/SetLock.h"

namespace vantor {

using namespace filesteps;

namespace {

bool isJournalName(const std::string& name) {
    constexpr std::string_view Ending = ".journal";
    return name.size() > Ending.size() + 1 && name.front() == '.' &&
           name.compare(name.size() - Ending.size(), Ending.size(), Ending) == 0;
}

bool oldEnough(const struct stat& st) {
    const auto changed = std::chrono::seconds(st.st_ctim.tv_sec) + std::chrono::nanoseconds(st.st_ctim.tv_nsec);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return now - changed >= StaleAfter;
}

// Removes one temporary when nobody holds it; true when removed.
bool removeIfStale(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    Descriptor held(fd);
    struct stat st {}, named {};
    // A second name is a live file's backup, which only its journal removes.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_nlink != 1 ||
        !oldEnough(st))
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return false;
    if (::lstat(path.c_str(), &named) != 0 || named.st_ino != st.st_ino || named.st_dev != st.st_dev) return false;
    return ::unlink(path.c_str()) == 0;
}

}  // namespace

int removeStaleTemporaries(const std::string& folder) {
    std::vector<std::string> journals, temporaries;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (isTemporaryName(name)) temporaries.push_back(folder + "/" + name);
            else if (isJournalName(name)) journals.push_back(folder + "/" + name);
        }
        ::closedir(dir);
    }
    // Journals first: a committed journal's temporaries are renames still to do.
    for (const std::string& journal : journals) {
        SetLock lock(journal, SetLock::Purpose::Look, std::chrono::milliseconds(0), lastPart(journal));
        repairHeldJournal(lock);
    }
    int removed = 0;
    for (const std::string& t : temporaries) removed += removeIfStale(t);
    return removed;
}

}  // namespace vantor
