// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system calls a save is made of, shared by the single-file save, the
// set commit and the repair of an interrupted set commit.
#include <cstdint>
#include <random>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "platform/files/AtomicReplace.h"

namespace vantor::filesteps {

std::string folderPart(const std::string& path);
std::string lastPart(const std::string& path);

// What a save finds at the name it was given.
enum class DestinationKind {
    Absent,   // nothing (or a derived name's link): a new file goes there
    Regular,  // a regular file to replace
    Stream,   // a FIFO or character device named by the user: written into
};

struct Destination {
    std::string target;        // the file whose directory entry the save replaces
    DestinationKind kind = DestinationKind::Absent;
    struct stat old {};        // of an existing regular target
    bool createdEmpty = false; // a dangling chosen link was resolved by creating its target
    bool entryExists = false;  // something (a file, a derived name's link) has the target's name
    uid_t entryOwner = 0;      // and belongs to this user
};

// Resolves `path` as the save of a name of `origin` sees it; throws IoError
// naming `shownName` for a folder, socket, block device, or a stream that is
// not allowed here (`streamsAllowed` false, or a derived name).
Destination resolveDestination(const std::string& path, NameOrigin origin, const std::string& shownName,
                               bool streamsAllowed);

std::mt19937_64 seededRandom();
// ".vt<12 hex>.tmp" in `folder`.
std::string temporaryName(const std::string& folder, std::mt19937_64& rng);
// True for a last path part that temporaryName makes.
bool isTemporaryName(const std::string& name);

// Creates `path` exclusively, never through a link, with the old file's
// owner and permissions when there is one, and locks it (flock) for as long
// as the descriptor stays open; the descriptor or -1 with errno.
int createTemporary(const std::string& path, const Destination& destination);
// The error number, or 0.
int writeAll(int fd, const std::uint8_t* data, std::size_t size);
// Flushes a folder's entries; the error number, or 0. File systems that
// cannot flush a folder are tolerated (0).
int syncFolder(const std::string& folder);
// Writes into an existing FIFO or character device; throws IoError.
void writeIntoStream(const std::string& path, const std::vector<std::uint8_t>& bytes, const std::string& shownName);
// Opens an existing FIFO or character device for blocking writes; the
// descriptor, or IoError (no reader, not a stream).
int openStream(const std::string& path, const std::string& shownName);

// An open descriptor closed on leaving scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }
    int get() const { return m_fd; }
    // The error number of the close, or 0.
    int close();

private:
    int m_fd;
};

}  // namespace vantor::filesteps
