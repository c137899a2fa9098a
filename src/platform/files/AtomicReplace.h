// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the program replaces files on disk.
//
// A regular file is replaced through a fresh temporary in its destination's
// folder (short random name ".vt<hex>.tmp", created exclusively and never
// through a symbolic link), flushed to disk, given the old file's owner and
// permissions, and renamed over the destination; the folder is flushed after
// the rename. On any failure the temporaries go and every destination keeps
// its previous content.
//
// Names come in two kinds. A name the user chose may be a symbolic link: the
// kernel resolves it (with its protections of links in shared folders) and
// the save writes its target, so the link stays. A name the program derived
// (the files beside a data set, a frame's files) is never followed: a link
// there is itself replaced by the new file and whatever it pointed at stays
// untouched.
//
// A chosen name that is a FIFO or a character device is written into
// directly, as a shell redirection would; it is never replaced. Folders,
// sockets and block devices are refused, and so is any file that is not
// regular when it is part of a set or a derived name.
//
// A set of several files commits as one, also when the process is killed or
// a step fails, and one program at a time saves it: see SaveJournal.h and
// SetLock.h. Every save first removes what killed writers left in its folder
// (StaleTemporaries.h), and registers what it creates for removal on an
// interrupt (CleanupOnSignal.h).
#include <chrono>
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "platform/files/SetLock.h"

namespace vantor {

enum class NameOrigin {
    Chosen,   // typed or picked by the user: links are written through
    Derived,  // made up by the program: links are replaced, never followed
};

struct PendingFile {
    std::string path;       // where the bytes go (absolute or relative to the process)
    std::string shownName;  // names the file in errors
    std::vector<std::uint8_t> bytes;
    NameOrigin origin = NameOrigin::Chosen;
};

// A test hook standing in for the disk: called before each file's bytes are
// written with the destination's path; a non-zero errno fails that write as
// the system would (ENOSPC for a full disk).
using WriteFault = std::function<int(const std::string& path)>;

// The steps of a set save at which a test may stop the process.
enum class SaveStep { Journal, TemporaryHalf, Temporary, Backup, Commit, Rename, JournalRemoval };
// A test hook standing in for a kill: called before each step with the file
// the step touches; returning true abandons the save right there, leaving
// every file as a killed process would, and throws SaveKilled.
using SaveInterrupt = std::function<bool(SaveStep step, const std::string& path)>;
struct SaveKilled : std::exception {
    const char* what() const noexcept override { return "save interrupted by a test"; }
};

// A test hook standing in for a failing system call: called before each
// backup and each rename of a set save; a non-zero errno fails that step as
// the system would (EPERM for an immutable file, EIO for a failing disk).
using StepFault = std::function<int(SaveStep step, const std::string& path)>;

struct SaveHooks {
    WriteFault fault;
    SaveInterrupt interrupt;
    StepFault stepFault;
    // How long a set save waits for another program's save of the set.
    std::chrono::milliseconds lockWait = SetLockWait;
};

// Replaces one file. Throws IoError naming the file and the real cause.
void replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes, const std::string& shownName,
                 NameOrigin origin = NameOrigin::Chosen, const SaveHooks& hooks = {});

// Replaces every file of the set as one commit recorded in `journal` (see
// SaveJournal.h); every file must be, or become, a regular file. Throws
// IoError naming the file that failed (a failure to lock, or of the
// journal, names the first file); then every old file is as it was. Waits
// `hooks.lockWait` for another program's save of the set, then throws
// IoError(SetBusyText).
void replaceFiles(const std::vector<PendingFile>& set, const std::string& journal, const SaveHooks& hooks = {});

// The text of an IoError for a destination that is not a regular file.
extern const char* const NotRegularFileText;
// ... for a FIFO that no process reads.
extern const char* const NoReaderText;

}  // namespace vantor
