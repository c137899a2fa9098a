#include "platform/files/AtomicReplace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/IoError.h"

namespace vantor {

namespace {

constexpr int MaxLinkDepth = 40;

std::string folderPart(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A temporary being written; removed unless it was renamed into place.
struct Temporary {
    std::string target;
    std::string path;
    bool renamed = false;
};

class Cleanup {
public:
    std::vector<Temporary> temps;
    ~Cleanup() {
        for (const Temporary& t : temps)
            if (!t.renamed && !t.path.empty()) ::unlink(t.path.c_str());
    }
};

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A short name that cannot collide with a real file name's length limit:
// the destination's own name plays no part in it.
std::string temporaryName(const std::string& folder, std::mt19937_64& rng) {
    char name[32];
    std::snprintf(name, sizeof name, "/.vt%012llx.tmp", static_cast<unsigned long long>(rng() & 0xFFFFFFFFFFFFull));
    return folder + name;
}

// Creates and fills the temporary of one file; the error number, or 0.
int writeTemporary(const PendingFile& file, Temporary& temp, std::mt19937_64& rng, const WriteFault& fault) {
    struct stat old {};
    const bool exists = ::stat(temp.target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return EISDIR;
    const std::string folder = folderPart(temp.target);

    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp.path = temporaryName(folder, rng);
        fd = ::open(temp.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int err = errno;
        temp.path.clear();
        return err;
    }
    int err = 0;
    if (exists) {
        // Ownership first: changing it may clear the set-id bits the mode restores.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)!::fchown(fd, old.st_uid, old.st_gid);
        if (::fchmod(fd, old.st_mode & 07777) != 0) err = errno;
    }
    if (err == 0 && fault) err = fault(temp.target);
    if (err == 0 && !writeAll(fd, file.bytes)) err = errno;
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    return err;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // Some file systems cannot flush a folder; the rename itself succeeded.
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string followLinks(const std::string& path) {
    std::string p = path;
    for (int depth = 0; depth < MaxLinkDepth; ++depth) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        std::vector<char> buf(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t n = ::readlink(p.c_str(), buf.data(), buf.size());
        if (n < 0 || static_cast<std::size_t>(n) >= buf.size()) return p;
        const std::string link(buf.data(), static_cast<std::size_t>(n));
        p = (!link.empty() && link.front() == '/') ? link : folderPart(p) + "/" + link;
    }
    return p;
}

void replaceFiles(const std::vector<PendingFile>& set, const WriteFault& fault) {
    std::random_device seed;
    std::mt19937_64 rng((static_cast<std::uint64_t>(seed()) << 32) ^ seed() ^ static_cast<std::uint64_t>(::getpid()));
    Cleanup cleanup;
    cleanup.temps.reserve(set.size());
    for (const PendingFile& file : set) {
        cleanup.temps.push_back({followLinks(file.path), {}, false});
        const int err = writeTemporary(file, cleanup.temps.back(), rng, fault);
        if (err != 0) throw IoError(std::strerror(err), file.shownName);
    }
    std::set<std::string> folders;
    for (std::size_t i = 0; i < set.size(); ++i) {
        Temporary& t = cleanup.temps[i];
        if (::rename(t.path.c_str(), t.target.c_str()) != 0) throw IoError(std::strerror(errno), set[i].shownName);
        t.renamed = true;
        folders.insert(folderPart(t.target));
    }
    for (const std::string& folder : folders) syncFolder(folder);
}

void replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes, const std::string& shownName,
                 const WriteFault& fault) {
    replaceFiles({PendingFile{path, shownName, bytes}}, fault);
}

}  // namespace vantor
