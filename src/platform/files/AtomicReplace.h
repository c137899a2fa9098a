#pragma once
// The one way the program replaces a file on disk. Each file is written to a
// fresh temporary in its destination's folder (short random name, created
// exclusively and never through a symbolic link), flushed to disk, given the
// old file's permissions, and renamed over the destination; the folder is
// flushed after the rename. A destination that is a symbolic link is
// written through to its target, so the link stays. On any failure the
// temporaries go and every destination keeps its previous content.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vantor {

struct PendingFile {
    std::string path;       // where the bytes go (absolute or relative to the process)
    std::string shownName;  // names the file in errors
    std::vector<std::uint8_t> bytes;
};

// A test hook standing in for the disk: called before each file's bytes are
// written with the destination's path; a non-zero errno fails that write as
// the system would (ENOSPC for a full disk).
using WriteFault = std::function<int(const std::string& path)>;

// Writes every file of the set first, then renames them all into place, so
// that a failed write (full disk, no permission) leaves every old file as it
// was. Throws IoError naming the file that failed.
void replaceFiles(const std::vector<PendingFile>& set, const WriteFault& fault = {});
void replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes, const std::string& shownName,
                 const WriteFault& fault = {});

// The final destination of `path`: symbolic links followed (a dangling
// link gives the file it points at, to be created).
std::string followLinks(const std::string& path);

}  // namespace vantor
